#include "core/interchange/CsvReader.h"

#include <algorithm>

namespace cairnly {
namespace {

// LF, CR LF and a lone CR each end a line.
int lineEnds(std::string_view text)
{
    int ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++ends;
    }
    return ends;
}

} // namespace

std::vector<CsvRow> readCsv(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<CsvRow> rows;
    std::size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        CsvRow row;
        row.line = line;
        for (;;) {
            std::string field;
            // A quote opens a quoted part only at the start of a field; a doubled quote inside stands for one.
            if (i < text.size() && text[i] == '"') {
                ++i;
                for (;;) {
                    const std::size_t quote = std::min(text.find('"', i), text.size());
                    line += lineEnds(text.substr(i, quote - i));
                    field.append(text, i, quote - i);
                    i = quote;
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    i = std::min(i + 1, text.size());
                    break;
                }
            }
            // The unquoted part (or what follows a closing quote) runs to a comma or the line end.
            const std::size_t end = std::min(text.find_first_of(",\r\n", i), text.size());
            field.append(text, i, end - i);
            i = end;
            row.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i < text.size()) {
                i += text.substr(i, 2) == "\r\n" ? 2 : 1;
                ++line;
            }
            break;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace cairnly
