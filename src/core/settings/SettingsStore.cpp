#include "core/settings/SettingsStore.h"

#include "core/model/Message.h"
#include "core/text/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace cairnly {
namespace {

using namespace settingsKeys;

constexpr const char* lastFileSection = "LASTFILE";
constexpr const char* lastFileKey = "FILE";

void putInt32(std::vector<uint8_t>& out, int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(bits >> shift));
}

int32_t takeInt32(std::span<const uint8_t> bytes, std::size_t offset)
{
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | bytes[offset + static_cast<std::size_t>(i)];
    return static_cast<int32_t>(bits);
}

void readColor(const ProfileFile& profile, const char* key, ColorValue& color, ColorValue fallback)
{
    if (const std::optional<int32_t> value = profile.readStructInt32(colors, key))
        color = isBlackColor(static_cast<ColorValue>(*value)) ? fallback : static_cast<ColorValue>(*value);
}

void readFlag(const ProfileFile& profile, const char* section, const char* key, bool& flag)
{
    if (const std::optional<int32_t> value = profile.readStructInt32(section, key))
        flag = *value != 0;
}

} // namespace

std::vector<int32_t> littleEndianInt32s(std::span<const uint8_t> bytes)
{
    std::vector<int32_t> values(bytes.size() / 4);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = takeInt32(bytes, 4 * i);
    return values;
}

std::vector<uint8_t> littleEndianBytes(std::span<const int32_t> values)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(4 * values.size());
    for (int32_t value : values)
        putInt32(bytes, value);
    return bytes;
}

bool isWindowRectangle(std::span<const int32_t> rectangle)
{
    return rectangle.size() == 4 && std::all_of(rectangle.begin(), rectangle.end(),
                                                [](int32_t v) { return v >= -maxCoordinate && v <= maxCoordinate; });
}

bool areColumnWidths(std::span<const int32_t> widths)
{
    return widths.size() <= columnWidthSlots &&
           std::all_of(widths.begin(), widths.end(), [](int32_t w) { return w >= 0 && w <= maxColumnWidth; });
}

bool isColumnPermutation(std::span<const int32_t> order, std::size_t columnCount)
{
    if (order.size() != columnCount)
        return false;
    std::vector<bool> seen(columnCount, false);
    for (int32_t column : order) {
        if (column < 0 || static_cast<std::size_t>(column) >= columnCount || seen[static_cast<std::size_t>(column)])
            return false;
        seen[static_cast<std::size_t>(column)] = true;
    }
    return true;
}

std::filesystem::path settingsFileFor(const std::filesystem::path& dataFile)
{
    std::filesystem::path settingsFile = dataFile;
    return settingsFile.replace_extension(".ini");
}

std::array<uint8_t, logFontSize> logFontBytes(const LogFont& font)
{
    std::vector<uint8_t> bytes;
    for (int32_t field : {font.height, font.width, font.escapement, font.orientation, font.weight})
        putInt32(bytes, field);
    for (uint8_t field : {font.italic, font.underline, font.strikeOut, font.charSet, font.outPrecision,
                          font.clipPrecision, font.quality, font.pitchAndFamily})
        bytes.push_back(field);
    for (char c : font.faceName)
        bytes.push_back(static_cast<uint8_t>(c));
    std::array<uint8_t, logFontSize> image{};
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return image;
}

LogFont logFontFromBytes(std::span<const uint8_t, logFontSize> bytes)
{
    LogFont font;
    font.height = takeInt32(bytes, 0);
    font.width = takeInt32(bytes, 4);
    font.escapement = takeInt32(bytes, 8);
    font.orientation = takeInt32(bytes, 12);
    font.weight = takeInt32(bytes, 16);
    font.italic = bytes[20];
    font.underline = bytes[21];
    font.strikeOut = bytes[22];
    font.charSet = bytes[23];
    font.outPrecision = bytes[24];
    font.clipPrecision = bytes[25];
    font.quality = bytes[26];
    font.pitchAndFamily = bytes[27];
    for (std::size_t i = 0; i < sizeof font.faceName; ++i)
        font.faceName[i] = static_cast<char>(bytes[28 + i]);
    font.faceName[sizeof font.faceName - 1] = '\0';
    return font;
}

