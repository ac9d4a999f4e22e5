#include "AtomicFile.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace cairnly {
namespace {

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
std::string lastErrorText()
{
    return std::system_category().message(static_cast<int>(GetLastError()));
}

std::optional<std::string> replaceFile(const fs::path& target, std::string_view bytes)
{
    fs::path temporary = target;
    temporary += L".cairnly-tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return lastErrorText();
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return std::string("The file could not be written.");
        }
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const std::string error = lastErrorText();
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return error;
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

    // Built by appending: GCC 12 at -O3 sees a false overlap in "." + name and fails a -Werror build.
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string pattern = (target.parent_path() / name).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        return errorText(errno);

    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            done += static_cast<std::size_t>(n);
    }
    if (error == 0 && fchmod(fd, mode) != 0)
        error = errno;
    if (error == 0 && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && rename(pattern.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(pattern.c_str());
        return errorText(error);
    }
    // The rename itself reaches the disk with the folder.
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
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

std::optional<std::string> readWholeFile(const fs::path& file)
{
    std::error_code ec;
    if (fs::is_directory(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

} // namespace cairnly
