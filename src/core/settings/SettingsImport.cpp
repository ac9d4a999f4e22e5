#include "core/settings/SettingsImport.h"

#include "core/settings/SettingsStore.h"
#include "core/text/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace cairnly {
namespace {

using namespace settingsKeys;

// Enough for every column of the width table.
constexpr std::size_t columnTableSize = 4 * columnWidthSlots;
// Registry strings are read whole; no path is longer than this.
constexpr std::size_t maxPathValueSize = 65536;

std::optional<int32_t> readDword(const LegacyKey& key, const char* name)
{
    const std::optional<std::vector<uint8_t>> bytes = key.read(name, 4);
    if (!bytes || bytes->size() != 4)
        return std::nullopt;
    return littleEndianInt32s(*bytes)[0];
}

// A table of int32 values, of its own size.
std::optional<std::vector<uint8_t>> readTable(const LegacyKey& key, const char* name)
{
    std::optional<std::vector<uint8_t>> bytes = key.read(name, columnTableSize);
    if (!bytes || bytes->empty() || bytes->size() % 4 != 0)
        return std::nullopt;
    return bytes;
}

// A registry string ends at its first NUL, if it has one.
std::string readText(const LegacyKey& key, const char* name)
{
    const std::optional<std::vector<uint8_t>> bytes = key.read(name, maxPathValueSize);
    if (!bytes)
        return {};
    const auto* text = reinterpret_cast<const char*>(bytes->data());
    return std::string(text, strnlen(text, bytes->size()));
}

void askForUnits(Settings& settings, const UnitsQuestion& askUnits, ImportOutcome& outcome)
{
    outcome.unitsAsked = true;
    if (!askUnits)
        return;
    if (const std::optional<bool> metric = askUnits())
        settings.metric = *metric;
}

void writeDefaultWidths(ProfileFile& profile)
{
    const std::array<int32_t, columnWidthSlots> initial = Settings::initialColumnWidths();
    profile.writeStruct(columns, columnWidths,
                        littleEndianBytes(std::span<const int32_t>(initial.data(), fixedColumnCount)));
}

void importFromKey(const LegacyKey& key, ProfileFile& profile, Settings& settings, int pixelsPerInch,
                   const UnitsQuestion& askUnits, ImportOutcome& outcome)
{
    if (const auto bytes = key.read("Coords", 16); bytes && bytes->size() == 16) {
        const std::vector<int32_t> rectangle = littleEndianInt32s(*bytes);
        if (isWindowRectangle(rectangle)) {
            std::copy(rectangle.begin(), rectangle.end(), settings.coords.begin());
            profile.writeStruct(misc, coords, *bytes);
        }
    }

    const std::optional<std::vector<uint8_t>> widthBytes = readTable(key, "Cols");
    const std::vector<int32_t> widths = widthBytes ? littleEndianInt32s(*widthBytes) : std::vector<int32_t>();
    if (widthBytes && areColumnWidths(widths)) {
        std::copy(widths.begin(), widths.end(), settings.columnWidths.begin());
        profile.writeStruct(columns, columnWidths, *widthBytes);
    } else {
        writeDefaultWidths(profile);
    }

    if (const auto orderBytes = readTable(key, "ColOrder")) {
        const std::vector<int32_t> order = littleEndianInt32s(*orderBytes);
        if (isColumnPermutation(order, order.size()))
            profile.writeStruct(columns, columnOrder, *orderBytes);
    }

    if (const std::optional<int32_t> ounces = readDword(key, "Oz"))
        settings.metric = *ounces != 0;
    else
        askForUnits(settings, askUnits, outcome);
    const uint8_t metric = settings.metric ? 1 : 0;
    profile.writeStruct(misc, settingsKeys::ounces, std::span<const uint8_t>(&metric, 1));

    std::size_t userCount = settings.userColumns.size();
    if (const std::optional<int32_t> count = readDword(key, "UserColumns");
        count && *count >= 0 && *count <= maxUserColumns)
        userCount = static_cast<std::size_t>(*count);
    profile.writeStructInt32(columns, userColumns, static_cast<int32_t>(userCount));
    if (userCount != 0) {
        const std::size_t size = userColumnRecordSize * userCount;
        if (const auto bytes = key.read("ColData", size); bytes && bytes->size() == size) {
            settings.userColumns = userColumnsFromBytes(*bytes);
            profile.writeStruct(columns, columnData, *bytes);
        }
    }

    const std::pair<const char*, bool*> flags[] = {{"TotalCategories", &settings.totalCategories},
                                                   {"TotalAll", &settings.showGrandTotal},
                                                   {"PrintNotes", &settings.printNotes}};
    const char* flagKeys[] = {totalCategories, totalAll, printNotes};
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        if (const std::optional<int32_t> value = readDword(key, flags[i].first))
            *flags[i].second = *value != 0;
        profile.writeStructInt32(misc, flagKeys[i], *flags[i].second ? 1 : 0);
    }

    // The registry's order: comma-delimited, text, HTML, XML.
    const std::pair<const char*, std::size_t> paths[] = {
        {"CommaFile", 1}, {"TextFile", 0}, {"HTMLFile", 2}, {"XMLFile", 3}};
    for (const auto& [name, index] : paths) {
        const std::string text = readText(key, name);
        settings.exportPaths[index] = profileTextToPath(text);
        if (!profile.writeString(exports, exportFiles[index], text))
            outcome.unrecordedPaths.push_back(toUtf8(text));
    }
    settings.exportNotes = readDword(key, "ExportNotes").value_or(0) != 0;
    profile.writeStructInt32(exports, exportNotes, settings.exportNotes ? 1 : 0);

    const std::optional<int32_t> size = readDword(key, "FontSize");
    settings.printFontSize = size && *size >= minPrintFontSize && *size <= maxPrintFontSize ? *size : 10;
    if (const auto bytes = key.read("Font", logFontSize); bytes && bytes->size() == logFontSize)
        settings.printFont = logFontFromBytes(std::span<const uint8_t, logFontSize>(bytes->data(), logFontSize));
    else
        setDefaultPrintFont(settings, pixelsPerInch);
    profile.writeStruct(misc, font, logFontBytes(settings.printFont));
    profile.writeStructInt32(misc, fontSize, settings.printFontSize);
}

} // namespace

ImportOutcome importLegacySettings(ProfileFile& profile, Settings& settings, const LegacyRegistry& registry,
                                   int pixelsPerInch, const UnitsQuestion& askUnits)
{
    ImportOutcome outcome;
    const std::unique_ptr<LegacyKey> key = registry.open();
    outcome.keyOpened = key != nullptr;
    if (key) {
        importFromKey(*key, profile, settings, pixelsPerInch, askUnits, outcome);
        return outcome;
    }
    writeDefaultPrintFont(profile, settings, pixelsPerInch);
    askForUnits(settings, askUnits, outcome);
    profile.writeStructInt32(columns, userColumns, static_cast<int32_t>(settings.userColumns.size()));
    writeDefaultWidths(profile);
    return outcome;
}

} // namespace cairnly
