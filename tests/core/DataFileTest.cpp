#include "core/files/DataFile.h"
#include "DataFileBytes.h"
#include "RecordSupport.h"
#include "ScratchFolder.h"
#include "SystemTexts.h"
#include "core/files/AtomicFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace cairnly;
using namespace cairnly::test;
namespace fs = std::filesystem;

namespace {

void addText(GearRecord& record, const std::string& text)
{
    if (!record.columnTexts)
        record.columnTexts = std::make_unique<OwningList<std::string>>();
    record.columnTexts->add(std::make_unique<std::string>(text));
}

// The walk order (first(), next()) of a group's member items.
std::vector<std::string> walk(GearRecord& group)
{
    std::vector<std::string> names;
    for (GearRecord* m = group.members->first(); m; m = group.members->next())
        names.emplace_back(fieldText(m->item));
    return names;
}

std::vector<std::string> texts(GearRecord& record)
{
    std::vector<std::string> all;
    for (int32_t n = 1; record.columnTexts && n <= record.columnTexts->count(); ++n)
        all.push_back(*record.columnTexts->get(n));
    return all;
}

std::string format(const std::vector<std::string>& categories, const std::vector<std::unique_ptr<GearRecord>>& rows)
{
    std::vector<const GearRecord*> pointers;
    for (const auto& row : rows)
        pointers.push_back(row.get());
    return formatDataFile(categories, pointers);
}

// Two members walked as "Stove", "Pot", each with one text; the group has none and is expanded.
std::unique_ptr<GearRecord> kitchenGroup()
{
    auto group = std::make_unique<GearRecord>();
    setFieldText(group->category, "Cooking");
    setFieldText(group->item, "Kitchen");
    setFieldText(group->collapsedLabel, "+ Kitchen");
    setFieldText(group->expandedLabel, "- Kitchen");
    group->expanded = 1;
    group->members = std::make_unique<OwningList<GearRecord>>();
    for (const char* name : {"Pot", "Stove"}) {
        auto member = itemRecord("Cooking", name, name[0] == 'P' ? "4.00" : "3.00");
        member->isMember = 1;
        member->parent = group.get();
        addText(*member, std::string("t-") + name);
        group->members->add(std::move(member));
    }
    return group;
}

const Image stoveImage{"Cooking", "Stove", "3.00", "3.00", "", 0, "1", "", "", "", 1};
const Image potImage{"Cooking", "Pot", "4.00", "4.00", "", 0, "1", "", "", "", 1};
const Image kitchenImage{"Cooking", "Kitchen", "", "", "", 0, "1", "", "+ Kitchen", "- Kitchen"};

} // namespace

TEST(DataFileWrite, AnEmptyListIsTheHeaderTheCategoriesAndOneEmptyLine)
{
    EXPECT_EQ(formatDataFile(defaultCategories(), {}),
              "Cairnly data file. Version 5.9\r\nSleeping\r\nTent\r\nClothes\r\nRain Gear\r\nMiscellaneous\r\n"
              "First Aid\r\nCooking\r\nBackpacks\r\n\r\n");
}

TEST(DataFileWrite, APlainItemIsItsImageAndTwoZeroCounts)
{
    auto r = itemRecord("Tent", "Fly", "12.50");
    setFieldText(r->notes, "green");
    r->checked = 1;
    setFieldText(r->multiplier, "2");
    setFieldText(r->weight, "25.00");
    const std::string image = std::string("Tent") + zeros(17) + "Fly" + zeros(38) + "12.50" + zeros(5) + "25.00" +
                              zeros(5) + "green" + zeros(46) + "\x01" + "2" + zeros(4) + zeros(10 + 43 + 43 + 2 + 4);
    ASSERT_EQ(image.size(), 241u);
    std::vector<std::unique_ptr<GearRecord>> rows;
    rows.push_back(std::move(r));
    EXPECT_EQ(format({"Tent"}, rows), header + "Tent\r\n\r\n" + image + count0 + count0);
}

