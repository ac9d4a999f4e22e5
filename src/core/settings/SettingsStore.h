#pragma once

#include "core/settings/ProfileFile.h"
#include "core/settings/Settings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace cairnly {

// Sections and keys of a data file's settings file.
namespace settingsKeys {
inline constexpr const char* colors = "COLORS";
inline constexpr const char* misc = "MISC";
inline constexpr const char* columns = "COLUMNS";
inline constexpr const char* exports = "EXPORT";

inline constexpr const char* backColor = "BACKCOLOR";
inline constexpr const char* altColor = "ALTCOLOR";
inline constexpr const char* groupColor = "GROUPCOLOR";
inline constexpr const char* coords = "COORDS";
inline constexpr const char* columnWidths = "COLWIDTHS";
inline constexpr const char* columnOrder = "COLORDER";
inline constexpr const char* ounces = "OZ";
inline constexpr const char* userColumns = "USERCOLS";
inline constexpr const char* columnData = "COLDATA";
inline constexpr const char* totalCategories = "TOTALCATS";
inline constexpr const char* totalAll = "TOTALAll";
inline constexpr const char* printNotes = "PRINTNOTES";
// In the order of Settings::exportPaths: text, comma-delimited, HTML, XML.
inline constexpr std::array<const char*, 4> exportFiles = {"TEXTFILE", "COMMAFILE", "HTMLFILE", "XMLFILE"};
inline constexpr const char* exportNotes = "EXPORTNOTES";
inline constexpr const char* font = "FONT";
inline constexpr const char* fontSize = "FONTSIZE";
} // namespace settingsKeys

inline constexpr const char* appSettingsFileName = "Cairnly.ini";
inline constexpr const char* workingDataFileName = "GearData.dat";
inline constexpr const char* workingSettingsFileName = "GearData.ini";

inline constexpr std::size_t logFontSize = 60;
inline constexpr std::size_t userColumnRecordSize = 49;
inline constexpr std::size_t userColumnHeadingCapacity = 40;
inline constexpr int32_t maxColumnWidth = 10000;
// A window rectangle further out than this is damage, and its width would overflow.
inline constexpr int32_t maxCoordinate = 1000000;
inline constexpr int32_t minPrintFontSize = 1;
inline constexpr int32_t maxPrintFontSize = 72;
// The logical resolution Windows reports for a normal screen.
inline constexpr int standardPixelsPerInch = 96;

// The data file's path with its extension replaced by ".ini" (".ini" appended to a name without one).
std::filesystem::path settingsFileFor(const std::filesystem::path& dataFile);

// Whole little-endian 32-bit integers of the bytes, and back.
std::vector<int32_t> littleEndianInt32s(std::span<const uint8_t> bytes);
std::vector<uint8_t> littleEndianBytes(std::span<const int32_t> values);

// Four coordinates within +-maxCoordinate.
bool isWindowRectangle(std::span<const int32_t> rectangle);
// At most one width per slot of the width table, each from 0 to maxColumnWidth.
bool areColumnWidths(std::span<const int32_t> widths);
// True when the order names each of the columns 0 to columnCount - 1 exactly once.
bool isColumnPermutation(std::span<const int32_t> order, std::size_t columnCount);

// The LOGFONTA image: every field little-endian, the face name's 32 bytes as they are.
std::array<uint8_t, logFontSize> logFontBytes(const LogFont& font);
// A face name without its terminator is cut to 31 characters.
LogFont logFontFromBytes(std::span<const uint8_t, logFontSize> bytes);

// The 49-byte COLDATA records of the columns, back to back: heading zero-filled to 41 bytes (cut to
// 40 characters), format, sub-item index.
std::vector<uint8_t> userColumnBytes(const std::vector<UserColumn>& columns);
// The records of a COLDATA image (a multiple of 49 bytes). A heading without terminator is cut to 40
// characters, a format other than left, right or centre becomes left, and a sub-item index outside the
// width table becomes the column's own index.
std::vector<UserColumn> userColumnsFromBytes(std::span<const uint8_t> bytes);

