#include "DataFileBytes.h"
#include "ListSupport.h"
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

class DocumentFilesTest : public ListTest
{
protected:
    void SetUp() override
    {
        ListTest::SetUp();
        document->loadWorkingFile(); // none there: the default categories
    }
};

TEST_F(DocumentFilesTest, WriteRecordsTheCurrentFileThenTheSettingsThenTheList)
{
    add("Tent", "Fly", "12");
    list->setChecked(0, true);
    ASSERT_TRUE(document->write().messages.empty());
    EXPECT_EQ(folder.read("Cairnly.ini"), "[LASTFILE]\r\nFILE=" + (folder / "GearData.dat").string() + "\r\n");
    EXPECT_EQ(ProfileFile::load(folder / "GearData.ini").readString("MISC", "OZ"), "0000");
    EXPECT_EQ(folder.read("GearData.dat"),
              header + sortedCategoryLines + itemImage("Tent", "Fly", "12", 1).top() + count0 + count0);
}

TEST_F(DocumentFilesTest, AFailedWriteIsReportedAfterTheFirstTwoStepsAreDone)
{
    add("Tent", "Fly", "12");
    std::filesystem::create_directory(folder / "GearData.dat"); // cannot be replaced by a file
    const WriteReport report = document->write();
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].caption, "Error");
    EXPECT_EQ(report.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(saysWith(report.messages[0].text, "%s", folderInTheWayTexts)) << report.messages[0].text;
    EXPECT_TRUE(report.failed);
    EXPECT_FALSE(report.listWritten);
    EXPECT_NE(folder.read("Cairnly.ini"), "<missing>");
    EXPECT_NE(folder.read("GearData.ini"), "<missing>");
}

TEST_F(DocumentFilesTest, AnExpandedGroupIsWrittenOnceAndStaysExpanded)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    group("Stove", "Pot", "Kitchen");
    list->toggleGroup(0);
    ASSERT_TRUE(document->write().messages.empty());
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

TEST_F(DocumentFilesTest, AListComesBackInCategoryOrderWithGroupsCollapsedAndMembersReversed)
{
    add("Tent", "Fly", "12");
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    group("Stove", "Pot", "Kitchen");
    list->setChecked(rowOf("+ Kitchen"), true);
    list->toggleGroup(0);
    list->sortByColumn(2);
    ASSERT_TRUE(document->write().messages.empty());

    makeDocument(Settings{});
    document->loadWorkingFile();
    EXPECT_EQ(table(), (Lines{"G x Cooking|+ Kitchen|12.00|", "I - Tent|Fly|12.00|"}));
    EXPECT_EQ(list->totalLine(), "12.00 oz. (0.75 lbs)");
    EXPECT_EQ(list->groupNames(), (std::vector<std::string>{"Kitchen"}));
    list->toggleGroup(0);
    EXPECT_EQ(table(),
              (Lines{"G x Cooking|- Kitchen|12.00|", "M x |Stove|7.00|", "M x |Pot|5.00|", "I - Tent|Fly|12.00|"}));
}

TEST_F(DocumentFilesTest, HidingNonSelectedItemsShowsOnlyTheTickedRowsAndRefusesChanges)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    list->setChecked(0, true);
    EXPECT_EQ(document->setHideNonSelected(true), std::vector<Message>{});
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|"}));
    EXPECT_STREQ(controlStates(*list, 0).hideNonSelectedText, "Show &Non-Selected");

    const Message refusal{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list",
                          "Important!", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(list->setChecked(0, false), refusal);
    EXPECT_TRUE(list->isChecked(0));
    ItemEntry entry;
    entry.item = "New";
    EXPECT_EQ(list->addItem(entry, AddSource::Command), refusal);
    EXPECT_EQ(list->deleteQuestion({0}), refusal);
    EXPECT_EQ(std::get<Message>(list->modifySetup({0})), refusal);
    EXPECT_EQ(list->clearSelected(), refusal);
    EXPECT_EQ(document->saveRefusal()->text, "Please uncheck the \"Hide Non-Selected Items\" checkbox before saving");
    EXPECT_EQ(document->closeRefusal()->text, "Please uncheck the \"Hide Non-Selected Items\" checkbox before closing");
    EXPECT_EQ(document->openFile(folder / "GearData.dat").front().text,
              "Please uncheck the \"Hide Non-Selected Items\" checkbox before opening a file");
    EXPECT_EQ(list->convert()->text, "Please uncheck the \"Hide Non-Selected Items\" checkbox before converting");
    EXPECT_TRUE(buttons().hideNonSelected);

    EXPECT_EQ(document->setHideNonSelected(false), std::vector<Message>{});
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|", "I - |Pegs|3.00|"}));
    EXPECT_EQ(document->closeRefusal(), std::nullopt);
}

TEST_F(DocumentFilesTest, HidingSelectedItemsShowsTheOthersAndBothModesTogetherShowNothing)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    list->setChecked(0, true);
    document->setHideSelected(true);
    EXPECT_EQ(table(), (Lines{"I - Tent|Pegs|3.00|"}));
    EXPECT_STREQ(controlStates(*list, 0).hideSelectedText, "S&how Selected");
    EXPECT_TRUE(menuStates(0).hideSelected);
    EXPECT_EQ(document->saveRefusal()->text, "Please select the \"Show Selected\" menu item before saving");
    EXPECT_EQ(list->setChecked(0, true)->text,
              "Please select the \"Show Selected\" menu item before changing the list");
    document->setHideNonSelected(true);
    EXPECT_EQ(table(), Lines{});
    document->setHideSelected(false);
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|"}));
    document->setHideNonSelected(false);
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|", "I - |Pegs|3.00|"}));
}

