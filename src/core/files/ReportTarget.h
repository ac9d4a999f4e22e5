#pragma once

#include "core/model/Message.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace cairnly {

// Whether the two paths name one file: the same file (device and inode) where both exist, the same
// name once made absolute and free of "." and ".." otherwise.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Why a report (text, CSV, HTML, XML, LighterPack CSV, PDF) must not be written to the target, or nothing
// when it may be: the target is one of the protected files (the open list's data file and settings file,
// Cairnly.ini, what the command reads), or an existing file that begins as every data file does. A list
// lost under a report is lost for good, while a report can always be written again elsewhere.
std::optional<Message> reportTargetRefusal(const std::filesystem::path& target,
                                           const std::vector<std::filesystem::path>& protectedFiles);

// The refusal's message for the target: it names the file and says that a list is never written over.
Message neverWrittenOver(const std::filesystem::path& target);

} // namespace cairnly