TEST(DataFileWrite, AGroupIsWrittenCollapsedWithItsMembersInWalkOrder)
{
    std::vector<std::unique_ptr<GearRecord>> rows;
    rows.push_back(kitchenGroup());
    EXPECT_EQ(format({}, rows), header + "\r\n" + kitchenImage.top() + count2 + stoveImage.member() + count1 +
                                    "t-Stove\r\n" + potImage.member() + count1 + "t-Pot\r\n" + count0);
    EXPECT_EQ(rows[0]->expanded, 1); // only the file holds it collapsed
}

TEST(DataFileWrite, ColumnTextsAreWrittenInTheOrderTheyWereAdded)
{
    auto r = itemRecord("Tent", "Fly", "1");
    addText(*r, "first");
    addText(*r, "");
    addText(*r, std::string(50, 'x'));
    std::vector<std::unique_ptr<GearRecord>> rows;
    rows.push_back(std::move(r));
    const std::string image = Image{"Tent", "Fly", "1", "1"}.top();
    EXPECT_EQ(format({}, rows), header + "\r\n" + image + count0 + std::string("\3\0\0\0", 4) + "first\r\n\r\n" +
                                    std::string(50, 'x') + "\r\n");
}

TEST(DataFileWrite, ReplacesAnOldFileThatThenReadsBack)
{
    ScratchFolder folder;
    const fs::path file = folder.path() / "GearData.dat";
    std::ofstream(file) << "old";
    std::vector<std::unique_ptr<GearRecord>> rows;
    rows.push_back(itemRecord("Tent", "Fly", "1"));
    EXPECT_EQ(writeDataFile(file, {"Tent"}, {rows[0].get()}), std::nullopt);
    const std::string image = Image{"Tent", "Fly", "1", "1"}.top();
    EXPECT_EQ(readWholeFile(file).bytes(), header + "Tent\r\n\r\n" + image + count0 + count0);
    const DataFileContents c = readDataFile(file);
    EXPECT_EQ(c.outcome, DataFileContents::Outcome::Read);
    EXPECT_EQ(c.categories, std::vector<std::string>{"Tent"});
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(fieldText(c.records[0]->item), "Fly");
}

// Folder permissions and a file size limit are POSIX's; Windows' failures are in AtomicFileTest.cpp.
#ifndef _WIN32
TEST(DataFileWrite, AFailedWriteReportsTheSystemErrorAndKeepsTheOldFile)
{
    ScratchFolder folder;
    const fs::path file = folder.path() / "GearData.dat";
    std::ofstream(file) << "old";
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (access(folder.path().c_str(), W_OK) == 0)
        GTEST_SKIP() << permissionsDoNotBind;
    EXPECT_EQ(writeDataFile(file, {"Tent"}, {}), std::generic_category().message(EACCES));
    EXPECT_EQ(readWholeFile(file).bytes(), "old");
}

TEST(DataFileWrite, AReadOnlyFileIsRefusedAndKept)
{
    ScratchFolder folder;
    const fs::path file = folder.path() / "GearData.dat";
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read);
    if (access(file.c_str(), W_OK) == 0)
        GTEST_SKIP() << permissionsDoNotBind;
    EXPECT_EQ(writeDataFile(file, {"Tent"}, {}), std::generic_category().message(EACCES));
    EXPECT_EQ(readWholeFile(file).bytes(), "old");
}

TEST(DataFileWrite, AWriteCutShortByTheFileSizeLimitKeepsTheOldFile)
{
    ScratchFolder folder;
    const fs::path file = folder.path() / "GearData.dat";
    std::ofstream(file) << "old";
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = writeDataFile(file, defaultCategories(), {});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(error, std::generic_category().message(EFBIG));
    EXPECT_EQ(readWholeFile(file).bytes(), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1); // no temporary left
}
#endif

