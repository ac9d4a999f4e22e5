#include "DataFileBytes.h"
#include "GearRowsSupport.h"
#include "SystemTexts.h"

#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsStore.h"

using namespace cairnly;
using namespace cairnly::testing;
using cairnly::test::count0;
using cairnly::test::count1;
using cairnly::test::count2;
using cairnly::test::header;
using cairnly::test::Image;
using cairnly::test::itemImage;
using cairnly::test::sortedCategoryLines;

class RowsFilesTest : public RowsTest
{
protected:
    void SetUp() override
    {
        RowsTest::SetUp();
        rows->loadWorkingFile(); // none there: the default categories
    }
};

TEST_F(RowsFilesTest, WriteRecordsTheCurrentFileThenTheSettingsThenTheList)
{
    add("Tent", "Fly", "12");
    rows->setChecked(0, true);
    ASSERT_TRUE(rows->write().messages.empty());
    EXPECT_EQ(folder.read("Cairnly.ini"), "[LASTFILE]\r\nFILE=" + (folder / "GearData.dat").string() + "\r\n");
    EXPECT_EQ(ProfileFile::load(folder / "GearData.ini").readString("MISC", "OZ"), "0000");
    EXPECT_EQ(folder.read("GearData.dat"),
              header + sortedCategoryLines + itemImage("Tent", "Fly", "12", 1).top() + count0 + count0);
}

TEST_F(RowsFilesTest, AFailedWriteIsReportedAfterTheFirstTwoStepsAreDone)
{
    add("Tent", "Fly", "12");
    std::filesystem::create_directory(folder / "GearData.dat"); // cannot be replaced by a file
    const WriteReport report = rows->write();
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].caption, "Error");
    EXPECT_EQ(report.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(saysWith(report.messages[0].text, "%s", folderInTheWayTexts)) << report.messages[0].text;
    EXPECT_TRUE(report.failed);
    EXPECT_FALSE(report.listWritten);
    EXPECT_NE(folder.read("Cairnly.ini"), "<missing>");
    EXPECT_NE(folder.read("GearData.ini"), "<missing>");
}

TEST_F(RowsFilesTest, AnExpandedGroupIsWrittenOnceAndStaysExpanded)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    group("Stove", "Pot", "Kitchen");
    rows->toggleGroup(0);
    ASSERT_TRUE(rows->write().messages.empty());
    Image kitchen;
    kitchen.category = "Cooking";
    kitchen.item = "Kitchen";
    kitchen.groupWeight = "12.00";
    kitchen.collapsedLabel = "+ Kitchen";
    kitchen.expandedLabel = "- Kitchen";
    Image pot = itemImage("Cooking", "Pot", "5");
    Image stove = itemImage("Cooking", "Stove", "7");
    pot.isMember = stove.isMember = 1;
    EXPECT_EQ(folder.read("GearData.dat"), header + sortedCategoryLines + kitchen.top() + count2 + pot.member() +
                                               count0 + stove.member() + count0 + count0);
    EXPECT_EQ(table(), (Lines{"G - Cooking|- Kitchen|12.00|", "M x |Pot|5.00|", "M x |Stove|7.00|"}));
}

TEST_F(RowsFilesTest, AListComesBackInCategoryOrderWithGroupsCollapsedAndMembersReversed)
{
    add("Tent", "Fly", "12");
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    group("Stove", "Pot", "Kitchen");
    rows->setChecked(rowOf("+ Kitchen"), true);
    rows->toggleGroup(0);
    rows->sortByColumn(2);
    ASSERT_TRUE(rows->write().messages.empty());

    makeRows(Settings{});
    rows->loadWorkingFile();
    EXPECT_EQ(table(), (Lines{"G x Cooking|+ Kitchen|12.00|", "I - Tent|Fly|12.00|"}));
    EXPECT_EQ(rows->totalLine(), "12.00 oz. (0.75 lbs)");
    EXPECT_EQ(rows->groupNames(), (std::vector<std::string>{"Kitchen"}));
    rows->toggleGroup(0);
    EXPECT_EQ(table(),
              (Lines{"G x Cooking|- Kitchen|12.00|", "M x |Stove|7.00|", "M x |Pot|5.00|", "I - Tent|Fly|12.00|"}));
}