std::vector<uint8_t> userColumnBytes(const std::vector<UserColumn>& columns)
{
    std::vector<uint8_t> bytes;
    bytes.reserve(userColumnRecordSize * columns.size());
    for (const UserColumn& column : columns) {
        const std::size_t length = std::min(column.heading.size(), userColumnHeadingCapacity);
        const std::size_t start = bytes.size();
        bytes.resize(start + userColumnHeadingCapacity + 1, 0);
        std::memcpy(bytes.data() + start, column.heading.data(), length);
        putInt32(bytes, column.format);
        putInt32(bytes, column.subItem);
    }
    return bytes;
}

std::vector<UserColumn> userColumnsFromBytes(std::span<const uint8_t> bytes)
{
    std::vector<UserColumn> columns(bytes.size() / userColumnRecordSize);
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const std::span<const uint8_t> record = bytes.subspan(k * userColumnRecordSize, userColumnRecordSize);
        const auto* heading = reinterpret_cast<const char*>(record.data());
        columns[k].heading.assign(heading, strnlen(heading, userColumnHeadingCapacity));
        const int32_t format = takeInt32(record, userColumnHeadingCapacity + 1);
        const int32_t subItem = takeInt32(record, userColumnHeadingCapacity + 5);
        columns[k].format = format >= FormatLeft && format <= FormatCenter ? format : FormatLeft;
        columns[k].subItem =
            subItem >= 0 && subItem < columnWidthSlots ? subItem : fixedColumnCount + static_cast<int32_t>(k);
    }
    return columns;
}

int32_t fontHeight(int points, int pixelsPerInch)
{
    return -(points * pixelsPerInch / 72);
}

LogFont startupPrintFont(int pixelsPerInch)
{
    LogFont font;
    font.height = fontHeight(10, pixelsPerInch);
    font.weight = 700;
    font.quality = 2;        // proof quality
    font.pitchAndFamily = 1; // fixed pitch
    std::strcpy(font.faceName, "Courier New");
    return font;
}

void setDefaultPrintFont(Settings& settings, int pixelsPerInch)
{
    if (settings.printFontSize == 0)
        settings.printFontSize = 10;
    settings.printFont = LogFont{};
    std::strcpy(settings.printFont.faceName, "Courier New");
    // 8 points is the smallest size the font dialog offers.
    settings.printFont.height = fontHeight(settings.hasPrintFont ? 10 : 8, pixelsPerInch);
}

void writeDefaultPrintFont(ProfileFile& profile, Settings& settings, int pixelsPerInch)
{
    setDefaultPrintFont(settings, pixelsPerInch);
    profile.writeStruct(misc, font, logFontBytes(settings.printFont));
    profile.writeStructInt32(misc, fontSize, settings.printFontSize);
}

ColorValue resolveColor(ColorValue value, const SystemColors& systemColors)
{
    if ((value & 0x80000000u) != 0)
        return systemColors ? systemColors(static_cast<int>(value & 0xFFFFu)) & 0x00FFFFFFu : 0;
    return value & 0x00FFFFFFu;
}

bool isBlackColor(ColorValue value)
{
    return (value & 0x80000000u) == 0 && (value & 0x00FFFFFFu) == 0;
}

std::optional<std::string> loadSettings(const std::filesystem::path& settingsFile, Settings& settings)
{
    const ProfileFile profile = ProfileFile::load(settingsFile);
    loadSettings(profile, settings);
    return profile.loadError();
}

void readListColors(const ProfileFile& profile, Settings& settings)
{
    readColor(profile, altColor, settings.altColor, defaultAltColor);
    readColor(profile, backColor, settings.backColor, defaultBackColor);
    readColor(profile, groupColor, settings.groupColor, defaultGroupColor);
}

