#pragma once

// Runs the built cairnly-data in a temporary folder and reads what it printed.
#include "DataFileBytes.h"
#include "ScratchFolder.h"
#include "model/AtomicFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

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
    ToolRun run(const std::string& arguments)
    {
        const std::string command =
            "cd '" + folder.path().string() + "' && '" CAIRNLY_DATA_TOOL "' " + arguments + " >stdout.txt 2>stderr.txt";
        const int raw = std::system(command.c_str());
        ToolRun result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read("stdout.txt"), read("stderr.txt")};
        std::filesystem::remove(folder.path() / "stdout.txt");
        std::filesystem::remove(folder.path() / "stderr.txt");
        return result;
    }

    void write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder.path() / name, std::ios::binary) << bytes;
    }

    std::string read(const std::string& name) { return readWholeFile(folder.path() / name).value_or("<missing>"); }

    bool exists(const std::string& name) { return std::filesystem::exists(folder.path() / name); }

    ScratchFolder folder;
};

} // namespace cairnly::test
