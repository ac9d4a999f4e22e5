// Reading and writing a large data file, next to a raw read of the same bytes.
#include "SampleList.h"
#include "core/files/DataFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace cairnly;
using namespace cairnly::bench;
namespace fs = std::filesystem;

// The sample list, and a second file to write to.
struct List : SampleList
{
    fs::path target = folder / "Written.dat";
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

void BM_RawRead(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(rawRead(list().file));
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

BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDataFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatDataFile)->Unit(benchmark::kMillisecond);

} // namespace
