#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A program started by a test, in a folder of its own, with its output and error streams going to
// files. The arguments are UTF-8 and reach the program as they are, spaces and all, on every system.
class ChildProcess
{
public:
    ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                 const std::filesystem::path& workingFolder, const std::filesystem::path& outFile,
                 const std::filesystem::path& errFile);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for the program to end: its exit status, or -1 when it could not start or was killed.
    int wait();

private:
#ifdef _WIN32
    void* process = nullptr;
#else
    int pid = -1;
#endif
    int status = -1;
};