TEST_F(RowsFilesTest, HidingNonSelectedItemsShowsOnlyTheTickedRowsAndRefusesChanges)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    rows->setChecked(0, true);
    EXPECT_EQ(rows->setHideNonSelected(true), std::vector<Message>{});
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|"}));
    EXPECT_STREQ(rows->hideNonSelectedMenuText(), "Show &Non-Selected");

    const Message refusal{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list",
                          "Important!", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(rows->setChecked(0, false), refusal);
    EXPECT_TRUE(rows->isChecked(0));
    ItemEntry entry;
    entry.item = "New";
    EXPECT_EQ(rows->addItem(entry, AddSource::Command), refusal);
    EXPECT_EQ(rows->deleteQuestion({0}), refusal);
    EXPECT_EQ(std::get<Message>(rows->modifySetup({0})), refusal);
    EXPECT_EQ(rows->clearSelected(), refusal);
    EXPECT_EQ(rows->saveRefusal()->text, "Please uncheck the \"Hide Non-Selected Items\" checkbox before saving");
    EXPECT_EQ(rows->closeRefusal()->text, "Please uncheck the \"Hide Non-Selected Items\" checkbox before closing");
    EXPECT_EQ(rows->openFile(folder / "GearData.dat").front().text,
              "Please uncheck the \"Hide Non-Selected Items\" checkbox before opening a file");
    EXPECT_EQ(rows->convert()->text, "Please uncheck the \"Hide Non-Selected Items\" checkbox before converting");
    EXPECT_TRUE(rows->buttons().hideNonSelected);

    EXPECT_EQ(rows->setHideNonSelected(false), std::vector<Message>{});
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|", "I - |Pegs|3.00|"}));
    EXPECT_EQ(rows->closeRefusal(), std::nullopt);
}

TEST_F(RowsFilesTest, HidingSelectedItemsShowsTheOthersAndBothModesTogetherShowNothing)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    rows->setChecked(0, true);
    rows->setHideSelected(true);
    EXPECT_EQ(table(), (Lines{"I - Tent|Pegs|3.00|"}));
    EXPECT_STREQ(rows->hideSelectedMenuText(), "S&how Selected");
    EXPECT_TRUE(rows->menuStates(0).hideSelected);
    EXPECT_EQ(rows->saveRefusal()->text, "Please select the \"Show Selected\" menu item before saving");
    EXPECT_EQ(rows->setChecked(0, true)->text,
              "Please select the \"Show Selected\" menu item before changing the list");
    rows->setHideNonSelected(true);
    EXPECT_EQ(table(), Lines{});
    rows->setHideSelected(false);
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|"}));
    rows->setHideNonSelected(false);
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|", "I - |Pegs|3.00|"}));
}

TEST_F(RowsFilesTest, CategoryAndColumnChangesAreRefusedWhileAModeHidesRows)
{
    rows->addColumn("Where", FormatLeft);
    add("Tent", "Fly", "12", "1", {"pack"});
    rows->setChecked(0, true);
    rows->setHideNonSelected(true);
    const std::vector<std::string> categories = rows->categories();
    const ColumnLayout columns = rows->columns();
    const Message refusal{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list",
                          "Important!", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(rows->setCategories({"Cooking"}), refusal);
    EXPECT_EQ(rows->renameCategory("Tent", "Shelter"), refusal);
    EXPECT_EQ(rows->addColumnRefusal(), refusal);
    EXPECT_EQ(rows->addColumn("Why", FormatLeft), refusal);
    EXPECT_EQ(rows->deleteColumns({0}), refusal);
    EXPECT_EQ(rows->modifyColumn(0, "Pocket", FormatRight), refusal);
    EXPECT_EQ(rows->categories(), categories);
    EXPECT_EQ(rows->columns(), columns);
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00||pack"}));
    rows->setHideNonSelected(false);
    EXPECT_EQ(rows->addColumnRefusal(), std::nullopt);
}

TEST_F(RowsFilesTest, AnEmptyCategoryNameIsNeverListedSoTheFileReadsBack)
{
    add("Tent", "Fly", "12");
    EXPECT_EQ(rows->setCategories({"Tent", "", "Cooking"}), std::nullopt);
    EXPECT_EQ(rows->renameCategory("Tent", ""), std::nullopt);
    ASSERT_TRUE(rows->write().messages.empty());
    EXPECT_EQ(folder.read("GearData.dat"),
              header + "Tent\r\nCooking\r\n\r\n" + itemImage("Tent", "Fly", "12").top() + count0 + count0);
    EXPECT_EQ(rows->loadWorkingFile(), std::vector<Message>{});
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));
}

