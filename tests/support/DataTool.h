#pragma once

// Runs the built cairnly-data in a temporary folder and reads what it printed.
#include "ChildProcess.h"
#include "DataFileBytes.h"
#include "ScratchFolder.h"
#include "core/files/AtomicFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace cairnly::test {

struct ToolRun
{
    int status;
    std::string out;
    std::string err;
};

class DataTool : public ::testing::Test
{
protected:
    // The words of the command line, split at each space.
    ToolRun run(const std::string& arguments)
    {
        std::vector<std::string> words;
        for (std::size_t start = 0; start < arguments.size();) {
            const std::size_t space = std::min(arguments.find(' ', start), arguments.size());
            words.push_back(arguments.substr(start, space - start));
            start = space + 1;
        }
        return runWords(words);
    }

    ToolRun runWords(const std::vector<std::string>& words)
    {
        // Made absolute here, while the current folder is still the one the tests started in.
        static const std::filesystem::path tool = std::filesystem::absolute(CAIRNLY_DATA_TOOL);
        ChildProcess process(tool, words, folder.path(), folder / "stdout.txt", folder / "stderr.txt");
        ToolRun result{process.wait(), read("stdout.txt"), read("stderr.txt")};
        std::filesystem::remove(folder.path() / "stdout.txt");
        std::filesystem::remove(folder.path() / "stderr.txt");
        return result;
    }

    void write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder.path() / name, std::ios::binary) << bytes;
    }

    std::string read(const std::string& name) { return folder.read(name); }

    bool exists(const std::string& name) { return std::filesystem::exists(folder.path() / name); }

    ScratchFolder folder;
};

} // namespace cairnly::test
