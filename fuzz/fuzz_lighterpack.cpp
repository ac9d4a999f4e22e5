// The CSV reader and the LighterPack import on any bytes: they must not crash, leak or overrun; the rows
// read must come back the same when written out again; every record must be fit for the data file.
#include "core/interchange/CsvReader.h"
#include "core/interchange/LighterPack.h"
#include "core/text/CsvField.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace cairnly;

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_lighterpack: %s\n", what);
        std::abort();
    }
}

std::vector<std::vector<std::string>> fieldsOf(const std::vector<CsvRow>& rows)
{
    std::vector<std::vector<std::string>> fields;
    for (const CsvRow& row : rows)
        fields.push_back(row.fields);
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<CsvRow> rows = readCsv(bytes);

    // A byte-order mark in front, so a field that itself starts with one keeps it.
    std::string written = "\xEF\xBB\xBF";
    for (const CsvRow& row : rows) {
        for (std::size_t i = 0; i < row.fields.size(); ++i)
            written += (i ? "," : "") + csvField(row.fields[i]);
        written += '\n';
    }
    check(fieldsOf(readCsv(written)) == fieldsOf(rows), "rows written out and read again changed");

    for (const bool metric : {false, true}) {
        const LighterPackRows parsed = parseLighterPack(bytes, metric);
        check(parsed.records.size() + parsed.skipped.size() <= rows.size(), "more rows than the file holds");
        for (const auto& record : parsed.records) {
            const std::string_view category = fieldText(record->category);
            check(!category.empty(), "an empty category");
            for (const std::string_view text : {category, fieldText(record->item), fieldText(record->notes)}) {
                for (const char c : text)
                    check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character in a text");
            }
        }
        for (const ImportedColumn& column : parsed.columnTexts) {
            check(column.texts.size() == parsed.records.size(), "not one column text per record");
            for (const std::string& text : column.texts) {
                check(text.size() <= columnTextCapacity, "a column text longer than the data file holds");
                for (const char c : text)
                    check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character in a column text");
            }
        }
        importSummary(parsed);
    }
    return 0;
}
