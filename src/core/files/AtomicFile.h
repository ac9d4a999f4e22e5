#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace cairnly {

// Writes the bytes to a temporary file beside the target (beside the resolved target when the path is
// a symbolic link), flushes it to disk and renames it over the target, so a crash or a full disk never
// leaves a half-written file. The file keeps the old file's permissions; a new file gets 0666 less the
// umask; a file the user may not write is refused. Returns the system's error text on failure, when the
// old file is left as it was. On Linux the temporary file has no name until it is whole; elsewhere it
// has a short one, so any name the folder takes can be written.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Removes the named temporary file of a write under way, if there is one: for a handler of a signal that
// ends the program (it does only what such a handler may).
void removePendingTemporaryFile() noexcept;

// The most any file is read into memory: far above any real list (a list of a thousand items is some
// 300 KB), and low enough that a device or a pipe that never ends is given up on within a second (only
// taking a gigabyte of memory takes longer than that).
inline constexpr std::size_t wholeFileLimit = std::size_t{256} << 20;

// A whole file's bytes, or why there are none.
struct WholeFile
{
    enum class Status
    {
        Read,
        Missing,   // no such file (or no such folder on its path)
        Unreadable // it is there but cannot be read: a folder, no permission, an I/O error, too large
    };

    Status status = Status::Missing;
    std::string error;     // the system's text, when missing or unreadable
    bool tooLarge = false; // unreadable because it holds more than the limit
    // The bytes read, in a buffer that is never filled with anything else first.
    std::unique_ptr<char[]> data;
    std::size_t size = 0;

    bool read() const { return status == Status::Read; }
    std::string_view bytes() const { return {data.get(), size}; }
};

// Reads the file in one go into a buffer of its size, reading on while a short read leaves some (and on
// past its size should it have grown). A file of more than limit bytes is not read: a regular file is
// judged by its size, anything else (a pipe, a device) is read until it passes the limit.
WholeFile readWholeFile(const std::filesystem::path& file, std::size_t limit = wholeFileLimit);

} // namespace cairnly
