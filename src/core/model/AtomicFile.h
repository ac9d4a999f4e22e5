#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cairnly {

// Writes the bytes to a temporary file beside the target (beside the resolved target when the path is
// a symbolic link), flushes it to disk and renames it over the target, so a crash or a full disk never
// leaves a half-written file. The file keeps the old file's permissions; a new file gets 0666 less the
// umask; a file the user may not write is refused. Returns the system's error text on failure, when the
// old file is left as it was.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// The whole file, or empty when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

} // namespace cairnly
