// cairnly-data: looks into gear data files, makes them and reports on them, for scripts and for tests.
#include "Command.h"

#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

using cairnly::cli::Command;
using cairnly::cli::Invocation;

const std::span<const Command> topics[] = {cairnly::cli::dataCommands(), cairnly::cli::lighterPackCommands(),
                                           cairnly::cli::reportCommands()};

std::string usage()
{
    std::string text = "Usage: cairnly-data COMMAND ARGUMENTS\n\nCommands:\n";
    auto indented = [](const char* lines) {
        std::string out;
        for (const char* line = lines; *line;) {
            const char* end = line;
            while (*end && *end != '\n')
                ++end;
            out += "  " + std::string(line, end) + '\n';
            line = *end ? end + 1 : end;
        }
        return out;
    };
    for (const auto& topic : topics) {
        for (const Command& command : topic)
            text += indented(command.summary);
    }
    text += "  --help           Show this text.\n";
    for (const auto& topic : topics) {
        for (const Command& command : topic) {
            if (command.details)
                text += std::string("\n") + command.details;
        }
    }
    text += "\nExit status: 0 done, 1 a file could not be read or written, was refused or did\n"
            "not fit, 2 wrong use.\n";
    return text;
}

// The arguments and options as the command takes them; nothing for wrong use.
std::optional<Invocation> parse(const Command& command, const std::vector<std::string>& words)
{
    Invocation invocation;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0 || word.size() == 2) {
            invocation.arguments.push_back(word);
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const cairnly::cli::Option* option = nullptr;
        for (const cairnly::cli::Option& candidate : command.options) {
            if (name == candidate.name)
                option = &candidate;
        }
        if (!option || invocation.has(name))
            return std::nullopt;
        if (!option->takesValue) {
            if (equals != std::string::npos)
                return std::nullopt;
            invocation.options[name] = "";
        } else if (equals != std::string::npos) {
            invocation.options[name] = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            invocation.options[name] = words[++i];
        } else {
            return std::nullopt;
        }
    }
    if (invocation.arguments.size() != command.argumentCount)
        return std::nullopt;
    return invocation;
}

} // namespace

int cairnly::cli::fail(const std::string& reason)
{
    std::cerr << "cairnly-data: " << reason << '\n';
    return 1;
}

int main(int argc, char** argv)
{
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.size() == 1 && (words[0] == "--help" || words[0] == "-h")) {
        std::cout << usage();
        return 0;
    }
    if (!words.empty()) {
        for (const auto& topic : topics) {
            for (const Command& command : topic) {
                if (words[0] != command.name)
                    continue;
                if (const auto invocation = parse(command, {words.begin() + 1, words.end()})) {
                    const int status = command.run(*invocation);
                    if (status == 2)
                        std::cerr << usage();
                    return status;
                }
            }
        }
    }
    std::cerr << usage();
    return 2;
}