void writeListColors(ProfileFile& profile, const Settings& settings)
{
    profile.writeStructInt32(colors, backColor, static_cast<int32_t>(settings.backColor));
    profile.writeStructInt32(colors, altColor, static_cast<int32_t>(settings.altColor));
    profile.writeStructInt32(colors, groupColor, static_cast<int32_t>(settings.groupColor));
}

void loadSettings(const ProfileFile& profile, Settings& settings)
{
    readListColors(profile, settings);
    if (const auto bytes = profile.readStruct(misc, coords, 16)) {
        const std::vector<int32_t> rectangle = littleEndianInt32s(*bytes);
        if (isWindowRectangle(rectangle))
            std::copy(rectangle.begin(), rectangle.end(), settings.coords.begin());
    }

    // The sizes of COLWIDTHS, COLDATA and COLORDER follow from the user-column count.
    std::size_t userCount = std::min<std::size_t>(settings.userColumns.size(), maxUserColumns);
    if (const std::optional<int32_t> count = profile.readStructInt32(columns, userColumns);
        count && *count >= 0 && *count <= maxUserColumns)
        userCount = static_cast<std::size_t>(*count);
    settings.columnWidthsRead = false;
    if (const auto bytes = profile.readStruct(columns, columnWidths, 4 * (fixedColumnCount + userCount))) {
        const std::vector<int32_t> widths = littleEndianInt32s(*bytes);
        if (areColumnWidths(widths)) {
            std::copy(widths.begin(), widths.end(), settings.columnWidths.begin());
            settings.columnWidthsRead = true;
        }
    }

    if (const auto bytes = profile.readStruct(misc, font, logFontSize))
        settings.printFont = logFontFromBytes(std::span<const uint8_t, logFontSize>(bytes->data(), logFontSize));
    if (const std::optional<int32_t> size = profile.readStructInt32(misc, fontSize);
        size && *size >= minPrintFontSize && *size <= maxPrintFontSize)
        settings.printFontSize = *size;
    settings.hasPrintFont = true;

    readFlag(profile, misc, totalCategories, settings.totalCategories);
    readFlag(profile, misc, totalAll, settings.showGrandTotal);
    readFlag(profile, misc, printNotes, settings.printNotes);
    for (std::size_t i = 0; i < exportFiles.size(); ++i) {
        if (const std::optional<std::string> path = profile.readString(exports, exportFiles[i]))
            settings.exportPaths[i] = profileTextToPath(*path);
    }
    readFlag(profile, exports, exportNotes, settings.exportNotes);

    settings.userColumns.clear();
    if (userCount != 0) {
        // Columns whose definitions cannot be read are not created, and so not saved again either.
        if (const auto bytes = profile.readStruct(columns, columnData, userColumnRecordSize * userCount))
            settings.userColumns = userColumnsFromBytes(*bytes);
    }
    settings.columnOrder.reset();
    const std::size_t columnCount = fixedColumnCount + settings.userColumns.size();
    if (const auto bytes = profile.readStruct(columns, columnOrder, 4 * columnCount)) {
        std::vector<int32_t> order = littleEndianInt32s(*bytes);
        if (isColumnPermutation(order, columnCount))
            settings.columnOrder = std::move(order);
    }
    if (const auto bytes = profile.readStruct(misc, ounces, 1))
        settings.metric = (*bytes)[0] != 0;
}

