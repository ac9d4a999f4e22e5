#include "GearRowsSupport.h"

#include "core/files/DataFile.h"

#include <filesystem>

using namespace cairnly;
using namespace cairnly::testing;

// --- Rows, category blocks and insertion ----------------------------------------------------------

TEST_F(RowsTest, RowsStandInCategoryBlocksShowingEachCategoryOnce)
{
    add("Tent", "Fly", "12");
    add("Tent", "Body", "30");
    add("Cooking", "Stove", "3.5");
    add("Tent", "Poles", "9");
    add("Cooking", "Pot", "6", "2");
    EXPECT_EQ(table(), (Lines{"I - Cooking|Pot|12.00|", "I - |Stove|3.50|", "I - Tent|Body|30.00|", "I - |Fly|12.00|",
                              "I - |Poles|9.00|"}));
}

TEST_F(RowsTest, CategoriesAndItemsCompareWithoutRegardToCaseAndTheNewestEqualItemComesFirst)
{
    add("tent", "fly", "1");
    add("Tent", "Fly", "2");
    add("TENT", "Awning", "3");
    add("\xC9t\xE9", "x", "4"); // Windows-1252 "Ete" with accents sorts after the ASCII letters
    EXPECT_EQ(table(), (Lines{"I - TENT|Awning|3.00|", "I - |Fly|2.00|", "I - |fly|1.00|", "I - \xC9t\xE9|x|4.00|"}));
}

TEST_F(RowsTest, AnInsertedItemNeverLandsBetweenAGroupAndItsMemberRows)
{
    add("Tent", "A", "1");
    add("Tent", "B", "2");
    add("Tent", "C", "3");
    group("C", "B", "Bag");
    rows->toggleGroup(rowOf("+ Bag"));
    add("Tent", "Zip", "4");
    add("Tents", "Extra", "5");
    EXPECT_EQ(table(), (Lines{"I - Tent|A|1.00|", "G - |- Bag|5.00|", "M x |B|2.00|", "M x |C|3.00|", "I - |Zip|4.00|",
                              "I - Tents|Extra|5.00|"}));
    rows->toggleGroup(rowOf("- Bag"));
    EXPECT_EQ(table(), (Lines{"I - Tent|A|1.00|", "G - |+ Bag|5.00|", "I - |Zip|4.00|", "I - Tents|Extra|5.00|"}));
}

TEST_F(RowsTest, CellsTakeTheAlternateColourOnEvenRowsAndTheGroupColourInTheItemColumn)
{
    add("Tent", "A", "1");
    add("Tent", "B", "2");
    add("Tent", "C", "3");
    group("C", "B", "Bag");
    rows->toggleGroup(rowOf("+ Bag"));
    const Settings& s = rows->settings();
    EXPECT_EQ(rows->cellColor(0, 1), s.altColor);
    EXPECT_EQ(rows->cellColor(1, 0), s.backColor);
    EXPECT_EQ(rows->cellColor(1, 1), s.groupColor);
    EXPECT_EQ(rows->cellColor(2, 1), s.groupColor);
    EXPECT_EQ(rows->cellColor(2, 2), s.altColor);
}

// --- Ticks and the total --------------------------------------------------------------------------

TEST_F(RowsTest, TickingAnItemShowsItsWeightInTheTotalLine)
{
    add("Tent", "Tent", "12.50");
    EXPECT_EQ(rows->totalLine(), "0.00 oz. (0.00 lbs)");
    EXPECT_FALSE(rows->buttons().clearSelected);
    EXPECT_EQ(rows->setChecked(0, true), std::nullopt);
    EXPECT_EQ(rows->totalLine(), "12.50 oz. (0.78 lbs)");
    EXPECT_TRUE(rows->buttons().clearSelected);
    EXPECT_TRUE(rows->buttons().hideNonSelected);
    rows->setChecked(0, false);
    EXPECT_EQ(rows->totalLine(), "0.00 oz. (0.00 lbs)");
    EXPECT_EQ(rows->selectedTotal(), 0.0f);
    EXPECT_FALSE(rows->buttons().clearSelected);
    EXPECT_FALSE(rows->buttons().hideNonSelected);
}

