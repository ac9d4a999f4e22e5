// libFuzzer target for the profile reader and the settings loaded from it: any bytes must parse, load and
// save without a crash, and whatever was loaded must read back the same after it is written.
#include "core/settings/ColumnLayout.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/RecentFiles.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace cairnly;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// A save writes the widths of the columns there are and an order, so a load after it finds them.
Settings asSaved(Settings settings)
{
    settings.columnWidthsRead = true;
    const std::size_t columnCount = fixedColumnCount + settings.userColumns.size();
    const auto initial = Settings::initialColumnWidths();
    std::copy(initial.begin() + static_cast<std::ptrdiff_t>(columnCount), initial.end(),
              settings.columnWidths.begin() + static_cast<std::ptrdiff_t>(columnCount));
    if (!settings.columnOrder) {
        settings.columnOrder.emplace();
        for (std::size_t i = 0; i < columnCount; ++i)
            settings.columnOrder->push_back(static_cast<int32_t>(i));
    }
    return settings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ProfileFile profile = ProfileFile::parse(bytes);

    (void)profile.readString("EXPORT", "TEXTFILE");
    (void)profile.readString("LASTFILE", "FILE", "");
    for (std::size_t structSize : {0, 1, 4, 16, 60})
        (void)profile.readStruct("MISC", "FONT", structSize);

    Settings settings;
    loadSettings(profile, settings);
    const ColumnLayout layout = columnLayout(settings, 800);
    check(layout.columns.size() == fixedColumnCount + settings.userColumns.size());

    ProfileFile saved = profile;
    writeSettings(saved, settings, nullptr, standardPixelsPerInch);
    check(saved.writeString("FUZZ", "KEY", "value"));
    const ProfileFile reread = ProfileFile::parse(saved.serialize());
    check(reread.readString("fuzz", "key") == "value");
    Settings again;
    loadSettings(reread, again);
    check(again == asSaved(settings));

    RecentFiles recent("unused");
    recent.loadFrom(profile);
    ProfileFile withRecent = profile;
    recent.writeTo(withRecent);
    RecentFiles recentAgain("unused");
    recentAgain.loadFrom(ProfileFile::parse(withRecent.serialize()));
    check(recentAgain.entries() == recent.entries());
    return 0;
}
