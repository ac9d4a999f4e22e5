// Reading and writing a large data file, next to a plain read of the same bytes.
#include "model/AtomicFile.h"
#include "model/DataFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace cairnly;
namespace fs = std::filesystem;

constexpr int rowCount = 100000;
constexpr int groupEvery = 10;
constexpr int membersPerGroup = 3;

std::unique_ptr<sPubInfo> makeItem(int n)
{
    auto r = std::make_unique<sPubInfo>();
    const std::string number = std::to_string(n);
    setFieldText(r->category, defaultCategories()[static_cast<std::size_t>(n) % defaultCategories().size()]);
    setFieldText(r->item, "Item number " + number);
    setFieldText(r->unitWeight, "12.50");
    setFieldText(r->weight, "25.00");
    setFieldText(r->notes, "Bought in spring, fits in the side pocket");
    setFieldText(r->multiplier, "2");
    r->checked = static_cast<uint8_t>(n % 2);
    r->columnTexts = std::make_unique<CMMIList<std::string>>();
    r->columnTexts->Add(std::make_unique<std::string>("Colour " + number));
    r->columnTexts->Add(std::make_unique<std::string>("Bag " + std::to_string(n % 7)));
    return r;
}

// Every tenth row a group of three members; every record with two column texts.
struct List
{
    std::vector<std::unique_ptr<sPubInfo>> records;
    std::vector<const sPubInfo*> rows;
    fs::path folder;
    fs::path file;
    fs::path target;

    List()
    {
        for (int n = 0; n < rowCount; ++n) {
            auto record = makeItem(n);
            if (n % groupEvery == 0) {
                setFieldText(record->item, "Group " + std::to_string(n));
                record->members = std::make_unique<CMMIList<sPubInfo>>();
                for (int m = 0; m < membersPerGroup; ++m) {
                    auto member = makeItem(n * 10 + m);
                    member->isMember = 1;
                    member->parent = record.get();
                    record->members->Add(std::move(member));
                }
            }
            rows.push_back(record.get());
            records.push_back(std::move(record));
        }
        std::string pattern = (fs::temp_directory_path() / "cairnly-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        folder = pattern;
        file = folder / "GearData.dat";
        target = folder / "Written.dat";
        if (const auto error = writeDataFile(file, defaultCategories(), rows)) {
            std::fprintf(stderr, "cannot write %s: %s\n", file.c_str(), error->c_str());
            std::exit(1);
        }
    }

    ~List()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

List& list()
{
    static List instance;
    return instance;
}

void setBytes(benchmark::State& state)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(fs::file_size(list().file)));
}

void BM_PlainRead(benchmark::State& state)
{
    for (auto _ : state) {
        std::optional<std::string> bytes = readWholeFile(list().file);
        benchmark::DoNotOptimize(bytes);
    }
    setBytes(state);
}

void BM_ReadDataFile(benchmark::State& state)
{
    for (auto _ : state) {
        DataFileContents contents = readDataFile(list().file);
        if (contents.records.size() != rowCount)
            state.SkipWithError("the file did not read back whole");
        benchmark::DoNotOptimize(contents);
    }
    setBytes(state);
}

void BM_WriteDataFile(benchmark::State& state)
{
    for (auto _ : state) {
        const auto error = writeDataFile(list().target, defaultCategories(), list().rows);
        if (error)
            state.SkipWithError(error->c_str());
    }
    setBytes(state);
}

void BM_FormatDataFile(benchmark::State& state)
{
    for (auto _ : state) {
        std::string bytes = formatDataFile(defaultCategories(), list().rows);
        benchmark::DoNotOptimize(bytes);
    }
    setBytes(state);
}

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDataFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatDataFile)->Unit(benchmark::kMillisecond);

} // namespace
