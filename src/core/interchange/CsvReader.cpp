#include "core/interchange/CsvReader.h"

#include <algorithm>

namespace cairnly {

CsvRows::CsvRows(std::string_view text) : text(text)
{
    if (this->text.substr(0, 3) == "\xEF\xBB\xBF")
        this->text.remove_prefix(3);
}

CsvRows::Iterator CsvRows::begin()
{
    advance();
    return Iterator(*this);
}

void CsvRows::advance()
{
    if (i >= text.size()) {
        done = true;
        return;
    }
    // The row's strings are reused, so a walk allocates only for rows longer than any before.
    std::size_t fieldCount = 0;
    auto nextField = [this, &fieldCount]() -> std::string& {
        std::string* field = &passedOver;
        if (fieldCount < maxCsvFields) {
            if (fieldCount == current.fields.size())
                current.fields.emplace_back();
            field = &current.fields[fieldCount++];
        }
        field->clear();
        return *field;
    };
    current.line = line;
    for (;;) {
        std::string& field = nextField();
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
    current.fields.resize(fieldCount);
}

std::vector<CsvRow> readCsv(std::string_view text)
{
    std::vector<CsvRow> rows;
    CsvRows walk(text);
    for (const CsvRow& row : walk)
        rows.push_back(row);
    return rows;
}

} // namespace cairnly
