#pragma once

#include "core/list/ReportRows.h"
#include "core/settings/SettingsStore.h"

#include <span>
#include <string>

namespace cairnly {

// The export formats, numbered as Settings::exportPaths holds their paths.
enum class ExportFormat
{
    Text = 0,
    CommaDelimited = 1,
    Html = 2,
    Xml = 3
};

// How the text and comma-delimited files write what is not ASCII: in UTF-8 where the system's own text is
// UTF-8, so that editors and scripts there read them; on Windows in the list's code page, in which its
// programs read a CSV file by default.
enum class ExportEncoding
{
    CodePage,
    Utf8
};

#ifdef _WIN32
inline constexpr ExportEncoding systemExportEncoding = ExportEncoding::CodePage;
#else
inline constexpr ExportEncoding systemExportEncoding = ExportEncoding::Utf8;
#endif

struct ExportOptions
{
    bool includeNotes = false;
    bool onlyChecked = false; // leave out the rows whose box is unticked
    // The list's colours as COLORREFs, system colours already resolved: the HTML table's rows.
    ColorValue backColor = defaultBackColor;
    ColorValue altColor = defaultAltColor;
    ColorValue groupColor = defaultGroupColor;
    ExportEncoding encoding = systemExportEncoding; // of the text and comma-delimited files
};

// The options with the list colours of the settings, system colours looked up in the table.
ExportOptions exportOptions(const Settings& settings, const SystemColors& systemColors, bool includeNotes,
                            bool onlyChecked);

// The whole file, with CR LF line ends. A group row stands for its members, written in its place in the
// member form; member rows of expanded groups are skipped. The text and CSV files are in the options'
// encoding, without a byte-order mark, the text file's columns padded by characters (CSV fields quoted
// where a spreadsheet would misread them); HTML and XML escape markup characters and write characters
// above 127 as references to their code points, so those files are plain ASCII.
std::string exportBytes(ExportFormat format, std::span<const ReportRow> rows, const ExportOptions& options);

} // namespace cairnly