TEST_F(RowsTest, AGroupRowCountsItsMembersWhileMemberRowsCountNothing)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Tent", "Fly", "1");
    group("Stove", "Pot", "Kitchen");
    rows->setChecked(rowOf("+ Kitchen"), true);
    EXPECT_EQ(rows->selectedTotal(), 12.0f);
    rows->toggleGroup(rowOf("+ Kitchen"));
    rows->setChecked(rowOf("Pot"), false);
    EXPECT_TRUE(rows->isChecked(rowOf("Pot")));
    EXPECT_EQ(rows->selectedTotal(), 12.0f);
    EXPECT_EQ(rows->selectAll(), std::nullopt);
    EXPECT_EQ(rows->totalLine(), "13.00 oz. (0.81 lbs)");
    EXPECT_EQ(rows->clearSelected(), std::nullopt);
    EXPECT_EQ(rows->selectedTotal(), 0.0f);
    EXPECT_EQ(table(),
              (Lines{"G - Cooking|- Kitchen|12.00|", "M x |Pot|5.00|", "M x |Stove|7.00|", "I - Tent|Fly|1.00|"}));
}

TEST_F(RowsTest, ATinyTotalCountsAsNothingTicked)
{
    GearRecord dust;
    setFieldText(dust.category, "Misc");
    setFieldText(dust.item, "Dust");
    setFieldText(dust.weight, "0.000001");
    folder.write("GearData.dat", formatDataFile({"Misc"}, {&dust}));
    rows->loadWorkingFile();
    rows->setChecked(0, true);
    EXPECT_EQ(rows->selectedTotal(), 0.000001f);
    EXPECT_FALSE(rows->buttons().clearSelected);
    EXPECT_FALSE(rows->buttons().hideNonSelected);
}

// --- Groups ---------------------------------------------------------------------------------------

TEST_F(RowsTest, DroppingAnItemOnAnotherAsksForAGroupAndShowsTheTargetFirst)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(rows->dropOnRow(0, 0)));
    const DropReply reply = rows->dropOnRow(rowOf("Stove"), rowOf("Pot"));
    ASSERT_TRUE(std::holds_alternative<CreateGroupRequest>(reply));
    EXPECT_EQ(std::get<CreateGroupRequest>(reply).draggedItem, "Stove");
    EXPECT_EQ(std::get<CreateGroupRequest>(reply).targetItem, "Pot");
    EXPECT_EQ(rows->rowCount(), 2); // nothing happens until the dialog's OK

    const int row = rows->createGroup(rowOf("Stove"), rowOf("Pot"), "Kitchen", "all of it");
    EXPECT_EQ(row, 0);
    EXPECT_EQ(table(), (Lines{"G - Cooking|+ Kitchen|12.00|all of it"}));
    EXPECT_EQ(rows->groupNames(), (std::vector<std::string>{"Kitchen"}));
    rows->toggleGroup(0);
    EXPECT_EQ(table(), (Lines{"G - Cooking|- Kitchen|12.00|all of it", "M x |Pot|5.00|", "M x |Stove|7.00|"}));
}

TEST_F(RowsTest, GroupNamesMustBeGivenAndUniqueButLetterCaseMakesThemDifferent)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Cooking", "Cup", "1");
    add("Cooking", "Fork", "1");
    EXPECT_EQ(rows->groupNameProblem(""),
              (Message{"Group Name required.", "Cairnly", MessageIcon::Error, MessageButtons::Ok}));
    group("Stove", "Pot", "Kitchen");
    EXPECT_EQ(rows->groupNameProblem("Kitchen"),
              (Message{"Group of same name already exists.  Please choose a different name", "Cairnly",
                       MessageIcon::None, MessageButtons::Ok}));
    EXPECT_EQ(rows->groupNameProblem("kitchen"), std::nullopt);
    EXPECT_EQ(rows->createGroup(rowOf("Cup"), rowOf("Fork"), "Kitchen", ""), -1);
    EXPECT_EQ(rows->rowCount(), 3);
}

TEST_F(RowsTest, AnItemDroppedOnAMemberJoinsThatGroupAndShowsRightBelowIt)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Misc", "Lighter", "0.5");
    group("Stove", "Pot", "Kitchen");
    rows->setChecked(rowOf("+ Kitchen"), true);
    rows->toggleGroup(rowOf("+ Kitchen"));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(rows->dropOnRow(rowOf("Lighter"), rowOf("Stove"))));
    EXPECT_EQ(table(),
              (Lines{"G x Cooking|- Kitchen|12.50|", "M x Misc|Lighter|0.50|", "M x |Pot|5.00|", "M x |Stove|7.00|"}));
    EXPECT_EQ(rows->totalLine(), "12.50 oz. (0.78 lbs)");
}

