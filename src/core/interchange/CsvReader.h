#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cairnly {

inline constexpr std::size_t maxCsvFields = 1024;

struct CsvRow
{
    int line = 0; // the line of the file the row starts on, from 1
    std::vector<std::string> fields;

    bool operator==(const CsvRow&) const = default;
};

// Reads comma-separated rows as spreadsheets and web tools write them: a field in double quotes may hold
// commas, line breaks and doubled double quotes; rows end with CR LF, LF or a lone CR (old Mac files). A
// UTF-8 byte-order mark at the start is skipped. Anything else is taken as it stands: a double quote inside an unquoted
// field, text after a closing quote, a quoted field still open at the end of the file. The final line end makes no
// empty row. Fields past the first maxCsvFields of a row are passed over: no program writes that many
// columns, and a line of commas would otherwise take thirty times its size.
//
// The rows are read one at a time as a loop walks them, so only one is held at once: held all together, a
// file of short lines would take a hundred times its size.
class CsvRows
{
public:
    explicit CsvRows(std::string_view text);

    struct End
    {};

    class Iterator
    {
    public:
        using value_type = CsvRow;
        using difference_type = std::ptrdiff_t;

        explicit Iterator(CsvRows& rows) : rows(&rows) {}
        const CsvRow& operator*() const { return rows->current; }
        const CsvRow* operator->() const { return &rows->current; }
        Iterator& operator++()
        {
            rows->advance();
            return *this;
        }
        void operator++(int) { rows->advance(); }
        bool operator==(End) const { return rows->done; }

    private:
        CsvRows* rows;
    };

    // Walks the rows once: begin reads the first.
    Iterator begin();
    End end() const { return {}; }

private:
    void advance();

    std::string_view text;
    std::size_t i = 0;
    int line = 1;
    CsvRow current;
    std::string passedOver; // a field past maxCsvFields
    bool done = false;
};

// All the rows at once.
std::vector<CsvRow> readCsv(std::string_view text);

} // namespace cairnly
