// Input is bounded before it is believed: files are read only up to a limit, and what the readers build
// stays within a small multiple of what they read.
#include "DataFileBytes.h"
#include "ScratchFolder.h"
#include "core/files/AtomicFile.h"
#include "core/files/DataFile.h"
#include "core/interchange/CsvReader.h"
#include "core/settings/ProfileFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#include <thread>
#endif

using namespace cairnly;
using namespace cairnly::test;
namespace fs = std::filesystem;

TEST(InputLimits, AFileAboveTheLimitIsNotReadWhetherItsSizeIsKnownOrNot)
{
    ScratchFolder folder;
    folder.write("five.txt", "hello");
    struct Case
    {
        fs::path file;
        std::size_t limit;
        const char* bytes; // nullptr: too large
    };
    std::vector<Case> cases = {{folder / "five.txt", 5, "hello"}, {folder / "five.txt", 4, nullptr}};
#ifndef _WIN32
    // A device that never ends, and a pipe, whose sizes say nothing: read up to the limit.
    cases.push_back({"/dev/zero", 100000, nullptr});
    const std::string piped(70000, 'p'); // more than the first buffer a pipe gets
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN); // the writer of a pipe given up on
    for (const std::size_t limit : {piped.size(), piped.size() - 1})
        cases.push_back({folder / "pipe", limit, limit == piped.size() ? piped.c_str() : nullptr});
#endif
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.string() + " " + std::to_string(c.limit));
#ifndef _WIN32
        std::thread writer;
        if (c.file == folder / "pipe")
            writer = std::thread([&] { std::ofstream(c.file, std::ios::binary) << piped; });
#endif
        const WholeFile whole = readWholeFile(c.file, c.limit);
#ifndef _WIN32
        if (writer.joinable())
            writer.join();
#endif
        if (c.bytes) {
            ASSERT_TRUE(whole.read()) << whole.error;
            EXPECT_EQ(whole.bytes(), c.bytes);
        } else {
            EXPECT_EQ(whole.status, WholeFile::Status::Unreadable);
            EXPECT_TRUE(whole.tooLarge);
            EXPECT_EQ(whole.error, "File too large");
            EXPECT_EQ(whole.size, 0u);
        }
    }
}

TEST(InputLimits, ADataFileOrSettingsFileAboveItsLimitIsToldAsSuch)
{
    ScratchFolder folder;
    // Sparse: the size alone decides, nothing is read.
    std::ofstream(folder / "huge.dat").close();
    fs::resize_file(folder / "huge.dat", wholeFileLimit + 1);
    const DataFileContents contents = readDataFile(folder / "huge.dat");
    EXPECT_EQ(contents.outcome, DataFileContents::Outcome::Unreadable);
    EXPECT_TRUE(contents.tooLarge);
    EXPECT_EQ(contents.categories, defaultCategories());
    EXPECT_EQ(contents.messages,
              (std::vector<Message>{{(folder / "huge.dat").string() + " is too large to be a Cairnly list",
                                     "Unable to Open!", MessageIcon::Exclamation}}));

    for (const std::size_t size : {profileFileLimit, profileFileLimit + 1}) {
        std::ofstream(folder / "list.ini", std::ios::binary) << "[MISC]\r\nOZ=0101\r\n";
        fs::resize_file(folder / "list.ini", size);
        const ProfileFile profile = ProfileFile::load(folder / "list.ini");
        EXPECT_EQ(profile.loadError(),
                  size == profileFileLimit ? std::nullopt : std::optional<std::string>("File too large"));
        EXPECT_EQ(profile.readString("MISC", "OZ", "none"), size == profileFileLimit ? "0101" : "none");
    }
}

TEST(InputLimits, ADataFileWithMoreCategoriesOrTextsThanAnyListIsDamagedThere)
{
    const std::string record = Image{"Tent", "Fly"}.top() + count0;
    std::string names;
    for (int i = 0; i < 10000; ++i)
        names += "c" + std::to_string(i) + "\r\n";
    const std::string emptyLines = header + "\r\n" + record + countHuge + std::string(400000, '\n') + record + count0;
    struct Case
    {
        std::string file;
        bool damaged;
        std::size_t categories;
        std::size_t records;
        std::size_t firstTexts;
    };
    const Case cases[] = {
        {header + names + "\r\n" + record + count1 + "t\r\n", false, 10000, 1, 1},
        // Reading stops at the ten thousand and first name.
        {header + names + "one more\r\n\r\n" + record + count0, true, 10000, 0, 0},
        // Each empty line would take some 80 bytes: the texts stop at 250,000 and one for every 32 bytes
        // of the file, and so does reading; the record keeps what it read.
        {emptyLines, true, 0, 1, 250000 + emptyLines.size() / 32},
    };
    for (const Case& c : cases) {
        const DataFileContents contents = parseDataFile(c.file);
        EXPECT_EQ(contents.outcome, DataFileContents::Outcome::Read);
        EXPECT_EQ(contents.damaged, c.damaged);
        EXPECT_EQ(contents.categories.size(), c.categories);
        ASSERT_EQ(contents.records.size(), c.records);
        if (c.records > 0) {
            const auto& texts = contents.records[0]->columnTexts;
            EXPECT_EQ(texts ? static_cast<std::size_t>(texts->count()) : 0u, c.firstTexts);
        }
    }
}

TEST(InputLimits, ACsvRowKeepsItsFirst1024Fields)
{
    const std::vector<CsvRow> rows =
        readCsv(std::string(1500, ',') + "\n\"a\nb\",\"x\"\"\"" + std::string(2000, ',') + "\nlast");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].fields, std::vector<std::string>(1024));
    EXPECT_EQ(rows[1].line, 2);
    ASSERT_EQ(rows[1].fields.size(), 1024u);
    EXPECT_EQ(rows[1].fields[0], "a\nb");
    EXPECT_EQ(rows[1].fields[1], "x\"");
    EXPECT_EQ(rows[2], (CsvRow{4, {"last"}}));
}