TEST_F(RowsTest, AnItemDroppedOnACollapsedGroupLeavesTheList)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Misc", "Lighter", "0.5");
    group("Stove", "Pot", "Kitchen");
    rows->setChecked(rowOf("Lighter"), true);
    rows->dropOnRow(rowOf("Lighter"), rowOf("+ Kitchen"));
    EXPECT_EQ(table(), (Lines{"G - Cooking|+ Kitchen|12.50|"}));
    EXPECT_EQ(rows->selectedTotal(), 0.0f);
    EXPECT_EQ(rows->totalLine(), "0.00 oz. (0.00 lbs)");
}

TEST_F(RowsTest, RemovingMembersLeavesASmallerGroupThenNoGroupAndFreesTheName)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    group("Stove", "Pot", "Kitchen");
    rows->toggleGroup(0);
    EXPECT_EQ(rows->removeFromGroup(rowOf("Pot")), std::nullopt);
    EXPECT_EQ(table(), (Lines{"G - Cooking|- Kitchen|7.00|", "M x |Stove|7.00|", "I - |Pot|5.00|"}));
    EXPECT_EQ(rows->record(rowOf("Pot")).parent, nullptr);
    rows->removeFromGroup(rowOf("Stove"));
    EXPECT_EQ(table(), (Lines{"I - Cooking|Pot|5.00|", "I - |Stove|7.00|"}));
    EXPECT_TRUE(rows->groupNames().empty());
    EXPECT_EQ(rows->groupNameProblem("Kitchen"), std::nullopt);
}

TEST_F(RowsTest, RemoveFromGroupTakesTheMemberAtItsPositionAmongEqualLookingOnes)
{
    ItemEntry entry;
    entry.category = "Misc";
    entry.item = "Bag";
    entry.unitWeight = "1";
    rows->addColumn("Colour", FormatLeft);
    entry.columnTexts = {"red"};
    rows->addItem(entry, AddSource::Command);
    entry.columnTexts = {"blue"};
    rows->addItem(entry, AddSource::Command);
    add("Misc", "Box", "2", "1", {""});
    group("Bag", "Box", "Stuff");
    rows->dropOnRow(rowOf("Bag"), rowOf("+ Stuff"));
    rows->toggleGroup(0);
    // The two bags look equal to the member list: only their texts differ.
    EXPECT_EQ(table(),
              (Lines{"G - Misc|- Stuff|4.00||", "M x |Bag|1.00||red", "M x |Box|2.00||", "M x |Bag|1.00||blue"}));
    rows->removeFromGroup(3);
    EXPECT_EQ(table(),
              (Lines{"I - Misc|Bag|1.00||blue", "G - |- Stuff|3.00||", "M x |Bag|1.00||red", "M x |Box|2.00||"}));
}

TEST_F(RowsTest, AGroupWhoseWeightWouldNotFitIsRefused)
{
    add("Misc", "Anvil", "999999");
    add("Misc", "Brick", "1");
    const DropReply reply = rows->dropOnRow(rowOf("Brick"), rowOf("Anvil"));
    ASSERT_TRUE(std::holds_alternative<Message>(reply));
    EXPECT_EQ(std::get<Message>(reply),
              (Message{"The group's weight would be too large.", "Oops!", MessageIcon::Exclamation}));
    EXPECT_EQ(rows->rowCount(), 2);
}

TEST_F(RowsTest, ExpandAllAndCollapseAllToggleEveryGroup)
{
    add("A", "a1", "1");
    add("A", "a2", "2");
    add("B", "b1", "3");
    add("B", "b2", "4");
    add("C", "c", "5");
    group("a2", "a1", "GA");
    group("b2", "b1", "GB");
    rows->toggleGroup(rowOf("+ GB"));
    rows->setAllGroups(false);
    EXPECT_EQ(table(), (Lines{"G - A|- GA|3.00|", "M x |a1|1.00|", "M x |a2|2.00|", "G - B|- GB|7.00|", "M x |b1|3.00|",
                              "M x |b2|4.00|", "I - C|c|5.00|"}));
    rows->setAllGroups(true);
    EXPECT_EQ(table(), (Lines{"G - A|+ GA|3.00|", "G - B|+ GB|7.00|", "I - C|c|5.00|"}));
}

// --- Sorting --------------------------------------------------------------------------------------

