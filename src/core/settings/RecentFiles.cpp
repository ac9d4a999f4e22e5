#include "core/settings/RecentFiles.h"

#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsStore.h"
#include "core/text/Cp1252.h"

#include <algorithm>
#include <charconv>

namespace cairnly {
namespace {

constexpr const char* section = "MRU";
constexpr const char* countKey = "Count";

std::string entryKey(std::size_t index)
{
    return "MRU" + std::to_string(index);
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
#ifdef _WIN32
    // File names are not case-sensitive there. Listed files always have a Windows-1252 form.
    return equalsNoCase(pathToProfileText(a).value_or(std::string()), pathToProfileText(b).value_or(std::string()));
#else
    return a == b;
#endif
}

} // namespace

RecentFiles::RecentFiles(std::filesystem::path appSettingsFile) : appSettingsFile(std::move(appSettingsFile)) {}

void RecentFiles::load()
{
    loadFrom(ProfileFile::load(appSettingsFile));
}

void RecentFiles::loadFrom(const ProfileFile& profile)
{
    list.clear();
    std::size_t count = maxEntries;
    if (const std::optional<std::string> text = profile.readString(section, countKey)) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
        if (error == std::errc{} && end == text->data() + text->size())
            count = std::min<std::size_t>(value, maxEntries);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<std::string> text = profile.readString(section, entryKey(i));
        if (!text || text->empty())
            continue;
        const std::filesystem::path file = profileTextToPath(*text);
        // An entry that could not be written back as it is would be lost or changed at the next save.
        if (!pathToProfileText(file))
            continue;
        if (std::none_of(list.begin(), list.end(), [&](const auto& listed) { return sameFile(listed, file); }))
            list.push_back(file);
    }
}

bool RecentFiles::add(const std::filesystem::path& file)
{
    if (file.empty() || !pathToProfileText(file))
        return false;
    std::erase_if(list, [&](const auto& listed) { return sameFile(listed, file); });
    list.insert(list.begin(), file);
    if (list.size() > maxEntries)
        list.resize(maxEntries);
    return true;
}

std::optional<std::string> RecentFiles::save() const
{
    ProfileFile profile = ProfileFile::load(appSettingsFile);
    writeTo(profile);
    return profile.save(appSettingsFile);
}

void RecentFiles::writeTo(ProfileFile& profile) const
{
    for (std::size_t i = 0; i < maxEntries; ++i) {
        if (i < list.size())
            profile.writeString(section, entryKey(i), pathToProfileText(list[i]).value_or(std::string()));
        else
            profile.removeKey(section, entryKey(i));
    }
    profile.writeString(section, countKey, std::to_string(list.size()));
}

} // namespace cairnly
