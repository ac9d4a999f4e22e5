#include "core/files/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace cairnly {
namespace {

#ifdef _WIN32
using FileStatus = struct _stat64;
int fileStatus(int fd, FileStatus* status)
{
    return _fstat64(fd, status);
}
long long readSome(int fd, char* into, std::size_t room)
{
    return _read(fd, into, static_cast<unsigned>(std::min<std::size_t>(room, 1u << 30)));
}
int closeFile(int fd)
{
    return _close(fd);
}
#else
using FileStatus = struct stat;
int fileStatus(int fd, FileStatus* status)
{
    return fstat(fd, status);
}
ssize_t readSome(int fd, char* into, std::size_t room)
{
    return read(fd, into, room);
}
int closeFile(int fd)
{
    return close(fd);
}
#endif

// Closes a file descriptor when it goes out of scope.
struct FileDescriptor
{
    int fd;
    ~FileDescriptor() { closeFile(fd); }
};

// Follows a chain of symbolic links (dangling or not) to the file that is really written.
fs::path resolveLinks(fs::path target)
{
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        const fs::path link = fs::read_symlink(target, ec);
        if (ec)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

#ifdef _WIN32
// The system's own text for the error, in UTF-8.
std::string systemErrorText(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty())
        return "System error " + std::to_string(error);
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// A new file beside the target that no other writer has, opened for writing. Its name is short whatever
// the target's, so that any name the folder takes can be written.
HANDLE createTemporary(const fs::path& target, fs::path& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.parent_path() /
                    (L"~cairnly-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + L".tmp");
        const HANDLE file =
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

std::optional<std::string> replaceFile(const fs::path& target, std::string_view bytes)
{
    // Windows refuses to replace a read-only file, but Wine does not: ask first, so both keep it.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return systemErrorText(ERROR_ACCESS_DENIED);

    fs::path temporary;
    const HANDLE file = createTemporary(target, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return systemErrorText(GetLastError());
    DWORD error = ERROR_SUCCESS;
    for (std::size_t done = 0; done < bytes.size() && error == ERROR_SUCCESS;) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr))
            error = GetLastError();
        else if (written == 0)
            error = ERROR_WRITE_FAULT;
        done += written;
    }
    if (error == ERROR_SUCCESS && !FlushFileBuffers(file))
        error = GetLastError();
    CloseHandle(file);
    if (error == ERROR_SUCCESS &&
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) {
        DeleteFileW(temporary.c_str());
        return systemErrorText(error);
    }
    return std::nullopt;
}
#else
std::string errorText(int error)
{
    return std::generic_category().message(error);
}

mode_t modeForNewFile()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The name of the temporary file there is while a write is under way, for a signal handler to remove.
char pendingName[4096];
volatile std::sig_atomic_t pending = 0;

void setPending(const std::string& name)
{
    pending = 0;
    if (name.size() < sizeof pendingName) {
        std::memcpy(pendingName, name.c_str(), name.size() + 1);
        pending = 1;
    }
}

// Writes all the bytes with the file's mode and flushes them to disk: 0 or the error.
int fill(int fd, std::string_view bytes, mode_t mode)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR)
            return errno;
        if (n > 0)
            done += static_cast<std::size_t>(n);
    }
    if (fchmod(fd, mode) != 0 || fsync(fd) != 0)
        return errno;
    return 0;
}

// Short names, whatever the target's: a temporary name longer than the target's would make a name of 248
// to 255 bytes impossible to write.
std::string temporaryName(const fs::path& folder, const std::string& rest)
{
    // Built by appending: GCC 12 at -O3 sees a false overlap in ".cairnly-" + rest and fails a -Werror build.
    std::string name = ".cairnly-";
    name += rest;
    return (folder / name).string();
}