TEST_F(RowsTest, TheFirstClickOnWeightSortsLightestFirstAndShowsEveryCategory)
{
    add("Tent", "Fly", "12");
    add("Cooking", "Pot", "6");
    add("Tent", "Pegs", "3");
    rows->sortByColumn(2);
    EXPECT_EQ(table(), (Lines{"I - Tent|Pegs|3.00|", "I - Cooking|Pot|6.00|", "I - Tent|Fly|12.00|"}));
    EXPECT_TRUE(rows->otherSort());
    EXPECT_FALSE(rows->buttons().add);
    EXPECT_FALSE(rows->buttons().modify);
    rows->sortByColumn(2);
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|", "I - Cooking|Pot|6.00|", "I - Tent|Pegs|3.00|"}));
    rows->sortByColumn(0);
    EXPECT_EQ(table(), (Lines{"I - Cooking|Pot|6.00|", "I - Tent|Fly|12.00|", "I - |Pegs|3.00|"}));
    EXPECT_TRUE(rows->buttons().add);
    EXPECT_TRUE(rows->buttons().modify);
}

TEST_F(RowsTest, ClicksOnItemOrNotesChangeNothingAndCategoryAlwaysSortsAscending)
{
    add("B", "x", "1");
    add("A", "y", "2");
    rows->sortByColumn(2);
    rows->sortByColumn(2);
    const Lines before = table();
    const int resets = observer.resets;
    rows->sortByColumn(1);
    rows->sortByColumn(3);
    EXPECT_EQ(table(), before);
    EXPECT_EQ(observer.resets, resets);
    rows->sortByColumn(0);
    rows->sortByColumn(0);
    EXPECT_EQ(table(), (Lines{"I - A|y|2.00|", "I - B|x|1.00|"}));
}

TEST_F(RowsTest, AfterAWeightSortOnlyALaterUpdateEnablesModifyAgainNotAdd)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    rows->sortByColumn(2);
    rows->deleteRows({0});
    EXPECT_TRUE(rows->buttons().modify);
    EXPECT_FALSE(rows->buttons().add);
}

TEST_F(RowsTest, WeightSortsAreStableAndOrderMembersByAscendingWeightEitherWay)
{
    add("A", "first", "5");
    add("B", "second", "5");
    add("C", "heavy", "9");
    add("C", "light", "1");
    add("C", "mid", "4");
    group("light", "heavy", "G");
    rows->dropOnRow(rowOf("mid"), rowOf("+ G"));
    rows->sortByColumn(2); // lightest first
    EXPECT_EQ(table(), (Lines{"I - A|first|5.00|", "I - B|second|5.00|", "G - C|+ G|14.00|"}));
    rows->sortByColumn(2); // heaviest first
    rows->toggleGroup(rowOf("+ G"));
    EXPECT_EQ(table(), (Lines{"G - C|- G|14.00|", "M x C|light|1.00|", "M x C|mid|4.00|", "M x C|heavy|9.00|",
                              "I - A|first|5.00|", "I - B|second|5.00|"}));
}

TEST_F(RowsTest, AUserColumnSortTreatsAMissingTextAsEmpty)
{
    add("A", "three", "1"); // added before the column existed: no text list at all
    rows->addColumn("Where", FormatLeft);
    add("A", "one", "1", "1", {"pack"});
    add("A", "two", "1", "1", {"bag"});
    rows->sortByColumn(4);
    EXPECT_TRUE(rows->otherSort());
    EXPECT_EQ(table(), (Lines{"I - A|three|1.00||", "I - A|two|1.00||bag", "I - A|one|1.00||pack"}));
    rows->sortByColumn(4);
    EXPECT_EQ(table(), (Lines{"I - A|one|1.00||pack", "I - A|two|1.00||bag", "I - A|three|1.00||"}));
}

// --- Adding and modifying items -------------------------------------------------------------------

TEST_F(RowsTest, AnItemsWeightIsUnitWeightTimesMultiplierAsTyped)
{
    add("Misc", "Socks", "12.5", "2");
    EXPECT_EQ(fieldText(rows->record(0).unitWeight), "12.5");
    EXPECT_EQ(fieldText(rows->record(0).multiplier), "2");
    EXPECT_EQ(fieldText(rows->record(0).weight), "25.00");
    add("Misc", "Nothing", "heavy", "");
    EXPECT_EQ(fieldText(rows->record(rowOf("Nothing")).weight), "0.00");
}

