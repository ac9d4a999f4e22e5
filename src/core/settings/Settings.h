#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cairnly {

// A colour value: a COLORREF 0x00BBGGRR, or with the top bit set a system colour whose index is the
// low 16 bits.
using ColorValue = uint32_t;

inline constexpr ColorValue defaultBackColor = 0x00E0FFFF;
inline constexpr ColorValue defaultAltColor = 0x00C4FFFF;
inline constexpr ColorValue defaultGroupColor = 0x000099FF;

inline constexpr int fixedColumnCount = 4; // Category, Item, Weight, Notes
inline constexpr int maxUserColumns = 252; // so the 256-entry width table holds every column
inline constexpr int columnWidthSlots = 256;

// The list-view column alignments as the settings file stores them.
enum ColumnFormat : int32_t
{
    FormatLeft = 0,
    FormatRight = 1,
    FormatCenter = 2
};

// One user column's definition (the 49-byte COLDATA record): heading of at most 40 characters.
struct UserColumn
{
    std::string heading;
    int32_t format = FormatLeft;
    int32_t subItem = 0;

    bool operator==(const UserColumn&) const = default;
};

// The printing font description, laid out as the Win32 LOGFONTA structure (60 bytes).
struct LogFont
{
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    char faceName[32] = {};

    bool operator==(const LogFont&) const = default;
};

// Every in-memory setting of one data file, with its default.
struct Settings
{
    ColorValue backColor = defaultBackColor;
    ColorValue altColor = defaultAltColor;
    ColorValue groupColor = defaultGroupColor;
    std::array<int32_t, 4> coords{}; // left, top, right, bottom of the window; all 0 = no stored placement
    std::array<int32_t, columnWidthSlots> columnWidths = initialColumnWidths();
    bool columnWidthsRead = false;                   // COLWIDTHS was read at the last load
    std::optional<std::vector<int32_t>> columnOrder; // the logical column shown at each visual place
    std::vector<UserColumn> userColumns;
    bool metric = false;
    bool totalCategories = true;
    bool showGrandTotal = true;
    bool printNotes = true;
    bool exportNotes = false;
    std::array<std::filesystem::path, 4> exportPaths; // text, comma-delimited, HTML, XML
    LogFont printFont;
    bool hasPrintFont = false; // a printing font object exists
    int32_t printFontSize = 10;

    bool operator==(const Settings&) const = default;

    static std::array<int32_t, columnWidthSlots> initialColumnWidths()
    {
        std::array<int32_t, columnWidthSlots> widths{};
        for (int i = 0; i < fixedColumnCount; ++i)
            widths[i] = 100;
        return widths;
    }
};

} // namespace cairnly
