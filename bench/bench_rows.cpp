// The list operations on a large list: 100,000 rows, every tenth a group of three members, every record
// with the texts of two user columns; undo and redo of the largest steps, and the two halves of an
// autosave. A raw read of the file's bytes is the yardstick for reading it,
// loading it and opening it, all measured in the same run.
#include "SampleList.h"
#include "core/document/GearDocument.h"
#include "core/files/DataFile.h"
#include "core/settings/SettingsStore.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

using namespace cairnly;
using namespace cairnly::bench;
namespace fs = std::filesystem;

constexpr int screenRows = 40;

// The working file and its settings, written once into a temporary working folder.
struct WorkingFolder : SampleList
{
    WorkingFolder()
    {
        Settings settings;
        settings.userColumns = {{"Colour", FormatLeft, 4}, {"Bag", FormatRight, 5}};
        if (const auto error = saveSettings(settingsFileFor(file), settings)) {
            std::fprintf(stderr, "cannot write the settings: %s\n", error->c_str());
            std::exit(1);
        }
        records.clear(); // the rows load their own
        rows.clear();
    }
};

WorkingFolder& working()
{
    static WorkingFolder instance;
    return instance;
}

// A list opened from the working folder, as the program's Open leaves it.
std::unique_ptr<GearDocument> openList(benchmark::State& state)
{
    auto document = std::make_unique<GearDocument>(working().folder, working().file, Settings{});
    const GearList& rows = document->list();
    if (!document->openFile(working().file).empty() || rows.rowCount() != rowCount || rows.columnCount() != 6)
        state.SkipWithError("the list did not load whole");
    return document;
}

// The first row of the given kind at or after the row.
int rowOfKind(const GearList& rows, RowKind kind, int from)
{
    for (int i = from; i < rows.rowCount(); ++i) {
        if (rows.kind(i) == kind)
            return i;
    }
    return -1;
}

std::size_t screenful(const GearDocument& document, int first)
{
    std::size_t characters = 0;
    for (int row = first; row < first + screenRows; ++row) {
        for (int column = 0; column < document.list().columnCount(); ++column)
            characters += document.cellText(row, column).size();
    }
    return characters;
}

void BM_RawRead(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(rawRead(working().file));
}

void BM_ReadDataFile(benchmark::State& state)
{
    for (auto _ : state) {
        DataFileContents contents = readDataFile(working().file);
        if (contents.records.size() != rowCount)
            state.SkipWithError("the file did not read back whole");
        benchmark::DoNotOptimize(contents);
    }
}

void BM_OpenFile(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<GearDocument>(working().folder, working().file, Settings{});
        state.ResumeTiming();
        document->openFile(working().file);
        state.PauseTiming();
        if (document->list().rowCount() != rowCount)
            state.SkipWithError("the list did not load whole");
        document.reset();
        state.ResumeTiming();
    }
}

void BM_LoadWorkingFile(benchmark::State& state)
{
    auto document = openList(state);
    for (auto _ : state) {
        document->loadWorkingFile();
        benchmark::DoNotOptimize(document->list().rowCount());
    }
}

void BM_Tick(benchmark::State& state)
{
    auto document = openList(state);
    GearList& rows = document->list();
    const int row = rowOfKind(rows, RowKind::Item, rowCount / 2);
    bool checked = rows.isChecked(row);
    for (auto _ : state) {
        checked = !checked;
        rows.setChecked(row, checked);
    }
    benchmark::DoNotOptimize(rows.totalLine());
}

// The screenful that is shown first after the rows changed: the category rule works out afresh.
void BM_ScreenfulAfterChange(benchmark::State& state)
{
    auto document = openList(state);
    GearList& rows = document->list();
    const int first = static_cast<int>(state.range(0));
    const int group = rowOfKind(rows, RowKind::Group, 0);
    for (auto _ : state) {
        state.PauseTiming();
        rows.toggleGroup(group);
        rows.toggleGroup(group);
        state.ResumeTiming();
        benchmark::DoNotOptimize(screenful(*document, first));
    }
}

void BM_ScreenfulSteady(benchmark::State& state)
{
    auto document = openList(state);
    const int first = static_cast<int>(state.range(0));
    screenful(*document, first);
    for (auto _ : state)
        benchmark::DoNotOptimize(screenful(*document, first));
}

void BM_ExpandAll(benchmark::State& state)
{
    auto document = openList(state);
    GearList& rows = document->list();
    for (auto _ : state) {
        rows.setAllGroups(false);
        state.PauseTiming();
        if (rows.rowCount() != rowCount + rowCount / groupEvery * membersPerGroup)
            state.SkipWithError("not every group expanded");
        rows.setAllGroups(true);
        state.ResumeTiming();
    }
}