TEST_F(RowsTest, TheEditorChecksDescriptionSizeAndWeightInThatOrder)
{
    ItemEntry entry;
    EXPECT_EQ(rows->entryProblem(entry), (Message{"Please enter an item description or press Cancel", "Oops",
                                                  MessageIcon::None, MessageButtons::Ok}));
    entry.item = "Rock";
    entry.unitWeight = "999999";
    entry.multiplier = "9999";
    EXPECT_EQ(rows->entryProblem(entry), (Message{"Weight too large. Please enter a smaller weight or quantity.",
                                                  "Oops!", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(rows->addItem(entry, AddSource::Command), rows->entryProblem(entry));
    EXPECT_EQ(rows->rowCount(), 0);
    entry.unitWeight = "";
    EXPECT_EQ(rows->entryProblem(entry), (Message{"Are you sure you want to continue with no weight specified?",
                                                  "No Weight", MessageIcon::Question, MessageButtons::YesNo}));
}

TEST_F(RowsTest, AddingWhileSortedByWeightSortsAgainInTheSameDirection)
{
    add("A", "mid", "5");
    add("B", "heavy", "9");
    rows->sortByColumn(2);
    rows->sortByColumn(2); // heaviest first
    add("C", "light", "1");
    add("C", "heaviest", "20");
    EXPECT_EQ(table(), (Lines{"I - C|heaviest|20.00|", "I - B|heavy|9.00|", "I - A|mid|5.00|", "I - C|light|1.00|"}));
    EXPECT_EQ(rows->sortDirection(2), 0);
}

TEST_F(RowsTest, TheEditorsAddButtonAlwaysGivesATextListAndDoesNotSortAgain)
{
    add("A", "mid", "5");
    rows->sortByColumn(2);
    ItemEntry entry;
    entry.category = "A";
    entry.item = "zzz";
    entry.unitWeight = "1";
    rows->addItem(entry, AddSource::EditorButton);
    EXPECT_EQ(table(), (Lines{"I - A|mid|5.00|", "I - A|zzz|1.00|"}));
    ASSERT_NE(rows->record(1).columnTexts, nullptr);
    EXPECT_EQ(rows->record(1).columnTexts->count(), 0);
    add("A", "yyy", "1");
    EXPECT_EQ(rows->record(rowOf("yyy")).columnTexts, nullptr);
}

TEST_F(RowsTest, ModifyRefusesGroupsAndEmptySelectionsAndKeepsAnUnknownCategoryEmpty)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Gone", "Old", "1");
    rows->setCategories({"Cooking", "Tent"});
    group("Stove", "Pot", "Kitchen");
    EXPECT_EQ(std::get<Message>(rows->modifySetup({})),
              (Message{"No name selected!", "Oops!", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(std::get<Message>(rows->modifySetup({rowOf("+ Kitchen")})),
              (Message{"Groups may not be modified.", "Cairnly", MessageIcon::Information, MessageButtons::Ok}));
    const auto setup = std::get<ItemEditorSetup>(rows->modifySetup({rowOf("Old"), rowOf("+ Kitchen") + 5}));
    EXPECT_EQ(setup.entry.category, "");
    EXPECT_EQ(setup.entry.item, "Old");
    EXPECT_EQ(setup.categories, (std::vector<std::string>{"Cooking", "Tent"}));
}

TEST_F(RowsTest, ModifyRewritesARowAndPutsItInItsNewPlaceKeepingItsTick)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    rows->setChecked(rowOf("Fly"), true);
    ItemEntry entry = std::get<ItemEditorSetup>(rows->modifySetup({rowOf("Fly")})).entry;
    entry.category = "Cooking";
    entry.unitWeight = "10";
    entry.multiplier = "3";
    EXPECT_EQ(rows->modifyItem(rowOf("Fly"), entry), std::nullopt);
    EXPECT_EQ(table(), (Lines{"I x Cooking|Fly|30.00|", "I - Tent|Pegs|3.00|"}));
    EXPECT_EQ(rows->totalLine(), "30.00 oz. (1.88 lbs)");
}

TEST_F(RowsTest, ModifyingAMemberRowEditsItsMemberAndShowsTheGroupAgain)
{
    rows->addColumn("Where", FormatLeft);
    add("Cooking", "Pot", "5", "1", {"pack"});
    add("Cooking", "Stove", "7", "1", {"hip"});
    group("Stove", "Pot", "Kitchen");
    rows->setChecked(0, true);
    rows->toggleGroup(0);
    ItemEntry entry = std::get<ItemEditorSetup>(rows->modifySetup({rowOf("Stove")})).entry;
    EXPECT_EQ(entry.columnTexts, (std::vector<std::string>{"hip"}));
    entry.unitWeight = "8";
    entry.columnTexts = {"lid"};
    rows->modifyItem(rowOf("Stove"), entry);
    EXPECT_EQ(table(), (Lines{"G x Cooking|- Kitchen|13.00||", "M x |Pot|5.00||pack", "M x |Stove|8.00||lid"}));
    EXPECT_EQ(rows->totalLine(), "13.00 oz. (0.81 lbs)");
    rows->toggleGroup(0);
    rows->toggleGroup(0);
    EXPECT_EQ(rows->cellText(2, 4), "lid");
}

// --- Deleting -------------------------------------------------------------------------------------

TEST_F(RowsTest, DeleteAsksFirstAndNamesTheRow)
{
    add("Tent", "Fly", "10");
    add("Tent", "Pegs", "5");
    EXPECT_EQ(rows->deleteQuestion({}), (Message{"Nothing Selected!", "Oops!", MessageIcon::Exclamation}));
    EXPECT_EQ(rows->deleteQuestion({0}), (Message{"Are you sure you want to delete\r\nFly?", "Confirm Delete",
                                                  MessageIcon::Question, MessageButtons::YesNo}));
    EXPECT_EQ(rows->deleteQuestion({0, 1}), (Message{"Are you sure you want to delete these items?", "Confirm Delete",
                                                     MessageIcon::Question, MessageButtons::YesNo}));
}

TEST_F(RowsTest, DeletingATickedItemTakesItsWeightOffTheTotal)
{
    add("Tent", "Fly", "10");
    add("Tent", "Pegs", "5");
    rows->selectAll();
    EXPECT_EQ(rows->totalLine(), "15.00 oz. (0.94 lbs)");
    EXPECT_EQ(rows->deleteRows({0}), 0);
    EXPECT_EQ(table(), (Lines{"I x Tent|Pegs|5.00|"}));
    EXPECT_EQ(rows->totalLine(), "5.00 oz. (0.31 lbs)");
    EXPECT_EQ(rows->deleteRows({0}), -1);
    const ButtonStates& b = rows->buttons();
    EXPECT_FALSE(b.remove || b.modify || b.print || b.totals || b.exportList || b.convert || b.clearSelected);
}

TEST_F(RowsTest, DeletingSeveralRowsDeletesExactlyThoseRows)
{
    for (const char* name : {"a", "b", "c", "d", "e"})
        add("X", name, "1");
    EXPECT_EQ(rows->deleteRows({3, 1}), -1);
    EXPECT_EQ(table(), (Lines{"I - X|a|1.00|", "I - |c|1.00|", "I - |e|1.00|"}));
}

TEST_F(RowsTest, DeletingMemberRowsTakesThemOutOfTheGroupAndTheLastOneDissolvesIt)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Cooking", "Cup", "1");
    group("Stove", "Pot", "Kitchen");
    rows->dropOnRow(rowOf("Cup"), rowOf("+ Kitchen"));
    rows->setChecked(0, true);
    rows->toggleGroup(0);
    rows->deleteRows({rowOf("Pot")});
    EXPECT_EQ(table(), (Lines{"G x Cooking|- Kitchen|8.00|", "M x |Cup|1.00|", "M x |Stove|7.00|"}));
    EXPECT_EQ(rows->totalLine(), "8.00 oz. (0.50 lbs)");
    rows->toggleGroup(0);
    rows->toggleGroup(0);
    EXPECT_EQ(table(), (Lines{"G x Cooking|- Kitchen|8.00|", "M x |Cup|1.00|", "M x |Stove|7.00|"}));
    rows->deleteRows({1, 2});
    EXPECT_EQ(table(), Lines{});
    EXPECT_TRUE(rows->groupNames().empty());
    EXPECT_EQ(rows->totalLine(), "0.00 oz. (0.00 lbs)");
}

TEST_F(RowsTest, DeletingAnExpandedGroupTakesItsMemberRowsAndFreesItsName)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Tent", "Fly", "1");
    group("Stove", "Pot", "Kitchen");
    rows->toggleGroup(0);
    EXPECT_EQ(rows->deleteRows({0, 2}), -1);
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|1.00|"}));
    EXPECT_TRUE(rows->groupNames().empty());
}

// --- Units ----------------------------------------------------------------------------------------

TEST_F(RowsTest, ConvertRewritesEveryWeightAndTheHeading)
{
    add("Misc", "Stakes", "2", "3");
    add("Misc", "Pot", "5");
    add("Misc", "Stove", "7");
    group("Stove", "Pot", "Kitchen");
    EXPECT_EQ(rows->columns().columns[2].heading, "Weight (oz)");
    EXPECT_EQ(rows->convert(), std::nullopt);
    EXPECT_TRUE(rows->metric());
    EXPECT_EQ(rows->columns().columns[2].heading, "Weight (gm)");
    EXPECT_EQ(fieldText(rows->record(rowOf("Stakes")).unitWeight), "56.75");
    EXPECT_EQ(fieldText(rows->record(rowOf("Stakes")).weight), "170.25");
    EXPECT_EQ(rows->cellText(rowOf("+ Kitchen"), 2), "340.50");
    EXPECT_EQ(rows->totalLine(), "0.00 gm. (0.00 kgs)");
    EXPECT_EQ(rows->convert(), std::nullopt);
    EXPECT_EQ(fieldText(rows->record(rowOf("Stakes")).unitWeight), "2.0");
    EXPECT_EQ(fieldText(rows->record(rowOf("Stakes")).weight), "6.0");
    EXPECT_EQ(rows->totalLine(), "0.00 oz. (0.00 lbs)");
}

TEST_F(RowsTest, ConvertRewritesTheTotalLineOfTickedRowsInTheNewUnit)
{
    add("Misc", "Pot", "16");
    rows->setChecked(0, true);
    EXPECT_EQ(rows->totalLine(), "16.00 oz. (1.00 lbs)");
    rows->convert();
    EXPECT_EQ(rows->totalLine(), "454.00 gm. (0.45 kg)");
}

TEST_F(RowsTest, AnyTickChangeAfterConvertWritesTheZeroLineInTheNormalFormat)
{
    add("Misc", "Pot", "5");
    add("Misc", "Stove", "7");
    add("Misc", "Feather", "0");
    group("Stove", "Pot", "Kitchen");
    rows->toggleGroup(rowOf("+ Kitchen"));
    rows->convert();
    ASSERT_EQ(rows->totalLine(), "0.00 gm. (0.00 kgs)");
    rows->setChecked(rowOf("Pot"), false); // a member row's box carries no weight
    EXPECT_EQ(rows->totalLine(), "0.00 gm. (0.00 kg)");
    EXPECT_TRUE(rows->isChecked(rowOf("Pot")));

    rows->convert();
    rows->convert();
    ASSERT_EQ(rows->totalLine(), "0.00 gm. (0.00 kgs)");
    rows->setChecked(rowOf("Feather"), true);
    EXPECT_EQ(rows->totalLine(), "0.00 gm. (0.00 kg)");
}

TEST_F(RowsTest, ConvertRefusesWhatWouldNotFitAndChangesNothing)
{
    add("Misc", "Anvil", "99999");
    add("Misc", "Pin", "1");
    const Lines before = table();
    EXPECT_EQ(rows->convert(), (Message{"Some weights would be too large after converting. Nothing was converted.",
                                        "Important!", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(table(), before);
    EXPECT_FALSE(rows->metric());
}

// --- Categories -----------------------------------------------------------------------------------

TEST_F(RowsTest, ACategoryIsInUseEvenWhenOnlyACollapsedGroupsMemberCarriesIt)
{
    add("Cooking", "Pot", "5");
    add("Fuel", "Canister", "7");
    group("Canister", "Pot", "Kitchen");
    EXPECT_TRUE(rows->categoryInUse("Fuel"));
    EXPECT_TRUE(rows->categoryInUse("Cooking"));
    EXPECT_FALSE(rows->categoryInUse("fuel"));
    EXPECT_FALSE(rows->categoryInUse("Tent"));
}

TEST_F(RowsTest, RenamingACategoryRenamesItemsGroupsAndMembersAndSortsAgain)
{
    add("Tent", "Fly", "1");
    add("Bed", "Mat", "2");
    add("Tent", "Pegs", "3");
    add("Cooking", "Pot", "4");
    group("Pegs", "Pot", "Mixed");
    rows->sortByColumn(2);
    rows->renameCategory("Tent", "Abode");
    EXPECT_FALSE(rows->otherSort());
    rows->toggleGroup(rowOf("+ Mixed"));
    EXPECT_EQ(table(), (Lines{"I - Abode|Fly|1.00|", "I - Bed|Mat|2.00|", "G - Cooking|- Mixed|7.00|",
                              "M x |Pegs|3.00|", "M x |Pot|4.00|"}));
    EXPECT_EQ(fieldText(rows->record(rowOf("Pegs")).category), "Abode");
}

// --- Columns --------------------------------------------------------------------------------------

TEST_F(RowsTest, DeletingColumnsRemovesTheirTextsByPositionFromRowsAndMembers)
{
    for (const char* heading : {"1", "2", "3", "4", "5"})
        rows->addColumn(heading, FormatLeft);
    add("A", "full", "1", "1", {"t1", "t2", "t3", "t4", "t5"});
    add("A", "same", "1", "1", {"x", "x", "x", "x", "x"});
    add("A", "member", "1", "1", {"m1", "m2", "m3", "m4", "m5"});
    add("A", "target", "1", "1", {"g1", "g2", "g3", "g4", "g5"});
    group("member", "target", "G");
    rows->deleteColumns({3, 1});
    EXPECT_EQ(rows->columnCount(), 7);
    EXPECT_EQ(rows->columns().columns[5].heading, "3");
    rows->toggleGroup(rowOf("+ G"));
    EXPECT_EQ(table(), (Lines{"I - A|full|1.00||t1|t3|t5", "G - |- G|2.00||||", "M x |target|1.00||g1|g3|g5",
                              "M x |member|1.00||m1|m3|m5", "I - |same|1.00||x|x|x"}));
}

TEST_F(RowsTest, DeletingAColumnLeavesShorterTextListsAlone)
{
    rows->addColumn("1", FormatLeft);
    rows->addColumn("2", FormatLeft);
    add("A", "short", "1", "1", {"a", "b"});
    rows->addColumn("3", FormatLeft);
    rows->addColumn("4", FormatLeft);
    rows->deleteColumns({3});
    EXPECT_EQ(rows->columnCount(), 7);
    EXPECT_EQ(table(), (Lines{"I - A|short|1.00||a|b|"}));
    EXPECT_EQ(rows->menuStates(0).deleteColumn, true);
    rows->deleteColumns({0, 1, 2});
    EXPECT_EQ(rows->menuStates(0).deleteColumn, false);
    EXPECT_EQ(rows->menuStates(0).modifyColumn, false);
}

TEST_F(RowsTest, ModifyingAColumnChangesItsHeadingAndAlignmentAndKeepsItsTexts)
{
    rows->addColumn("Where", FormatRight);
    add("A", "one", "1", "1", {"pack"});
    rows->modifyColumn(0, "Pocket", FormatCenter);
    EXPECT_EQ(rows->columns().columns[4], (ListColumn{"Pocket", FormatCenter, 100}));
    EXPECT_EQ(rows->settings().userColumns, (std::vector<UserColumn>{{"Pocket", FormatCenter, 4}}));
    EXPECT_EQ(table(), (Lines{"I - A|one|1.00||pack"}));
}

TEST_F(RowsTest, NoColumnIsAddedBeyondWhatTheSettingsHold)
{
    for (int k = 0; k < maxUserColumns; ++k)
        ASSERT_EQ(rows->addColumn("C", FormatLeft), std::nullopt);
    const Message full{"No more columns can be added.", "Oops!", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(rows->addColumnRefusal(), full);
    EXPECT_EQ(rows->addColumn("C", FormatLeft), full);
    EXPECT_EQ(rows->columnCount(), fixedColumnCount + maxUserColumns);
}

// --- Configure ------------------------------------------------------------------------------------

TEST_F(RowsTest, NewListColoursRepaintEveryRowAndTheEmptyArea)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    const int stateChanges = observer.stateChanges;
    observer.changed.clear();
    rows->setListColors(0x00112233, 0x80000005, 0x00445566);
    EXPECT_EQ(observer.stateChanges, stateChanges + 1);
    EXPECT_EQ(observer.changed, (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(rows->cellColor(0, 0), 0x80000005u);
    EXPECT_EQ(rows->cellColor(1, 1), 0x00112233u);
    EXPECT_EQ(rows->settings().groupColor, 0x00445566u);
}

// --- Menus ----------------------------------------------------------------------------------------

TEST_F(RowsTest, MenuEntriesFollowTheListAndTheHighlight)
{
    EXPECT_EQ(rows->menuStates(0), MenuStates{});
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    MenuStates expected;
    expected.save = expected.saveAs = expected.print = expected.exportList = true;
    expected.selectAll = true;
    EXPECT_EQ(rows->menuStates(0), expected);
    group("Stove", "Pot", "Kitchen");
    rows->setChecked(0, true);
    expected.remove = expected.modify = true;
    expected.selectAll = false;
    expected.expandAll = expected.collapseAll = true;
    expected.clearSelected = expected.hideSelected = expected.hideNonSelected = true;
    EXPECT_EQ(rows->menuStates(1), expected);
    EXPECT_STREQ(rows->hideNonSelectedMenuText(), "Hide &Non-Selected");
    EXPECT_STREQ(rows->hideSelectedMenuText(), "&Hide Selected");
}
