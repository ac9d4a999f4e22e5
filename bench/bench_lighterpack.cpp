// A LighterPack CSV of 10,000 rows (about 1 MB) through the import: the reader alone, the rows made into
// records, and the whole import into an empty list and into a list that already holds them once.
#include "core/document/GearDocument.h"
#include "core/interchange/CsvReader.h"
#include "core/interchange/LighterPack.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace cairnly;

constexpr int csvRows = 10000;

const std::string& sampleCsv()
{
    static const std::string csv = [] {
        const char* units[] = {"oz", "ounce", "lb", "g", "gram", "kg"};
        std::string text = "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable\n";
        for (int n = 0; n < csvRows; ++n) {
            const std::string number = std::to_string(n);
            text += "\"Item " + number + ", the \"\"light\"\" one\",Category " + std::to_string(n % 40) +
                    ",Bought in spring; fits in the side pocket," + std::to_string(1 + n % 3) + "," +
                    std::to_string(n % 500) + "." + std::to_string(n % 10) + "," + units[n % 6] + ",,19.99,,\n";
        }
        return text;
    }();
    return csv;
}

void setBytes(benchmark::State& state)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(sampleCsv().size()));
}

void readCsvRows(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readCsv(sampleCsv()));
    setBytes(state);
}
BENCHMARK(readCsvRows)->Unit(benchmark::kMillisecond);

void parseRows(benchmark::State& state)
{
    for (auto _ : state) {
        const LighterPackRows parsed = parseLighterPack(sampleCsv(), false);
        if (parsed.records.size() != csvRows)
            state.SkipWithError("rows were skipped");
    }
    setBytes(state);
}
BENCHMARK(parseRows)->Unit(benchmark::kMillisecond);

// The whole core import: parse, then one bulk addition to a list holding `existing` rows already.
void importInto(benchmark::State& state, int existing)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    std::unique_ptr<GearDocument> document;
    for (auto _ : state) {
        // The last list goes and the new one fills while the clock stands.
        state.PauseTiming();
        document = std::make_unique<GearDocument>(folder, folder / "bench.dat", Settings{});
        GearList& rows = document->list();
        for (int i = 0; i < existing; i += csvRows)
            rows.addImported(parseLighterPack(sampleCsv(), false).records);
        state.ResumeTiming();
        rows.addImported(parseLighterPack(sampleCsv(), false).records);
        if (rows.rowCount() != existing + csvRows)
            state.SkipWithError("rows went missing");
    }
    setBytes(state);
}
BENCHMARK_CAPTURE(importInto, emptyList, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(importInto, listOf10000, csvRows)->Unit(benchmark::kMillisecond);

} // namespace
