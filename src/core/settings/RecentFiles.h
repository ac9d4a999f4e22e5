#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cairnly {

class ProfileFile;

// The recent-files list in the "MRU" section of Cairnly.ini: at most four data files, newest first, each
// once, under the keys "MRU0" to "MRU3" with their number under "Count".
class RecentFiles
{
public:
    static constexpr std::size_t maxEntries = 4;

    explicit RecentFiles(std::filesystem::path appSettingsFile);

    // Reads the list from the file; a missing file or section gives an empty list.
    void load();
    void loadFrom(const ProfileFile& profile);
    // Puts the file in front, moving it there when it is listed already; the oldest entry falls off.
    // Refused when the path would not read back exactly from the file.
    bool add(const std::filesystem::path& file);
    const std::vector<std::filesystem::path>& entries() const { return list; }

    // Writes the list into the file, keeping everything else in it; the system's error text on failure.
    std::optional<std::string> save() const;
    void writeTo(ProfileFile& profile) const;

private:
    std::filesystem::path appSettingsFile;
    std::vector<std::filesystem::path> list;
};

} // namespace cairnly
