#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cairnly {

struct CsvRow
{
    int line = 0; // the line of the file the row starts on, from 1
    std::vector<std::string> fields;

    bool operator==(const CsvRow&) const = default;
};

// Reads comma-separated rows as spreadsheets and web tools write them: a field in double quotes may hold
// commas, line breaks and doubled double quotes; rows end with CR LF, LF or a lone CR (old Mac files). A
// UTF-8 byte-order mark at the start is skipped. Anything else is taken as it stands: a double quote inside
// an unquoted field, text after a closing quote, a quoted field still open at the end of the file. The
// final line end makes no empty row.
std::vector<CsvRow> readCsv(std::string_view text);

} // namespace cairnly
