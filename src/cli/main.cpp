// cairnly-data: looks into gear data files, makes them and reports on them, for scripts and for tests.
#include "cli/Command.h"

#include "core/files/AtomicFile.h"

#include <csignal>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace {

using cairnly::cli::Command;
using cairnly::cli::Invocation;

const std::span<const Command> topics[] = {
    cairnly::cli::dataCommands(),
    cairnly::cli::lighterPackCommands(),
    cairnly::cli::reportCommands(),
#ifdef CAIRNLY_PRINTING
    cairnly::cli::printCommands(),
#endif
};

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

#ifdef _WIN32
// The words of the command line in UTF-8: main's own arguments hold only what the ANSI code page can, so
// a file in a folder with a Greek name could not even be named.
std::vector<std::string> commandLineWords()
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 1; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string word(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, word.data(), size, nullptr, nullptr);
        word.pop_back(); // the terminating NUL
        words.push_back(std::move(word));
    }
    LocalFree(wide);
    return words;
}
#endif

#ifndef _WIN32
// A write cut short by Ctrl+C or a kill leaves no temporary file behind; then the signal ends the program
// as it would have.
void endBySignal(int signal)
{
    cairnly::removePendingTemporaryFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

} // namespace

int cairnly::cli::fail(const std::string& reason)
{
    std::cerr << "cairnly-data: " << reason << '\n';
    return 1;
}

std::string cairnly::cli::cannotOpen(const std::string& file, const std::string& reason)
{
    return "cannot open " + file + ": " + reason;
}

std::string cairnly::cli::cannotWrite(const std::string& file, const std::string& reason)
{
    return "cannot write " + file + ": " + reason;
}

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv)
{
#ifdef _WIN32
    const std::vector<std::string> words = commandLineWords();
    // The same bytes as everywhere else: "\n" stays "\n", and the console shows the UTF-8 texts.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#else
    const std::vector<std::string> words(argv + 1, argv + argc);
    std::signal(SIGINT, endBySignal);
    std::signal(SIGTERM, endBySignal);
#endif
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