void writeSettings(ProfileFile& profile, const Settings& settings, std::vector<std::string>* unrecordedExportPaths,
                   int pixelsPerInch)
{
    writeListColors(profile, settings);
    profile.writeStruct(misc, coords, littleEndianBytes(settings.coords));

    const std::size_t userCount = std::min<std::size_t>(settings.userColumns.size(), maxUserColumns);
    const std::size_t columnCount = fixedColumnCount + userCount;
    profile.writeStruct(columns, columnWidths,
                        littleEndianBytes(std::span<const int32_t>(settings.columnWidths.data(), columnCount)));
    std::vector<int32_t> order;
    if (settings.columnOrder && isColumnPermutation(*settings.columnOrder, columnCount)) {
        order = *settings.columnOrder;
    } else {
        for (std::size_t i = 0; i < columnCount; ++i)
            order.push_back(static_cast<int32_t>(i));
    }
    profile.writeStruct(columns, columnOrder, littleEndianBytes(order));

    const uint8_t metric = settings.metric ? 1 : 0;
    profile.writeStruct(misc, ounces, std::span<const uint8_t>(&metric, 1));
    profile.writeStructInt32(columns, userColumns, static_cast<int32_t>(userCount));
    const std::vector<UserColumn> written(settings.userColumns.begin(),
                                          settings.userColumns.begin() + static_cast<std::ptrdiff_t>(userCount));
    profile.writeStruct(columns, columnData, userColumnBytes(written));
    profile.writeStructInt32(misc, totalCategories, settings.totalCategories ? 1 : 0);
    profile.writeStructInt32(misc, totalAll, settings.showGrandTotal ? 1 : 0);
    profile.writeStructInt32(misc, printNotes, settings.printNotes ? 1 : 0);
    // Paths are held whole and become the file's 8-bit text only here; one that has no such form or would
    // not read back as it is stays out, so the file keeps its earlier entry.
    for (std::size_t i = 0; i < exportFiles.size(); ++i) {
        const std::optional<std::string> text = pathToProfileText(settings.exportPaths[i]);
        if (text)
            profile.writeString(exports, exportFiles[i], *text);
        else if (unrecordedExportPaths)
            unrecordedExportPaths->push_back(pathText(settings.exportPaths[i]));
    }
    profile.writeStructInt32(exports, exportNotes, settings.exportNotes ? 1 : 0);

    Settings font = settings;
    if (!font.hasPrintFont)
        setDefaultPrintFont(font, pixelsPerInch);
    profile.writeStruct(misc, settingsKeys::font, logFontBytes(font.printFont));
    profile.writeStructInt32(misc, fontSize, font.printFontSize);
}

std::optional<std::string> saveSettings(const std::filesystem::path& settingsFile, const Settings& settings,
                                        std::vector<std::string>* unrecordedExportPaths, int pixelsPerInch)
{
    ProfileFile profile = ProfileFile::load(settingsFile);
    writeSettings(profile, settings, unrecordedExportPaths, pixelsPerInch);
    return profile.save(settingsFile);
}

std::optional<std::string> pathToProfileText(const std::filesystem::path& path)
{
    std::optional<std::string> text = fromUtf8(pathText(path));
    if (!text || !ProfileFile::readsBackExactly(*text))
        return std::nullopt;
    return text;
}

std::filesystem::path profileTextToPath(const std::string& text)
{
    return pathFromText(toUtf8(text));
}

std::string unrecordablePathText(const std::string& path)
{
    return "The file name \"" + path +
           "\" was not recorded in the settings file, because it would not read back as it is: it begins or "
           "ends with a space or a quote, holds a line break, or holds a character that the settings file "
           "cannot store.";
}

std::string settingsWriteFailureText(const std::filesystem::path& file, const std::string& error)
{
    return "The settings file " + pathText(file) + " could not be written: " + error;
}

std::filesystem::path readLastFile(const ProfileFile& appSettings)
{
    const std::optional<std::string> text = appSettings.readString(lastFileSection, lastFileKey);
    return text ? profileTextToPath(*text) : std::filesystem::path();
}

std::optional<ProfileFile> withLastFile(const std::filesystem::path& appSettingsFile,
                                        const std::filesystem::path& currentDataFile)
{
    ProfileFile profile = ProfileFile::load(appSettingsFile);
    if (const std::optional<std::string> text = pathToProfileText(currentDataFile))
        profile.writeString(lastFileSection, lastFileKey, *text);
    else if (!profile.removeKey(lastFileSection, lastFileKey) && !profile.loadError())
        return std::nullopt; // nothing was recorded
    return profile;
}

std::optional<std::string> recordLastFile(const std::filesystem::path& appSettingsFile,
                                          const std::filesystem::path& currentDataFile)
{
    const std::optional<ProfileFile> profile = withLastFile(appSettingsFile, currentDataFile);
    return profile ? profile->save(appSettingsFile) : std::nullopt;
}

} // namespace cairnly
