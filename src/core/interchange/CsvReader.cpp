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