// The bytes in a new file beside the target, under a name of its own: 0 or the error, and the name. On
// Linux the file has no name until it is whole, so a write cut short by a kill leaves nothing behind;
// it gets a short one just before it is renamed over the target.
int writeTemporary(const fs::path& folder, std::string_view bytes, mode_t mode, std::string& name)
{
#ifdef O_TMPFILE
    const int unnamed = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (unnamed >= 0) {
        int error = fill(unnamed, bytes, mode);
        bool linked = false;
        // A link fails where the name is taken; the file behind /proc's link is the one to name.
        const std::string self = "/proc/self/fd/" + std::to_string(unnamed);
        for (int attempt = 0; error == 0 && !linked && attempt < 100; ++attempt) {
            name = temporaryName(folder, std::to_string(getpid()) + "-" + std::to_string(attempt));
            linked = linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
            if (!linked && errno != EEXIST)
                break;
        }
        close(unnamed);
        if (error != 0 || linked) {
            if (linked)
                setPending(name);
            return error;
        }
        // No /proc, or a system that will not link it: a named file then.
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        return errno;
    }
#endif
    name = temporaryName(folder, "XXXXXX");
    const int fd = mkstemp(name.data());
    if (fd < 0)
        return errno;
    setPending(name);
    int error = fill(fd, bytes, mode);
    if (close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

std::optional<std::string> replaceFile(const fs::path& target, std::string_view bytes)
{
    struct stat old
    {};
    const bool exists = stat(target.c_str(), &old) == 0;
    // A file the user may not write is refused, as opening it for writing would be, although the
    // folder would let a new file take its place.
    if (exists && access(target.c_str(), W_OK) != 0)
        return errorText(errno);
    const mode_t mode = exists ? (old.st_mode & 07777) : modeForNewFile();
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    std::string temporary;
    int error = writeTemporary(folder, bytes, mode, temporary);
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0 && pending)
        unlink(temporary.c_str());
    pending = 0;
    if (error != 0)
        return errorText(error);
    // The rename itself reaches the disk with the folder.
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return std::nullopt;
}
#endif

} // namespace

std::optional<std::string> writeFileAtomically(const fs::path& target, std::string_view bytes)
{
    return replaceFile(resolveLinks(target), bytes);
}

void removePendingTemporaryFile() noexcept
{
#ifndef _WIN32
    if (pending) {
        pending = 0;
        unlink(pendingName);
    }
#endif
}

WholeFile readWholeFile(const fs::path& file, std::size_t limit)
{
    WholeFile result;
    auto fail = [&result](int error) {
        result.status =
            error == ENOENT || error == ENOTDIR ? WholeFile::Status::Missing : WholeFile::Status::Unreadable;
        result.error = std::generic_category().message(error);
        result.tooLarge = error == EFBIG;
        result.data.reset();
        result.size = 0;
        return std::move(result);
    };
#ifdef _WIN32
    const int fd = _wopen(file.c_str(), _O_RDONLY | _O_BINARY);
#else
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
#endif
    if (fd < 0)
        return fail(errno);
    const FileDescriptor closer{fd};
    FileStatus status{};
    if (fileStatus(fd, &status) != 0)
        return fail(errno);
    if ((status.st_mode & S_IFMT) == S_IFDIR)
        return fail(EISDIR);
    const bool regular = (status.st_mode & S_IFMT) == S_IFREG;
    const auto statedSize = static_cast<std::uintmax_t>(std::max<decltype(status.st_size)>(status.st_size, 0));
    if (regular && statedSize > limit)
        return fail(EFBIG);

    // A byte more than the file's size, so the read that finds the end needs no other buffer; a pipe or a
    // device, whose size says nothing, starts small. A file that grew meanwhile is read on, and a byte past
    // the limit is where reading gives up.
    std::size_t capacity =
        regular ? static_cast<std::size_t>(statedSize) + 1 : std::min<std::size_t>(limit + 1, 1 << 16);
    result.data = std::make_unique_for_overwrite<char[]>(capacity);
    for (;;) {
        if (result.size == capacity) {
            if (capacity > limit)
                return fail(EFBIG);
            capacity = capacity >= limit / 2 ? limit + 1 : capacity * 2;
            auto larger = std::make_unique_for_overwrite<char[]>(capacity);
            std::copy_n(result.data.get(), result.size, larger.get());
            result.data = std::move(larger);
        }
        const auto n = readSome(fd, result.data.get() + result.size, capacity - result.size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(errno);
        if (n == 0)
            break;
        result.size += static_cast<std::size_t>(n);
    }
    result.status = WholeFile::Status::Read;
    return result;
}

} // namespace cairnly
