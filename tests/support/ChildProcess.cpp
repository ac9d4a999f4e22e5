#include "ChildProcess.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

std::wstring wide(const std::string& utf8)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
    return text;
}

// The argument in quotes, as the C runtime splits a command line: backslashes are themselves except
// before a quote.
std::wstring quoted(const std::wstring& argument)
{
    std::wstring out = L"\"";
    for (std::size_t i = 0;; ++i) {
        std::size_t backslashes = 0;
        for (; i < argument.size() && argument[i] == L'\\'; ++i)
            ++backslashes;
        if (i == argument.size()) {
            out.append(2 * backslashes, L'\\');
            break;
        }
        if (argument[i] == L'"')
            out.append(2 * backslashes + 1, L'\\');
        else
            out.append(backslashes, L'\\');
        out += argument[i];
    }
    return out + L"\"";
}

HANDLE inheritableOutput(const fs::path& file)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

} // namespace

ChildProcess::ChildProcess(const fs::path& program, const std::vector<std::string>& arguments,
                           const fs::path& workingFolder, const fs::path& outFile, const fs::path& errFile)
{
    std::wstring commandLine = quoted(program.wstring());
    for (const std::string& argument : arguments)
        commandLine += L" " + quoted(wide(argument));
    const HANDLE out = inheritableOutput(outFile);
    const HANDLE err = inheritableOutput(errFile);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION started{};
    if (out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
        CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, workingFolder.c_str(),
                       &startup, &started)) {
        CloseHandle(started.hThread);
        process = started.hProcess;
    }
    if (out != INVALID_HANDLE_VALUE)
        CloseHandle(out);
    if (err != INVALID_HANDLE_VALUE)
        CloseHandle(err);
}

int ChildProcess::wait()
{
    if (!process)
        return status;
    DWORD code = 0;
    if (WaitForSingleObject(process, INFINITE) == WAIT_OBJECT_0 && GetExitCodeProcess(process, &code))
        status = static_cast<int>(code);
    CloseHandle(process);
    process = nullptr;
    return status;
}

#else

ChildProcess::ChildProcess(const fs::path& program, const std::vector<std::string>& arguments,
                           const fs::path& workingFolder, const fs::path& outFile, const fs::path& errFile)
{
    // Everything the child needs is made before the fork.
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid = fork();
    if (pid != 0)
        return;
    const int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(workingFolder.c_str()) != 0)
        _exit(127);
    execv(argv[0], argv.data());
    _exit(127);
}

int ChildProcess::wait()
{
    if (pid <= 0)
        return status;
    int raw = 0;
    pid_t ended;
    do {
        ended = waitpid(pid, &raw, 0);
    } while (ended < 0 && errno == EINTR);
    if (ended == pid)
        status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    pid = -1;
    return status;
}

#endif

ChildProcess::~ChildProcess()
{
    wait();
}