// Font heights are negative character heights in device units: -(points x pixels per inch / 72).
int32_t fontHeight(int points, int pixelsPerInch);
// The printing font made when the main window is set up: "Courier New", bold, fixed pitch, proof
// quality, 10 points.
LogFont startupPrintFont(int pixelsPerInch);
// Fills in the default printing font: the size becomes 10 if it was 0, the description is cleared and
// given "Courier New" and the height of 10 points when a font object exists, else of 8 points.
void setDefaultPrintFont(Settings& settings, int pixelsPerInch);
// setDefaultPrintFont, then writes FONT and FONTSIZE.
void writeDefaultPrintFont(ProfileFile& profile, Settings& settings, int pixelsPerInch);

// The system colour table the GUI supplies: the COLORREF of a system colour index.
using SystemColors = std::function<ColorValue(int index)>;
// The COLORREF to draw with: a value with the top bit set is looked up in the system colour table by its
// low 16 bits (black when there is no table).
ColorValue resolveColor(ColorValue value, const SystemColors& systemColors);
// A colour that stands for black without the system table, which no list is meant to be drawn in.
bool isBlackColor(ColorValue value);

// ALTCOLOR, BACKCOLOR and GROUPCOLOR, in that order; a colour that reads as black takes its default, an
// absent one keeps the value in memory.
void readListColors(const ProfileFile& profile, Settings& settings);
// BACKCOLOR, ALTCOLOR and GROUPCOLOR.
void writeListColors(ProfileFile& profile, const Settings& settings);

// Reads the settings file over the settings in memory: an absent or malformed entry keeps the value in
// memory; out-of-range numbers count as malformed; a colour that reads as black takes its default. The
// columns are rebuilt from the file: without readable definitions there are no user columns, and without
// a readable order there is none. Afterwards a printing font object exists. Returns the system's text
// when the file is there but cannot be read (it then counts as empty).
std::optional<std::string> loadSettings(const std::filesystem::path& settingsFile, Settings& settings);
void loadSettings(const ProfileFile& profile, Settings& settings);

// Writes every key in the order of the settings-file table into the file, keeping its other lines.
// The caller first takes the column widths, column order, window rectangle and user columns from the
// view. When there is no printing font object the default printing font is written. Export paths that
// would not read back exactly are left out and listed in unrecordedExportPaths. Returns the system's
// error text when the file cannot be written.
std::optional<std::string> saveSettings(const std::filesystem::path& settingsFile, const Settings& settings,
                                        std::vector<std::string>* unrecordedExportPaths = nullptr,
                                        int pixelsPerInch = standardPixelsPerInch);
void writeSettings(ProfileFile& profile, const Settings& settings, std::vector<std::string>* unrecordedExportPaths,
                   int pixelsPerInch);

// A path as the settings files hold it (Windows-1252), or empty when it has no Windows-1252 form or
// would not read back exactly.
std::optional<std::string> pathToProfileText(const std::filesystem::path& path);
std::filesystem::path profileTextToPath(const std::string& text);

// The text to show when a path was not recorded because it would not read back as it is.
std::string unrecordablePathText(const std::string& path);
// The text to show when a settings file could not be written, with the system's text.
std::string settingsWriteFailureText(const std::filesystem::path& file, const std::string& error);

// The current data file recorded in the application settings file ("LASTFILE" / "FILE"); empty when
// none is recorded.
std::filesystem::path readLastFile(const ProfileFile& appSettings);
// The application settings file with the current data file recorded, as recordLastFile writes it; empty
// when there is nothing to write.
std::optional<ProfileFile> withLastFile(const std::filesystem::path& appSettingsFile,
                                        const std::filesystem::path& currentDataFile);
// Records the current data file. A path that would not read back exactly (pathToProfileText) removes
// the record instead, so that the next start neither names nor saves over an earlier file. Returns the
// system's error text when the file cannot be written.
std::optional<std::string> recordLastFile(const std::filesystem::path& appSettingsFile,
                                          const std::filesystem::path& currentDataFile);

} // namespace cairnly