TEST(WholeFile, TellsAMissingFileFromOneThatCannotBeReadAndReadsOnPastItsStatedSize)
{
    ScratchFolder folder;
    const WholeFile missing = readWholeFile(folder / "none" / "GearData.dat");
    EXPECT_EQ(missing.status, WholeFile::Status::Missing);
    EXPECT_EQ(missing.error, "No such file or directory");
    const WholeFile directory = readWholeFile(folder.path());
    EXPECT_EQ(directory.status, WholeFile::Status::Unreadable);
    EXPECT_EQ(directory.error, folderReadText);
#ifndef _WIN32
    // A file of the proc file system says it is empty, yet holds the running program's name.
    const WholeFile status = readWholeFile("/proc/self/status");
    ASSERT_TRUE(status.read());
    EXPECT_EQ(status.bytes().rfind("Name:", 0), 0u);
    EXPECT_EQ(status.bytes().back(), '\n');
#endif
    if (!permissionsBind())
        GTEST_SKIP() << permissionsDoNotBind;
    folder.write("secret.dat", "x");
    fs::permissions(folder / "secret.dat", fs::perms::owner_write);
    const WholeFile secret = readWholeFile(folder / "secret.dat");
    EXPECT_EQ(secret.status, WholeFile::Status::Unreadable);
    EXPECT_EQ(secret.error, "Permission denied");
}

TEST(DataFileRead, AMissingFileGivesTheDefaultCategoriesAndAnUnreadableOneSaysSo)
{
    ScratchFolder folder;
    const DataFileContents c = readDataFile(folder.path() / "GearData.dat");
    EXPECT_EQ(c.outcome, DataFileContents::Outcome::Missing);
    EXPECT_EQ(c.categories, (std::vector<std::string>{"Sleeping", "Tent", "Clothes", "Rain Gear", "Miscellaneous",
                                                      "First Aid", "Cooking", "Backpacks"}));
    EXPECT_TRUE(c.records.empty());
    EXPECT_TRUE(c.messages.empty());

    const DataFileContents folderRead = readDataFile(folder.path());
    EXPECT_EQ(folderRead.outcome, DataFileContents::Outcome::Unreadable);
    EXPECT_EQ(folderRead.readError, folderReadText);
    EXPECT_EQ(folderRead.categories, defaultCategories());
    EXPECT_EQ(folderRead.messages,
              (std::vector<Message>{{folder.path().string(), "Unable to Open!", MessageIcon::Exclamation}}));
}

TEST(DataFileRead, RefusesAFileWithoutCairnlyAndAVersion3File)
{
    const DataFileContents foreign = parseDataFile("Gear data file. Version 5.9\r\nTent\r\n\r\n");
    EXPECT_EQ(foreign.outcome, DataFileContents::Outcome::Refused);
    EXPECT_EQ(foreign.messages,
              (std::vector<Message>{{"Not a Cairnly data file", "GearData.dat", MessageIcon::Error}}));
    EXPECT_TRUE(foreign.categories.empty());

    // "Cairnly" past the 54 characters looked at does not count.
    EXPECT_EQ(parseDataFile(std::string(54, ' ') + "Cairnly 5.9\r\n\r\n").outcome, DataFileContents::Outcome::Refused);
    EXPECT_EQ(parseDataFile("").outcome, DataFileContents::Outcome::Refused);

    const DataFileContents old = parseDataFile("Cairnly data file. Version 3.1\r\nTent\r\n\r\n");
    EXPECT_EQ(old.outcome, DataFileContents::Outcome::Refused);
    EXPECT_EQ(old.messages, (std::vector<Message>{{"Version 5 requires a GearData.dat file in version 4 or 5 format",
                                                   "Cairnly", MessageIcon::Error}}));
    EXPECT_TRUE(old.categories.empty());
    EXPECT_TRUE(old.records.empty());

    // Nothing carries over to the next read.
    const DataFileContents next = parseDataFile(header + "Tent\r\n\r\n" + Image{"Tent", "Fly"}.top() + count0 + count0);
    EXPECT_EQ(next.outcome, DataFileContents::Outcome::Read);
    EXPECT_EQ(next.format, DataFormat::Current);
    EXPECT_TRUE(next.messages.empty());
    EXPECT_EQ(next.records.size(), 1u);
}