TEST_F(RowsFilesTest, AModeThatCannotWriteTheWorkingFileStaysOff)
{
    add("Tent", "Fly", "12");
    rows->setChecked(0, true);
    std::filesystem::create_directory(folder / "GearData.dat");
    const auto messages = rows->setHideNonSelected(true);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().caption, "Error");
    EXPECT_FALSE(rows->hideNonSelected());
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|"}));
}

TEST_F(RowsFilesTest, OpeningAFileThatIsMissingOrRefusedChangesNothing)
{
    add("Tent", "Fly", "12");
    const auto missing = rows->openFile(folder / "nowhere.dat");
    EXPECT_EQ(missing, (std::vector<Message>{{(folder / "nowhere.dat").string(), "File Does Not Exist!",
                                              MessageIcon::Exclamation, MessageButtons::Ok}}));
    folder.write("notes.txt", "Shopping list\r\nbread\r\n");
    const auto refused = rows->openFile(folder / "notes.txt");
    EXPECT_EQ(refused, (std::vector<Message>{{"Not a Cairnly data file", "GearData.dat", MessageIcon::Error}}));
    folder.write("old.dat", "Cairnly data file. Version 3\r\n");
    EXPECT_EQ(rows->openFile(folder / "old.dat").front().text,
              "Version 5 requires a GearData.dat file in version 4 or 5 format");
    EXPECT_EQ(rows->currentDataFile(), folder / "GearData.dat");
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));
}

TEST_F(RowsFilesTest, OpeningAFileTakesItsSettingsUnitsColumnsAndGroups)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    group("Stove", "Pot", "Kitchen");

    Settings metric;
    metric.metric = true;
    metric.userColumns = {UserColumn{"Where", FormatRight, 4}};
    metric.columnWidths[4] = 77;
    ASSERT_EQ(saveSettings(folder / "trip.ini", metric), std::nullopt);
    Image fly = itemImage("Tent", "Fly", "340", 1);
    folder.write("trip.dat", header + "Tent\r\n\r\n" + fly.top() + count0 + count1 + "pack\r\n");

    EXPECT_EQ(rows->openFile(folder / "trip.dat"), std::vector<Message>{});
    EXPECT_EQ(rows->currentDataFile(), folder / "trip.dat");
    EXPECT_EQ(rows->settingsFile(), folder / "trip.ini");
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|340.00||pack"}));
    EXPECT_EQ(rows->columns().columns[2].heading, "Weight (gm)");
    EXPECT_EQ(rows->columns().columns[4], (ListColumn{"Where", FormatRight, 77}));
    EXPECT_EQ(rows->totalLine(), "340.00 gm. (0.34 kg)");
    EXPECT_EQ(rows->categories(), (std::vector<std::string>{"Tent"}));
    EXPECT_TRUE(rows->groupNames().empty()); // the groups of the list before are gone
}

TEST_F(RowsFilesTest, SaveAsWritesTheNewFileAndReadsItBack)
{
    add("Tent", "Fly", "12");
    EXPECT_EQ(rows->saveAs(folder / "copy.dat"), std::vector<Message>{});
    EXPECT_EQ(rows->currentDataFile(), folder / "copy.dat");
    EXPECT_EQ(rows->settingsFile(), folder / "copy.ini");
    EXPECT_EQ(folder.read("copy.dat"),
              header + sortedCategoryLines + itemImage("Tent", "Fly", "12").top() + count0 + count0);
    EXPECT_NE(folder.read("copy.ini"), "<missing>");
    EXPECT_EQ(folder.read("Cairnly.ini"), "[LASTFILE]\r\nFILE=" + (folder / "copy.dat").string() + "\r\n");
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));
}

TEST_F(RowsFilesTest, ASaveAsThatFailsLeavesTheListAndTheCurrentFile)
{
    add("Tent", "Fly", "12");
    std::filesystem::create_directory(folder / "taken.dat");
    const auto messages = rows->saveAs(folder / "taken.dat");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().caption, "Error");
    EXPECT_EQ(rows->currentDataFile(), folder / "GearData.dat");
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));
}
