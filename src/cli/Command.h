#pragma once

#include "core/document/GearDocument.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace cairnly::cli {

// An option of a command: a flag ("--notes"), or one that takes a value ("--format text" or
// "--format=text").
struct Option
{
    const char* name;
    bool takesValue = false;
};

// What the command was given: its arguments in order, and the options by name (a flag maps to "").
struct Invocation
{
    std::vector<std::string> arguments;
    std::map<std::string, std::string> options;

    bool has(const std::string& option) const { return options.count(option) != 0; }
};

// A command of cairnly-data, and its part of the usage text.
struct Command
{
    const char* name;
    std::size_t argumentCount;
    std::vector<Option> options;
    // Returns the exit status; 2 (with the usage) for wrong use it finds itself.
    int (*run)(const Invocation&);
    const char* summary; // its lines under "Commands:", each indented by two spaces
    const char* details; // a paragraph after the list, or nullptr
};

// The commands of each topic, each kept in a file of its own.
std::span<const Command> dataCommands();
std::span<const Command> lighterPackCommands();
std::span<const Command> reportCommands();
std::span<const Command> printCommands(); // only where Qt is built

// Prints "cairnly-data: REASON" on the error stream and returns 1. Each kind of failure has one form,
// which names the file: "cannot open FILE: " or "cannot write FILE: " and the system's reason, "FILE is
// too large to be a ... list", "FILE is damaged: ...", "FILE was not written: ...", or "FILE: " and why
// it was refused.
int fail(const std::string& reason);
std::string cannotOpen(const std::string& file, const std::string& reason);
std::string cannotWrite(const std::string& file, const std::string& reason);
// The list of the file named on the command line, as the window shows it after Open, with the settings
// file beside it. Reading writes nothing, so the folder's own Cairnly.ini stays as it is. Null, after
// saying why through fail, when the file is missing, cannot be read or is refused.
std::unique_ptr<GearDocument> openList(const std::string& word);
// Why a report must not be written to the target, or nothing: it is the list's data file or settings
// file, a Cairnly.ini beside the list or in the current folder, or an existing data file.
std::optional<std::string> reportRefusal(const GearDocument& document, const std::string& target);

} // namespace cairnly::cli