TEST(DataFileRead, TheHeaderAloneDecidesTheFormat)
{
    auto formatOf = [](std::string firstLine) { return parseDataFile(firstLine + "\r\n\r\n").format; };
    EXPECT_EQ(formatOf("Cairnly data file. Version 5.7"), DataFormat::Current);
    EXPECT_EQ(formatOf("Cairnly 5.8"), DataFormat::Current);
    EXPECT_EQ(formatOf("Cairnly data file. Version 5"), DataFormat::Version5);
    EXPECT_EQ(formatOf("Cairnly data file. Version 5.2"), DataFormat::Version5);
    EXPECT_EQ(formatOf("Cairnly data file. Version 4"), DataFormat::Version4);
    EXPECT_EQ(formatOf("Cairnly data file"), DataFormat::Unversioned);
    // The rest of a long header line is skipped, and its 54 characters are all that count.
    const DataFileContents c = parseDataFile(std::string("Cairnly") + std::string(47, '.') + "5.9\r\nTent\r\n\r\n");
    EXPECT_EQ(c.format, DataFormat::Unversioned);
    EXPECT_EQ(c.categories, std::vector<std::string>{"Tent"});
}

TEST(DataFileRead, AGroupComesBackWithItsMembersReversedAndTextsInFileOrder)
{
    const std::string file = header + "Cooking\r\n\r\n" + kitchenImage.top() + count2 + stoveImage.member() + count1 +
                             "t-Stove\r\n" + potImage.member() + count2 + "a\r\nb\r\n" + count1 + "row\r\n";
    DataFileContents c = parseDataFile(file);
    ASSERT_EQ(c.records.size(), 1u);
    GearRecord& group = *c.records[0];
    ASSERT_TRUE(group.isGroup());
    EXPECT_EQ(walk(group), (std::vector<std::string>{"Pot", "Stove"}));
    EXPECT_EQ(texts(*group.members->get(1)), std::vector<std::string>{"t-Stove"});
    EXPECT_EQ(texts(*group.members->get(2)), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(group.members->get(1)->parent, &group);
    EXPECT_EQ(group.members->get(2)->isMember, 1);
    EXPECT_EQ(texts(group), std::vector<std::string>{"row"});
    EXPECT_EQ(group.parent, nullptr);
    EXPECT_EQ(c.groupNames, std::vector<std::string>{"Kitchen"});
}

TEST(DataFileRead, MemberOrderReversesAtEachWriteAndRead)
{
    std::vector<std::unique_ptr<GearRecord>> rows;
    rows.push_back(kitchenGroup());
    const std::string group = kitchenImage.top() + count2;
    const std::string stove = stoveImage.member() + count1 + "t-Stove\r\n";
    const std::string pot = potImage.member() + count1 + "t-Pot\r\n";

    const std::string first = format({}, rows);
    EXPECT_EQ(first, header + "\r\n" + group + stove + pot + count0);
    DataFileContents once = parseDataFile(first);
    const std::string second = format({}, once.records);
    EXPECT_EQ(second, header + "\r\n" + group + pot + stove + count0);
    EXPECT_EQ(format({}, parseDataFile(second).records), first);
}

TEST(DataFileRead, Version5MembersHaveNoTextsButRowsDo)
{
    const std::string file = "Cairnly data file. Version 5\r\nCooking\r\n\r\n" + kitchenImage.top() + count2 +
                             stoveImage.member() + potImage.member() + count1 + "row\r\n" + Image{"Tent", "Fly"}.top() +
                             count0 + count0;
    DataFileContents c = parseDataFile(file);
    EXPECT_EQ(c.format, DataFormat::Version5);
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(walk(*c.records[0]), (std::vector<std::string>{"Pot", "Stove"}));
    EXPECT_EQ(c.records[0]->members->get(1)->columnTexts, nullptr);
    EXPECT_EQ(texts(*c.records[0]), std::vector<std::string>{"row"});
    EXPECT_EQ(fieldText(c.records[1]->item), "Fly");
}

TEST(DataFileRead, Version4HasNoTextsAnywhere)
{
    const std::string file = "Cairnly data file. Version 4\r\nCooking\r\n\r\n" + kitchenImage.top() + count2 +
                             stoveImage.member() + potImage.member() + Image{"Tent", "Fly"}.top() + count0;
    DataFileContents c = parseDataFile(file);
    EXPECT_EQ(c.format, DataFormat::Version4);
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(walk(*c.records[0]), (std::vector<std::string>{"Pot", "Stove"}));
    EXPECT_EQ(c.records[0]->columnTexts, nullptr);
    EXPECT_EQ(fieldText(c.records[1]->item), "Fly");
    EXPECT_EQ(c.records[1]->columnTexts, nullptr);
}

TEST(DataFileRead, AnUnversionedFileIsConvertedRecordByRecord)
{
    const std::string old1 = field("Tent", 21) + field("Fly", 41) + field("12.5", 10) + field("note", 51) + "\x01";
    const std::string old2 = field("Cooking", 21) + field("Pot", 41) + field("4", 10) + field("", 51) + '\0';
    DataFileContents c = parseDataFile("Cairnly data file\r\nTent\r\nCooking\r\n\r\n" + old1 + old2 + "partial");
    EXPECT_EQ(c.format, DataFormat::Unversioned);
    EXPECT_EQ(c.categories, (std::vector<std::string>{"Tent", "Cooking"}));
    ASSERT_EQ(c.records.size(), 2u);
    const GearRecord& a = *c.records[0];
    EXPECT_EQ(fieldText(a.unitWeight), "12.5");
    EXPECT_EQ(fieldText(a.weight), "12.5");
    EXPECT_EQ(fieldText(a.multiplier), "1");
    EXPECT_EQ(fieldText(a.notes), "note");
    EXPECT_EQ(a.checked, 1);
    EXPECT_EQ(fieldText(c.records[1]->item), "Pot");
    EXPECT_EQ(c.records[1]->checked, 0);
}

TEST(DataFileRead, LinesAreCutToTheirFieldAndTheirLineEndsAreOptional)
{
    const std::string fifty(50, 'c');
    const std::string file = header + std::string(25, 'k') + "\r\nLF only\nDup\r\nDup\r\n\r\n" +
                             Image{"Tent", "Fly"}.top() + count0 + std::string("\4\0\0\0", 4) + fifty + "\r\n" + fifty +
                             "xyz\r\n" + std::string("nul\0after\r\n", 11) + "last, no line end";
    DataFileContents c = parseDataFile(file);
    EXPECT_EQ(c.categories, (std::vector<std::string>{std::string(20, 'k'), "LF only", "Dup", "Dup"}));
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(texts(*c.records[0]), (std::vector<std::string>{fifty, fifty, "nul", "last, no line end"}));
}

TEST(DataFileRead, CategoriesEndAtALineBeginningWithCrOrAtTheEnd)
{
    EXPECT_EQ(parseDataFile(header + "Tent\r\n\rjunk\r\n").categories, std::vector<std::string>{"Tent"});
    EXPECT_EQ(parseDataFile(header + "Tent\r\nCooking").categories, (std::vector<std::string>{"Tent", "Cooking"}));
    EXPECT_TRUE(parseDataFile(header).categories.empty());
    // A NUL ends a text, so a line beginning with one is empty.
    EXPECT_EQ(parseDataFile(header + "Tent\r\n" + std::string("\0Pole\r\n", 7)).categories,
              std::vector<std::string>{"Tent"});
}

TEST(DataFileRead, ANegativeCountEndsReadingAndKeepsWhatCameBefore)
{
    const std::string fly = Image{"Tent", "Fly"}.top() + count0 + count0;
    const std::string rest = Image{"Tent", "Pole"}.top() + count0 + count0;
    for (const std::string& damaged :
         {kitchenImage.top() + countMinus1,                                          // member count
          kitchenImage.top() + count1 + stoveImage.member() + countMinus1 + "x\r\n", // member text count
          Image{"Tent", "Peg"}.top() + count0 + countMinus1 + "x\r\n"}) {            // row text count
        DataFileContents c = parseDataFile(header + "\r\n" + fly + damaged + rest);
        EXPECT_EQ(c.outcome, DataFileContents::Outcome::Read);
        ASSERT_EQ(c.records.size(), 1u);
        EXPECT_EQ(fieldText(c.records[0]->item), "Fly");
        EXPECT_TRUE(c.groupNames.empty());
    }
}

TEST(DataFileRead, AHugeCountReadsWhatTheFileHolds)
{
    DataFileContents c =
        parseDataFile(header + "\r\n" + kitchenImage.top() + countHuge + stoveImage.member() + count0 + count0);
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(walk(*c.records[0]), std::vector<std::string>{"Stove"});

    c = parseDataFile(header + "\r\n" + Image{"Tent", "Fly"}.top() + count0 + countHuge + "a\r\nb\r\n");
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(texts(*c.records[0]), (std::vector<std::string>{"a", "b"}));
}

TEST(DataFileRead, ARecordCutShortIsDroppedAndAMemberCutShortToo)
{
    const std::string fly = Image{"Tent", "Fly"}.top() + count0 + count0;
    DataFileContents c = parseDataFile(header + "\r\n" + fly + Image{"Tent", "Pole"}.top().substr(0, 240));
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(fieldText(c.records[0]->item), "Fly");

    c = parseDataFile(header + "\r\n" + kitchenImage.top() + count2 + stoveImage.member() + count0 +
                      potImage.member().substr(0, 248));
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(walk(*c.records[0]), std::vector<std::string>{"Stove"});
    EXPECT_EQ(c.groupNames, std::vector<std::string>{"Kitchen"});

    // A count cut off by the end reads as 0: the record stands.
    c = parseDataFile(header + "\r\n" + fly + Image{"Tent", "Pole"}.top() + std::string("\0\0", 2));
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(fieldText(c.records[1]->item), "Pole");
}

TEST(DataFileRead, SaysWhetherReadingStoppedAtDamage)
{
    const std::string fly = Image{"Tent", "Fly"}.top() + count0 + count0;
    const std::string pole = Image{"Tent", "Pole"}.top();
    const std::string unversioned = field("Tent", 21) + field("Fly", 41) + field("1", 10) + field("", 51) + '\0';
    const struct
    {
        std::string body; // after the header and an empty category list
        bool damaged;
        std::size_t rows;
    } cases[] = {
        {"", false, 0},
        {fly + fly, false, 2},
        {fly + pole + count0 + count1 + "last line without its line end", false, 2},
        {kitchenImage.top() + count2 + stoveImage.member() + count0 + potImage.member() + count0 + count0, false, 1},
        {fly + pole.substr(0, 240), true, 1},                                            // a record cut short
        {fly + pole + std::string("\0\0", 2), true, 2},                                  // a member count cut short
        {fly + pole + countMinus1, true, 1},                                             // a negative member count
        {fly + kitchenImage.top() + count2 + stoveImage.member() + count0, true, 2},     // a member missing
        {fly + kitchenImage.top() + count1 + potImage.member().substr(0, 200), true, 2}, // a member cut short
        {fly + kitchenImage.top() + countHuge + stoveImage.member() + count0 + count0, true, 2}, // a huge count
        {fly + pole + count0 + countMinus1 + "x\r\n", true, 1},  // a negative text count
        {fly + pole + count0 + std::string("\1\0", 2), true, 2}, // a text count cut short
        {fly + pole + count0 + count2 + "one\r\n", true, 2},     // a text line missing
    };
    for (const auto& c : cases) {
        const DataFileContents read = parseDataFile(header + "\r\n" + c.body);
        EXPECT_EQ(read.damaged, c.damaged) << c.body.size() << " bytes";
        EXPECT_EQ(read.records.size(), c.rows) << c.body.size() << " bytes";
    }
    EXPECT_FALSE(parseDataFile("Cairnly data file\r\n\r\n" + unversioned + unversioned).damaged);
    const DataFileContents cut = parseDataFile("Cairnly data file\r\n\r\n" + unversioned + unversioned.substr(0, 100));
    EXPECT_TRUE(cut.damaged);
    EXPECT_EQ(cut.records.size(), 1u);
}
