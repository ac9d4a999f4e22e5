// The data file reader on any bytes: it must not crash, leak or overrun, and what it read must survive
// being written and read again.
#include "core/files/DataFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace cairnly;

std::string writeBack(const DataFileContents& contents)
{
    std::vector<const GearRecord*> rows;
    rows.reserve(contents.records.size());
    for (const auto& record : contents.records)
        rows.push_back(record.get());
    return formatDataFile(contents.categories, rows);
}

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_datafile: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const DataFileContents first = parseDataFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (first.outcome != DataFileContents::Outcome::Read)
        return 0;
    const std::string written = writeBack(first);

    const DataFileContents second = parseDataFile(written);
    check(second.outcome == DataFileContents::Outcome::Read, "a written file is refused");
    check(second.format == DataFormat::Current, "a written file is not of the current format");
    check(second.records.size() == first.records.size(), "the record count changed");
    check(second.categories == first.categories, "the categories changed");

    // Each read reverses the members, so two rounds give the same bytes again.
    const DataFileContents third = parseDataFile(writeBack(second));
    check(writeBack(third) == written, "two rounds of writing and reading changed the file");
    return 0;
}