TEST_F(DocumentFilesTest, CategoryAndColumnChangesAreRefusedWhileAModeHidesRows)
{
    list->addColumn("Where", FormatLeft);
    add("Tent", "Fly", "12", "1", {"pack"});
    list->setChecked(0, true);
    document->setHideNonSelected(true);
    const std::vector<std::string> categories = list->categories();
    const ColumnLayout columns = list->columns();
    const Message refusal{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list",
                          "Important!", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(list->setCategories({"Cooking"}), refusal);
    EXPECT_EQ(list->renameCategory("Tent", "Shelter"), refusal);
    EXPECT_EQ(list->addColumnRefusal(), refusal);
    EXPECT_EQ(list->addColumn("Why", FormatLeft), refusal);
    EXPECT_EQ(list->deleteColumns({0}), refusal);
    EXPECT_EQ(list->modifyColumn(0, "Pocket", FormatRight), refusal);
    EXPECT_EQ(list->categories(), categories);
    EXPECT_EQ(list->columns(), columns);
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00||pack"}));
    document->setHideNonSelected(false);
    EXPECT_EQ(list->addColumnRefusal(), std::nullopt);
}

TEST_F(DocumentFilesTest, AnEmptyCategoryNameIsNeverListedSoTheFileReadsBack)
{
    add("Tent", "Fly", "12");
    EXPECT_EQ(list->setCategories({"Tent", "", "Cooking"}), std::nullopt);
    EXPECT_EQ(list->renameCategory("Tent", ""), std::nullopt);
    ASSERT_TRUE(document->write().messages.empty());
    EXPECT_EQ(folder.read("GearData.dat"),
              header + "Tent\r\nCooking\r\n\r\n" + itemImage("Tent", "Fly", "12").top() + count0 + count0);
    EXPECT_EQ(document->loadWorkingFile(), std::vector<Message>{});
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));
}

TEST_F(DocumentFilesTest, AModeThatCannotWriteTheWorkingFileStaysOff)
{
    add("Tent", "Fly", "12");
    list->setChecked(0, true);
    std::filesystem::create_directory(folder / "GearData.dat");
    const auto messages = document->setHideNonSelected(true);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().caption, "Error");
    EXPECT_FALSE(document->hideNonSelected());
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|12.00|"}));
}

TEST_F(DocumentFilesTest, OpeningAFileThatIsMissingOrRefusedChangesNothing)
{
    add("Tent", "Fly", "12");
    const auto missing = document->openFile(folder / "nowhere.dat");
    EXPECT_EQ(missing, (std::vector<Message>{{(folder / "nowhere.dat").string(), "File Does Not Exist!",
                                              MessageIcon::Exclamation, MessageButtons::Ok}}));
    folder.write("notes.txt", "Shopping list\r\nbread\r\n");
    const auto refused = document->openFile(folder / "notes.txt");
    EXPECT_EQ(refused, (std::vector<Message>{{"Not a Cairnly data file", "GearData.dat", MessageIcon::Error}}));
    folder.write("old.dat", "Cairnly data file. Version 3\r\n");
    EXPECT_EQ(document->openFile(folder / "old.dat").front().text,
              "Version 5 requires a GearData.dat file in version 4 or 5 format");
    EXPECT_EQ(document->currentDataFile(), folder / "GearData.dat");
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));
}

TEST_F(DocumentFilesTest, OpeningAFileTakesItsSettingsUnitsColumnsAndGroups)
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

    EXPECT_EQ(document->openFile(folder / "trip.dat"), std::vector<Message>{});
    EXPECT_EQ(document->currentDataFile(), folder / "trip.dat");
    EXPECT_EQ(document->settingsFile(), folder / "trip.ini");
    EXPECT_EQ(table(), (Lines{"I x Tent|Fly|340.00||pack"}));
    EXPECT_EQ(list->columns().columns[2].heading, "Weight (gm)");
    EXPECT_EQ(list->columns().columns[4], (ListColumn{"Where", FormatRight, 77}));
    EXPECT_EQ(list->totalLine(), "340.00 gm. (0.34 kg)");
    EXPECT_EQ(list->categories(), (std::vector<std::string>{"Tent"}));
    EXPECT_TRUE(list->groupNames().empty()); // the groups of the list before are gone
}

TEST_F(DocumentFilesTest, SaveAsWritesTheNewFileAndReadsItBack)
{
    add("Tent", "Fly", "12");
    EXPECT_EQ(document->saveAs(folder / "copy.dat"), std::vector<Message>{});
    EXPECT_EQ(document->currentDataFile(), folder / "copy.dat");
    EXPECT_EQ(document->settingsFile(), folder / "copy.ini");
    EXPECT_EQ(folder.read("copy.dat"),
              header + sortedCategoryLines + itemImage("Tent", "Fly", "12").top() + count0 + count0);
    EXPECT_NE(folder.read("copy.ini"), "<missing>");
    EXPECT_EQ(folder.read("Cairnly.ini"), "[LASTFILE]\r\nFILE=" + (folder / "copy.dat").string() + "\r\n");
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));
}

TEST_F(DocumentFilesTest, ASaveAsThatFailsLeavesTheListAndTheCurrentFile)
{
    add("Tent", "Fly", "12");
    std::filesystem::create_directory(folder / "taken.dat");
    const auto messages = document->saveAs(folder / "taken.dat");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.front().caption, "Error");
    EXPECT_EQ(document->currentDataFile(), folder / "GearData.dat");
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));
}
