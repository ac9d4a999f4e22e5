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

struct ExportOptions
{
    bool includeNotes = false;
    bool onlyChecked = false; // leave out the rows whose box is unticked
    // The list's colours as COLORREFs, system colours already resolved: the HTML table's rows.
    ColorValue backColor = defaultBackColor;
    ColorValue altColor = defaultAltColor;
    ColorValue groupColor = defaultGroupColor;
};

// The options with the list colours of the settings, system colours looked up in the table.
ExportOptions exportOptions(const Settings& settings, const SystemColors& systemColors, bool includeNotes,
                            bool onlyChecked);

// The whole file, with CR LF line ends. A group row stands for its members, written in its place in the
// member form; member rows of expanded groups are skipped. Texts stay Windows-1252 in the text and CSV
// files (CSV fields quoted where a spreadsheet would misread them); HTML and XML escape markup characters
// and write characters above 127 as references to their code points, so those files are plain ASCII.
std::string exportBytes(ExportFormat format, std::span<const ReportRow> rows, const ExportOptions& options);

} // namespace cairnly