void BM_CollapseAll(benchmark::State& state)
{
    auto document = openList(state);
    GearList& rows = document->list();
    for (auto _ : state) {
        state.PauseTiming();
        rows.setAllGroups(false);
        state.ResumeTiming();
        rows.setAllGroups(true);
    }
    if (rows.rowCount() != rowCount)
        state.SkipWithError("not every group collapsed");
}

// From category order, as the list stands after loading.
void BM_SortByWeight(benchmark::State& state)
{
    auto document = openList(state);
    GearList& rows = document->list();
    for (auto _ : state) {
        state.PauseTiming();
        rows.sortByColumn(0);
        state.ResumeTiming();
        rows.sortByColumn(2);
    }
}

// From weight order back to category order.
void BM_SortByCategory(benchmark::State& state)
{
    auto document = openList(state);
    GearList& rows = document->list();
    for (auto _ : state) {
        state.PauseTiming();
        rows.sortByColumn(2);
        state.ResumeTiming();
        rows.sortByColumn(0);
    }
}

void BM_DeleteOneRow(benchmark::State& state)
{
    auto document = openList(state);
    GearList& rows = document->list();
    ItemEntry entry;
    for (auto _ : state) {
        state.PauseTiming();
        const int row = rowOfKind(rows, RowKind::Item, rowCount / 2);
        const GearRecord& r = rows.record(row);
        entry.category = fieldText(r.category);
        entry.item = fieldText(r.item);
        entry.unitWeight = fieldText(r.unitWeight);
        entry.multiplier = fieldText(r.multiplier);
        entry.columnTexts = {"Colour", "Bag"};
        state.ResumeTiming();
        rows.deleteRows({row});
        state.PauseTiming();
        // The same item comes back, so every round deletes from a list of the same size.
        rows.addItem(entry, AddSource::Command);
        state.ResumeTiming();
    }
}

// Alternately to grams and back to ounces.
void BM_Convert(benchmark::State& state)
{
    auto document = openList(state);
    GearList& rows = document->list();
    for (auto _ : state) {
        if (rows.convert())
            state.SkipWithError("the list was not converted");
    }
}

// What the window's thread does for one autosave: the bytes of the three files, made ready.
void BM_AutosaveOnTheWindowsThread(benchmark::State& state)
{
    auto document = openList(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(document->prepareWrite());
}

// What the writer's thread then does: the three files written and synced.
void BM_AutosaveOnTheWritersThread(benchmark::State& state)
{
    auto document = openList(state);
    const PreparedWrite prepared = document->prepareWrite();
    for (auto _ : state)
        benchmark::DoNotOptimize(writePrepared(prepared));
}

// The heap one step of each command keeps for undo, and undo and redo of it, on the whole list. The
// first command fills the list's caches; the steps after it are measured.
std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

void undoAndRedo(benchmark::State& state, const std::function<void(GearList&)>& command)
{
    auto document = openList(state);
    GearList& rows = document->list();
    command(rows);
    constexpr int measuredSteps = 4;
    const std::size_t before = heapInUse();
    for (int i = 0; i < measuredSteps; ++i)
        command(rows);
    state.counters["stepBytes"] = static_cast<double>(heapInUse() - before) / measuredSteps;
    for (auto _ : state) {
        rows.undo();
        rows.redo();
    }
}

BENCHMARK_CAPTURE(undoAndRedo, deleteOneItem, [](GearList& rows) {
    rows.deleteRows({rowOfKind(rows, RowKind::Item, rowCount / 2)});
})->Unit(benchmark::kMillisecond);
// A group's step also keeps the list of group names as it was.
BENCHMARK_CAPTURE(undoAndRedo, deleteOneGroup, [](GearList& rows) {
    rows.deleteRows({rowOfKind(rows, RowKind::Group, rowCount / 2)});
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(undoAndRedo, sortByWeight, [](GearList& rows) {
    rows.sortByColumn(2);
})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(undoAndRedo, convert, [](GearList& rows) { rows.convert(); })->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutosaveOnTheWindowsThread)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutosaveOnTheWritersThread)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWorkingFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScreenfulAfterChange)
    ->Arg(0)
    ->Arg(rowCount / 2)
    ->Arg(rowCount - screenRows)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScreenfulSteady)->Arg(0)->Arg(rowCount / 2)->Arg(rowCount - screenRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExpandAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CollapseAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByWeight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByCategory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteOneRow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert)->Unit(benchmark::kMillisecond);

} // namespace
