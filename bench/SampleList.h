#pragma once

// The large list both benchmarks work on: 100,000 rows, every tenth a group of three members, every
// record with the texts of two user columns, written once into a temporary folder.
#include "core/files/DataFile.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace cairnly::bench {

constexpr int rowCount = 100000;
constexpr int groupEvery = 10;
constexpr int membersPerGroup = 3;

inline std::unique_ptr<GearRecord> makeItem(int n)
{
    auto r = std::make_unique<GearRecord>();
    const std::string number = std::to_string(n);
    setFieldText(r->category, defaultCategories()[static_cast<std::size_t>(n) % defaultCategories().size()]);
    setFieldText(r->item, "Item number " + number);
    // Weights from 0.1 to 99.9, so a weight sort has real work to do.
    const std::string unit = std::to_string((n * 37) % 999 / 10) + "." + std::to_string(n % 10);
    setFieldText(r->unitWeight, unit);
    setFieldText(r->multiplier, "1");
    computeWeight(*r);
    setFieldText(r->notes, "Bought in spring, fits in the side pocket");
    r->checked = static_cast<uint8_t>(n % 2);
    r->columnTexts = std::make_unique<OwningList<std::string>>();
    r->columnTexts->add(std::make_unique<std::string>("Colour " + number));
    r->columnTexts->add(std::make_unique<std::string>("Bag " + std::to_string(n % 7)));
    return r;
}

inline std::unique_ptr<GearRecord> makeRecord(int n)
{
    auto record = makeItem(n);
    if (n % groupEvery != 0)
        return record;
    const std::string name = "Group " + std::to_string(n);
    setFieldText(record->item, name);
    setFieldText(record->unitWeight, "");
    setFieldText(record->weight, "");
    setFieldText(record->collapsedLabel, "+ " + name);
    setFieldText(record->expandedLabel, "- " + name);
    record->members = std::make_unique<OwningList<GearRecord>>();
    for (int m = 0; m < membersPerGroup; ++m) {
        auto member = makeItem(n * 10 + m + 1);
        member->isMember = 1;
        member->parent = record.get();
        record->members->add(std::move(member));
    }
    updateGroupWeight(*record);
    return record;
}

// The yardstick for reading, independent of the code under test: the file's bytes in one read into a
// fresh buffer of its size. The buffer is mapped anew each time, as a first read of a file finds it, so
// what the allocator kept from earlier work cannot make the yardstick faster or slower. Returns how many
// bytes were read.
inline std::size_t rawRead(const std::filesystem::path& file)
{
    const int fd = open(file.c_str(), O_RDONLY);
    struct stat status
    {};
    if (fd < 0 || fstat(fd, &status) != 0) {
        std::perror(file.c_str());
        std::exit(1);
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    void* buffer = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (buffer == MAP_FAILED) {
        std::perror("mmap");
        std::exit(1);
    }
    const ssize_t n = read(fd, buffer, size);
    munmap(buffer, size);
    close(fd);
    return n < 0 ? 0 : static_cast<std::size_t>(n);
}

// The records, and the working file GearData.dat written from them in a folder of its own.
struct SampleList
{
    std::vector<std::unique_ptr<GearRecord>> records;
    std::vector<const GearRecord*> rows;
    std::filesystem::path folder;
    std::filesystem::path file;

    SampleList()
    {
        for (int n = 0; n < rowCount; ++n) {
            records.push_back(makeRecord(n));
            rows.push_back(records.back().get());
        }
        std::string pattern = (std::filesystem::temp_directory_path() / "cairnly-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        folder = pattern;
        file = folder / "GearData.dat";
        if (const auto error = writeDataFile(file, defaultCategories(), rows)) {
            std::fprintf(stderr, "cannot write %s: %s\n", file.c_str(), error->c_str());
            std::exit(1);
        }
    }
    ~SampleList()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    SampleList(const SampleList&) = delete;
    SampleList& operator=(const SampleList&) = delete;
};

} // namespace cairnly::bench
