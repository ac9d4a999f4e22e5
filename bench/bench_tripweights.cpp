// The trip weights of a large list: 100,000 rows, every tenth a group of three members, with the user
// columns "Colour", "Bag", "Worn" and "Consumable"; every fourth record worn (half of these two of a kind)
// and every fifth consumable, half the rows ticked.
#include "SampleList.h"
#include "core/document/GearDocument.h"
#include "core/list/ColumnMarks.h"
#include "core/reports/TripWeights.h"
#include "core/settings/SettingsStore.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

using namespace cairnly;
using namespace cairnly::bench;
namespace fs = std::filesystem;

void addMarks(GearRecord& record, int n)
{
    if (n % 8 == 1) {
        setFieldText(record.multiplier, "2");
        computeWeight(record);
    }
    setColumnText(record, 2, n % 4 == 1 ? "Worn" : "no");
    setColumnText(record, 3, n % 5 == 3 ? "Consumable" : "");
}

// The working file and its settings, written once into a temporary folder.
struct MarkedList
{
    fs::path folder;
    fs::path file;

    MarkedList()
    {
        std::vector<std::unique_ptr<GearRecord>> records;
        std::vector<const GearRecord*> rows;
        for (int n = 0; n < rowCount; ++n) {
            records.push_back(makeRecord(n));
            addMarks(*records.back(), n);
            if (records.back()->isGroup()) {
                int m = 0;
                records.back()->members->forEach([&](GearRecord& member) { addMarks(member, n * 10 + ++m); });
            }
            rows.push_back(records.back().get());
        }
        std::string pattern = (fs::temp_directory_path() / "cairnly-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        folder = pattern;
        file = folder / "GearData.dat";
        Settings settings;
        settings.userColumns = {
            {"Colour", FormatLeft, 4}, {"Bag", FormatRight, 5}, {"Worn", FormatLeft, 6}, {"Consumable", FormatLeft, 7}};
        if (const auto error = writeDataFile(file, defaultCategories(), rows)) {
            std::fprintf(stderr, "cannot write %s: %s\n", file.c_str(), error->c_str());
            std::exit(1);
        }
        if (const auto error = saveSettings(settingsFileFor(file), settings)) {
            std::fprintf(stderr, "cannot write the settings: %s\n", error->c_str());
            std::exit(1);
        }
    }
    ~MarkedList()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    MarkedList(const MarkedList&) = delete;
    MarkedList& operator=(const MarkedList&) = delete;
};

// The list as Open leaves it.
std::unique_ptr<GearDocument> openList(benchmark::State& state)
{
    static const MarkedList marked;
    auto document = std::make_unique<GearDocument>(marked.folder, marked.file, Settings{});
    const GearList& list = document->list();
    if (!document->openFile(marked.file).empty() || list.rowCount() != rowCount || list.userColumns().size() != 4)
        state.SkipWithError("the list did not load whole");
    return document;
}

// The five figures and their lines, as cairnly-data totals --weights and the Totals dialog work them out
// from the list.
void BM_TripWeights(benchmark::State& state)
{
    const auto document = openList(state);
    const GearList& list = document->list();
    const WeightSplit total = tripWeights(list);
    if (total.worn <= 0 || total.consumable <= 0 || total.base <= 0)
        state.SkipWithError("the sample has no marks");
    for (auto _ : state)
        benchmark::DoNotOptimize(tripWeightLines(tripWeights(list), list.metric()));
}

// The chart's split of every run, which also reads the category of every row.
void BM_TripWeightsByRun(benchmark::State& state)
{
    const auto document = openList(state);
    const GearList& list = document->list();
    for (auto _ : state)
        benchmark::DoNotOptimize(tripWeightsByRun(reportRows(list), list.userColumns()));
}

} // namespace

BENCHMARK(BM_TripWeights)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TripWeightsByRun)->Unit(benchmark::kMillisecond);
