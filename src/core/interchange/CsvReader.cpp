#include "core/interchange/CsvReader.h"

#include <algorithm>

namespace cairnly {

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
                    line += static_cast<int>(std::count(text.begin() + i, text.begin() + quote, '\n'));
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
            std::size_t end = std::min(text.find_first_of(",\n", i), text.size());
            const bool crlf = end < text.size() && text[end] == '\n' && end > i && text[end - 1] == '\r';
            field.append(text, i, end - i - (crlf ? 1 : 0));
            i = end;
            row.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i < text.size()) {
                ++i; // the LF
                ++line;
            }
            break;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace cairnly
