#include "ListSupport.h"

#include "core/files/DataFile.h"

#include <filesystem>

using namespace cairnly;
using namespace cairnly::testing;

// --- Rows, category blocks and insertion ----------------------------------------------------------

TEST_F(ListTest, RowsStandInCategoryBlocksShowingEachCategoryOnce)
{
    add("Tent", "Fly", "12");
    add("Tent", "Body", "30");
    add("Cooking", "Stove", "3.5");
    add("Tent", "Poles", "9");
    add("Cooking", "Pot", "6", "2");
    EXPECT_EQ(table(), (Lines{"I - Cooking|Pot|12.00|", "I - |Stove|3.50|", "I - Tent|Body|30.00|", "I - |Fly|12.00|",
                              "I - |Poles|9.00|"}));
}

TEST_F(ListTest, CategoriesAndItemsCompareWithoutRegardToCaseAndTheNewestEqualItemComesFirst)
{
    add("tent", "fly", "1");
    add("Tent", "Fly", "2");
    add("TENT", "Awning", "3");
    add("\xC9t\xE9", "x", "4"); // Windows-1252 "Ete" with accents sorts after the ASCII letters
    EXPECT_EQ(table(), (Lines{"I - TENT|Awning|3.00|", "I - |Fly|2.00|", "I - |fly|1.00|", "I - \xC9t\xE9|x|4.00|"}));
}

TEST_F(ListTest, AnInsertedItemNeverLandsBetweenAGroupAndItsMemberRows)
{
    add("Tent", "A", "1");
    add("Tent", "B", "2");
    add("Tent", "C", "3");
    group("C", "B", "Bag");
    list->toggleGroup(rowOf("+ Bag"));
    add("Tent", "Zip", "4");
    add("Tents", "Extra", "5");
    EXPECT_EQ(table(), (Lines{"I - Tent|A|1.00|", "G - |- Bag|5.00|", "M x |B|2.00|", "M x |C|3.00|", "I - |Zip|4.00|",
                              "I - Tents|Extra|5.00|"}));
    list->toggleGroup(rowOf("- Bag"));
    EXPECT_EQ(table(), (Lines{"I - Tent|A|1.00|", "G - |+ Bag|5.00|", "I - |Zip|4.00|", "I - Tents|Extra|5.00|"}));
}

TEST_F(ListTest, CellsTakeTheAlternateColourOnEvenRowsAndTheGroupColourInTheItemColumn)
{
    add("Tent", "A", "1");
    add("Tent", "B", "2");
    add("Tent", "C", "3");
    group("C", "B", "Bag");
    list->toggleGroup(rowOf("+ Bag"));
    const Settings& s = document->settings();
    EXPECT_EQ(document->cellColor(0, 1), s.altColor);
    EXPECT_EQ(document->cellColor(1, 0), s.backColor);
    EXPECT_EQ(document->cellColor(1, 1), s.groupColor);
    EXPECT_EQ(document->cellColor(2, 1), s.groupColor);
    EXPECT_EQ(document->cellColor(2, 2), s.altColor);
}

// --- Ticks and the total --------------------------------------------------------------------------

TEST_F(ListTest, TickingAnItemShowsItsWeightInTheTotalLine)
{
    add("Tent", "Tent", "12.50");
    EXPECT_EQ(list->totalLine(), "0.00 oz. (0.00 lbs)");
    EXPECT_FALSE(buttons().clearSelected);
    EXPECT_EQ(list->setChecked(0, true), std::nullopt);
    EXPECT_EQ(list->totalLine(), "12.50 oz. (0.78 lbs)");
    EXPECT_TRUE(buttons().clearSelected);
    EXPECT_TRUE(buttons().hideNonSelected);
    list->setChecked(0, false);
    EXPECT_EQ(list->totalLine(), "0.00 oz. (0.00 lbs)");
    EXPECT_EQ(list->selectedTotal(), 0.0f);
    EXPECT_FALSE(buttons().clearSelected);
    EXPECT_FALSE(buttons().hideNonSelected);
}

TEST_F(ListTest, AGroupRowCountsItsMembersWhileMemberRowsCountNothing)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Tent", "Fly", "1");
    group("Stove", "Pot", "Kitchen");
    list->setChecked(rowOf("+ Kitchen"), true);
    EXPECT_EQ(list->selectedTotal(), 12.0f);
    list->toggleGroup(rowOf("+ Kitchen"));
    list->setChecked(rowOf("Pot"), false);
    EXPECT_TRUE(list->isChecked(rowOf("Pot")));
    EXPECT_EQ(list->selectedTotal(), 12.0f);
    EXPECT_EQ(list->selectAll(), std::nullopt);
    EXPECT_EQ(list->totalLine(), "13.00 oz. (0.81 lbs)");
    EXPECT_EQ(list->clearSelected(), std::nullopt);
    EXPECT_EQ(list->selectedTotal(), 0.0f);
    EXPECT_EQ(table(),
              (Lines{"G - Cooking|- Kitchen|12.00|", "M x |Pot|5.00|", "M x |Stove|7.00|", "I - Tent|Fly|1.00|"}));
}

TEST_F(ListTest, ATinyTotalCountsAsNothingTicked)
{
    GearRecord dust;
    setFieldText(dust.category, "Misc");
    setFieldText(dust.item, "Dust");
    setFieldText(dust.weight, "0.000001");
    folder.write("GearData.dat", formatDataFile({"Misc"}, {&dust}));
    document->loadWorkingFile();
    list->setChecked(0, true);
    EXPECT_EQ(list->selectedTotal(), 0.000001f);
    EXPECT_FALSE(buttons().clearSelected);
    EXPECT_FALSE(buttons().hideNonSelected);
}

TEST_F(ListTest, SeveralRowsAreTickedOrUntickedAsOneChangeAndMemberRowsStayChecked)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    group("Stove", "Pot", "Kitchen");
    list->toggleGroup(rowOf("+ Kitchen"));
    const std::vector<int> chosen{rowOf("- Kitchen"), rowOf("Pot"), rowOf("Fly"), 99, -1};

    int changes = observer.stateChanges;
    EXPECT_EQ(list->setCheckedRows(chosen, true), std::nullopt);
    EXPECT_EQ(observer.stateChanges, changes + 1);
    EXPECT_EQ(table(), (Lines{"G x Cooking|- Kitchen|12.00|", "M x |Pot|5.00|", "M x |Stove|7.00|",
                              "I x Tent|Fly|12.00|", "I - |Pegs|3.00|"}));
    EXPECT_EQ(list->totalLine(), "24.00 oz. (1.50 lbs)");

    changes = observer.stateChanges;
    EXPECT_EQ(list->setCheckedRows({rowOf("Fly"), rowOf("- Kitchen")}, true), std::nullopt); // already ticked
    EXPECT_EQ(observer.stateChanges, changes);
    EXPECT_EQ(list->setCheckedRows(chosen, false), std::nullopt);
    EXPECT_EQ(observer.stateChanges, changes + 1);
    EXPECT_EQ(table(), (Lines{"G - Cooking|- Kitchen|12.00|", "M x |Pot|5.00|", "M x |Stove|7.00|",
                              "I - Tent|Fly|12.00|", "I - |Pegs|3.00|"}));
    EXPECT_EQ(list->totalLine(), "0.00 oz. (0.00 lbs)");

    list->setChecked(rowOf("Pegs"), true);
    document->setHideNonSelected(true);
    changes = observer.stateChanges;
    EXPECT_EQ(list->setCheckedRows({0}, false),
              (Message{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list", "Important!",
                       MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(observer.stateChanges, changes);
    EXPECT_EQ(table(), (Lines{"I x Tent|Pegs|3.00|"}));
}

// --- Groups ---------------------------------------------------------------------------------------

TEST_F(ListTest, DroppingAnItemOnAnotherAsksForAGroupAndShowsTheTargetFirst)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(list->dropOnRow(0, 0)));
    const DropReply reply = list->dropOnRow(rowOf("Stove"), rowOf("Pot"));
    ASSERT_TRUE(std::holds_alternative<CreateGroupRequest>(reply));
    EXPECT_EQ(std::get<CreateGroupRequest>(reply).draggedItem, "Stove");
    EXPECT_EQ(std::get<CreateGroupRequest>(reply).targetItem, "Pot");
    EXPECT_EQ(list->rowCount(), 2); // nothing happens until the dialog's OK

    const int row = list->createGroup(rowOf("Stove"), rowOf("Pot"), "Kitchen", "all of it");
    EXPECT_EQ(row, 0);
    EXPECT_EQ(table(), (Lines{"G - Cooking|+ Kitchen|12.00|all of it"}));
    EXPECT_EQ(list->groupNames(), (std::vector<std::string>{"Kitchen"}));
    list->toggleGroup(0);
    EXPECT_EQ(table(), (Lines{"G - Cooking|- Kitchen|12.00|all of it", "M x |Pot|5.00|", "M x |Stove|7.00|"}));
}

TEST_F(ListTest, GroupNamesMustBeGivenAndUniqueButLetterCaseMakesThemDifferent)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Cooking", "Cup", "1");
    add("Cooking", "Fork", "1");
    EXPECT_EQ(list->groupNameProblem(""),
              (Message{"Group Name required.", "Cairnly", MessageIcon::Error, MessageButtons::Ok}));
    group("Stove", "Pot", "Kitchen");
    EXPECT_EQ(list->groupNameProblem("Kitchen"),
              (Message{"Group of same name already exists.  Please choose a different name", "Cairnly",
                       MessageIcon::None, MessageButtons::Ok}));
    EXPECT_EQ(list->groupNameProblem("kitchen"), std::nullopt);
    EXPECT_EQ(list->createGroup(rowOf("Cup"), rowOf("Fork"), "Kitchen", ""), -1);
    EXPECT_EQ(list->rowCount(), 3);
}

TEST_F(ListTest, AnItemDroppedOnAMemberJoinsThatGroupAndShowsRightBelowIt)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Misc", "Lighter", "0.5");
    group("Stove", "Pot", "Kitchen");
    list->setChecked(rowOf("+ Kitchen"), true);
    list->toggleGroup(rowOf("+ Kitchen"));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(list->dropOnRow(rowOf("Lighter"), rowOf("Stove"))));
    EXPECT_EQ(table(),
              (Lines{"G x Cooking|- Kitchen|12.50|", "M x Misc|Lighter|0.50|", "M x |Pot|5.00|", "M x |Stove|7.00|"}));
    EXPECT_EQ(list->totalLine(), "12.50 oz. (0.78 lbs)");
}

TEST_F(ListTest, AnItemDroppedOnACollapsedGroupLeavesTheList)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Misc", "Lighter", "0.5");
    group("Stove", "Pot", "Kitchen");
    list->setChecked(rowOf("Lighter"), true);
    list->dropOnRow(rowOf("Lighter"), rowOf("+ Kitchen"));
    EXPECT_EQ(table(), (Lines{"G - Cooking|+ Kitchen|12.50|"}));
    EXPECT_EQ(list->selectedTotal(), 0.0f);
    EXPECT_EQ(list->totalLine(), "0.00 oz. (0.00 lbs)");
}

TEST_F(ListTest, RemovingMembersLeavesASmallerGroupThenNoGroupAndFreesTheName)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    group("Stove", "Pot", "Kitchen");
    list->toggleGroup(0);
    EXPECT_EQ(list->removeFromGroup(rowOf("Pot")), std::nullopt);
    EXPECT_EQ(table(), (Lines{"G - Cooking|- Kitchen|7.00|", "M x |Stove|7.00|", "I - |Pot|5.00|"}));
    EXPECT_EQ(list->record(rowOf("Pot")).parent, nullptr);
    list->removeFromGroup(rowOf("Stove"));
    EXPECT_EQ(table(), (Lines{"I - Cooking|Pot|5.00|", "I - |Stove|7.00|"}));
    EXPECT_TRUE(list->groupNames().empty());
    EXPECT_EQ(list->groupNameProblem("Kitchen"), std::nullopt);
}

TEST_F(ListTest, RemoveFromGroupTakesTheMemberAtItsPositionAmongEqualLookingOnes)
{
    ItemEntry entry;
    entry.category = "Misc";
    entry.item = "Bag";
    entry.unitWeight = "1";
    list->addColumn("Colour", FormatLeft);
    entry.columnTexts = {"red"};
    list->addItem(entry, AddSource::Command);
    entry.columnTexts = {"blue"};
    list->addItem(entry, AddSource::Command);
    add("Misc", "Box", "2", "1", {""});
    group("Bag", "Box", "Stuff");
    list->dropOnRow(rowOf("Bag"), rowOf("+ Stuff"));
    list->toggleGroup(0);
    // The two bags look equal to the member list: only their texts differ.
    EXPECT_EQ(table(),
              (Lines{"G - Misc|- Stuff|4.00||", "M x |Bag|1.00||red", "M x |Box|2.00||", "M x |Bag|1.00||blue"}));
    list->removeFromGroup(3);
    EXPECT_EQ(table(),
              (Lines{"I - Misc|Bag|1.00||blue", "G - |- Stuff|3.00||", "M x |Bag|1.00||red", "M x |Box|2.00||"}));
}

TEST_F(ListTest, AGroupWhoseWeightWouldNotFitIsRefused)
{
    add("Misc", "Anvil", "999999");
    add("Misc", "Brick", "1");
    const DropReply reply = list->dropOnRow(rowOf("Brick"), rowOf("Anvil"));
    ASSERT_TRUE(std::holds_alternative<Message>(reply));
    EXPECT_EQ(std::get<Message>(reply),
              (Message{"The group's weight would be too large.", "Oops!", MessageIcon::Exclamation}));
    EXPECT_EQ(list->rowCount(), 2);
}

TEST_F(ListTest, ExpandAllAndCollapseAllToggleEveryGroup)
{
    add("A", "a1", "1");
    add("A", "a2", "2");
    add("B", "b1", "3");
    add("B", "b2", "4");
    add("C", "c", "5");
    group("a2", "a1", "GA");
    group("b2", "b1", "GB");
    list->toggleGroup(rowOf("+ GB"));
    list->setAllGroups(false);
    EXPECT_EQ(table(), (Lines{"G - A|- GA|3.00|", "M x |a1|1.00|", "M x |a2|2.00|", "G - B|- GB|7.00|", "M x |b1|3.00|",
                              "M x |b2|4.00|", "I - C|c|5.00|"}));
    list->setAllGroups(true);
    EXPECT_EQ(table(), (Lines{"G - A|+ GA|3.00|", "G - B|+ GB|7.00|", "I - C|c|5.00|"}));
}

// --- Sorting --------------------------------------------------------------------------------------

TEST_F(ListTest, TheFirstClickOnWeightSortsLightestFirstAndShowsEveryCategory)
{
    add("Tent", "Fly", "12");
    add("Cooking", "Pot", "6");
    add("Tent", "Pegs", "3");
    list->sortByColumn(2);
    EXPECT_EQ(table(), (Lines{"I - Tent|Pegs|3.00|", "I - Cooking|Pot|6.00|", "I - Tent|Fly|12.00|"}));
    EXPECT_TRUE(list->otherSort());
    EXPECT_FALSE(buttons().add);
    EXPECT_FALSE(buttons().modify);
    list->sortByColumn(2);
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|", "I - Cooking|Pot|6.00|", "I - Tent|Pegs|3.00|"}));
    list->sortByColumn(0);
    EXPECT_EQ(table(), (Lines{"I - Cooking|Pot|6.00|", "I - Tent|Fly|12.00|", "I - |Pegs|3.00|"}));
    EXPECT_TRUE(buttons().add);
    EXPECT_TRUE(buttons().modify);
}

TEST_F(ListTest, ClicksOnItemOrNotesChangeNothingAndCategoryAlwaysSortsAscending)
{
    add("B", "x", "1");
    add("A", "y", "2");
    list->sortByColumn(2);
    list->sortByColumn(2);
    const Lines before = table();
    const int resets = observer.resets;
    list->sortByColumn(1);
    list->sortByColumn(3);
    EXPECT_EQ(table(), before);
    EXPECT_EQ(observer.resets, resets);
    list->sortByColumn(0);
    list->sortByColumn(0);
    EXPECT_EQ(table(), (Lines{"I - A|y|2.00|", "I - B|x|1.00|"}));
}

TEST_F(ListTest, AfterAWeightSortOnlyALaterUpdateEnablesModifyAgainNotAdd)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    list->sortByColumn(2);
    list->deleteRows({0});
    EXPECT_TRUE(buttons().modify);
    EXPECT_FALSE(buttons().add);
}

TEST_F(ListTest, WeightSortsAreStableAndOrderMembersByAscendingWeightEitherWay)
{
    add("A", "first", "5");
    add("B", "second", "5");
    add("C", "heavy", "9");
    add("C", "light", "1");
    add("C", "mid", "4");
    group("light", "heavy", "G");
    list->dropOnRow(rowOf("mid"), rowOf("+ G"));
    list->sortByColumn(2); // lightest first
    EXPECT_EQ(table(), (Lines{"I - A|first|5.00|", "I - B|second|5.00|", "G - C|+ G|14.00|"}));
    list->sortByColumn(2); // heaviest first
    list->toggleGroup(rowOf("+ G"));
    EXPECT_EQ(table(), (Lines{"G - C|- G|14.00|", "M x C|light|1.00|", "M x C|mid|4.00|", "M x C|heavy|9.00|",
                              "I - A|first|5.00|", "I - B|second|5.00|"}));
}

TEST_F(ListTest, AUserColumnSortTreatsAMissingTextAsEmpty)
{
    add("A", "three", "1"); // added before the column existed: no text list at all
    list->addColumn("Where", FormatLeft);
    add("A", "one", "1", "1", {"pack"});
    add("A", "two", "1", "1", {"bag"});
    list->sortByColumn(4);
    EXPECT_TRUE(list->otherSort());
    EXPECT_EQ(table(), (Lines{"I - A|three|1.00||", "I - A|two|1.00||bag", "I - A|one|1.00||pack"}));
    list->sortByColumn(4);
    EXPECT_EQ(table(), (Lines{"I - A|one|1.00||pack", "I - A|two|1.00||bag", "I - A|three|1.00||"}));
}

// --- Adding and modifying items -------------------------------------------------------------------

TEST_F(ListTest, AnItemsWeightIsUnitWeightTimesMultiplierAsTyped)
{
    add("Misc", "Socks", "12.5", "2");
    EXPECT_EQ(fieldText(list->record(0).unitWeight), "12.5");
    EXPECT_EQ(fieldText(list->record(0).multiplier), "2");
    EXPECT_EQ(fieldText(list->record(0).weight), "25.00");
    add("Misc", "Nothing", "heavy", "");
    EXPECT_EQ(fieldText(list->record(rowOf("Nothing")).weight), "0.00");
}

TEST_F(ListTest, TheEditorChecksDescriptionSizeAndWeightInThatOrder)
{
    ItemEntry entry;
    EXPECT_EQ(list->entryProblem(entry), (Message{"Please enter an item description or press Cancel", "Oops",
                                                  MessageIcon::None, MessageButtons::Ok}));
    entry.item = "Rock";
    entry.unitWeight = "999999";
    entry.multiplier = "9999";
    EXPECT_EQ(list->entryProblem(entry), (Message{"Weight too large. Please enter a smaller weight or quantity.",
                                                  "Oops!", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(list->addItem(entry, AddSource::Command), list->entryProblem(entry));
    EXPECT_EQ(list->rowCount(), 0);
    entry.unitWeight = "";
    EXPECT_EQ(list->entryProblem(entry), (Message{"Are you sure you want to continue with no weight specified?",
                                                  "No Weight", MessageIcon::Question, MessageButtons::YesNo}));
}

TEST_F(ListTest, AddingWhileSortedByWeightSortsAgainInTheSameDirection)
{
    add("A", "mid", "5");
    add("B", "heavy", "9");
    list->sortByColumn(2);
    list->sortByColumn(2); // heaviest first
    add("C", "light", "1");
    add("C", "heaviest", "20");
    EXPECT_EQ(table(), (Lines{"I - C|heaviest|20.00|", "I - B|heavy|9.00|", "I - A|mid|5.00|", "I - C|light|1.00|"}));
    EXPECT_EQ(list->sortDirection(2), 0);
}

TEST_F(ListTest, TheEditorsAddButtonAlwaysGivesATextListAndDoesNotSortAgain)
{
    add("A", "mid", "5");
    list->sortByColumn(2);
    ItemEntry entry;
    entry.category = "A";
    entry.item = "zzz";
    entry.unitWeight = "1";
    list->addItem(entry, AddSource::EditorButton);
    EXPECT_EQ(table(), (Lines{"I - A|mid|5.00|", "I - A|zzz|1.00|"}));
    ASSERT_NE(list->record(1).columnTexts, nullptr);
    EXPECT_EQ(list->record(1).columnTexts->count(), 0);
    add("A", "yyy", "1");
    EXPECT_EQ(list->record(rowOf("yyy")).columnTexts, nullptr);
}

TEST_F(ListTest, ModifyRefusesGroupsAndEmptySelectionsAndOffersAnUnknownCategoryOfItsOwn)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Gone", "Old", "1");
    list->setCategories({"Cooking", "Tent"});
    group("Stove", "Pot", "Kitchen");
    EXPECT_EQ(std::get<Message>(list->modifySetup({})),
              (Message{"No name selected!", "Oops!", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(std::get<Message>(list->modifySetup({rowOf("+ Kitchen")})),
              (Message{"Groups may not be modified.", "Cairnly", MessageIcon::Information, MessageButtons::Ok}));
    const auto setup = std::get<ItemEditorSetup>(list->modifySetup({rowOf("Old"), rowOf("+ Kitchen") + 5}));
    EXPECT_EQ(setup.entry.category, "Gone");
    EXPECT_EQ(setup.entry.item, "Old");
    EXPECT_EQ(setup.categories, (std::vector<std::string>{"Cooking", "Gone", "Tent"}));
}

TEST_F(ListTest, ModifyRewritesARowAndPutsItInItsNewPlaceKeepingItsTick)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    list->setChecked(rowOf("Fly"), true);
    ItemEntry entry = std::get<ItemEditorSetup>(list->modifySetup({rowOf("Fly")})).entry;
    entry.category = "Cooking";
    entry.unitWeight = "10";
    entry.multiplier = "3";
    EXPECT_EQ(list->modifyItem(rowOf("Fly"), entry), std::nullopt);
    EXPECT_EQ(table(), (Lines{"I x Cooking|Fly|30.00|", "I - Tent|Pegs|3.00|"}));
    EXPECT_EQ(list->totalLine(), "30.00 oz. (1.88 lbs)");
}

TEST_F(ListTest, ModifyingAMemberRowEditsItsMemberAndShowsTheGroupAgain)
{
    list->addColumn("Where", FormatLeft);
    add("Cooking", "Pot", "5", "1", {"pack"});
    add("Cooking", "Stove", "7", "1", {"hip"});
    group("Stove", "Pot", "Kitchen");
    list->setChecked(0, true);
    list->toggleGroup(0);
    ItemEntry entry = std::get<ItemEditorSetup>(list->modifySetup({rowOf("Stove")})).entry;
    EXPECT_EQ(entry.columnTexts, (std::vector<std::string>{"hip"}));
    entry.unitWeight = "8";
    entry.columnTexts = {"lid"};
    list->modifyItem(rowOf("Stove"), entry);
    EXPECT_EQ(table(), (Lines{"G x Cooking|- Kitchen|13.00||", "M x |Pot|5.00||pack", "M x |Stove|8.00||lid"}));
    EXPECT_EQ(list->totalLine(), "13.00 oz. (0.81 lbs)");
    list->toggleGroup(0);
    list->toggleGroup(0);
    EXPECT_EQ(list->cellText(2, 4), "lid");
}

// --- Deleting -------------------------------------------------------------------------------------

TEST_F(ListTest, DeleteAsksFirstAndNamesTheRow)
{
    add("Tent", "Fly", "10");
    add("Tent", "Pegs", "5");
    EXPECT_EQ(list->deleteQuestion({}), (Message{"Nothing Selected!", "Oops!", MessageIcon::Exclamation}));
    EXPECT_EQ(list->deleteQuestion({0}), (Message{"Are you sure you want to delete\r\nFly?", "Confirm Delete",
                                                  MessageIcon::Question, MessageButtons::YesNo}));
    EXPECT_EQ(list->deleteQuestion({0, 1}), (Message{"Are you sure you want to delete these items?", "Confirm Delete",
                                                     MessageIcon::Question, MessageButtons::YesNo}));
}

TEST_F(ListTest, DeletingATickedItemTakesItsWeightOffTheTotal)
{
    add("Tent", "Fly", "10");
    add("Tent", "Pegs", "5");
    list->selectAll();
    EXPECT_EQ(list->totalLine(), "15.00 oz. (0.94 lbs)");
    EXPECT_EQ(list->deleteRows({0}), 0);
    EXPECT_EQ(table(), (Lines{"I x Tent|Pegs|5.00|"}));
    EXPECT_EQ(list->totalLine(), "5.00 oz. (0.31 lbs)");
    EXPECT_EQ(list->deleteRows({0}), -1);
    const ButtonStates& b = buttons();
    EXPECT_FALSE(b.remove || b.modify || b.print || b.totals || b.exportList || b.convert || b.clearSelected);
}

TEST_F(ListTest, DeletingSeveralRowsDeletesExactlyThoseRows)
{
    for (const char* name : {"a", "b", "c", "d", "e"})
        add("X", name, "1");
    EXPECT_EQ(list->deleteRows({3, 1}), -1);
    EXPECT_EQ(table(), (Lines{"I - X|a|1.00|", "I - |c|1.00|", "I - |e|1.00|"}));
}

TEST_F(ListTest, DeletingMemberRowsTakesThemOutOfTheGroupAndTheLastOneDissolvesIt)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Cooking", "Cup", "1");
    group("Stove", "Pot", "Kitchen");
    list->dropOnRow(rowOf("Cup"), rowOf("+ Kitchen"));
    list->setChecked(0, true);
    list->toggleGroup(0);
    list->deleteRows({rowOf("Pot")});
    EXPECT_EQ(table(), (Lines{"G x Cooking|- Kitchen|8.00|", "M x |Cup|1.00|", "M x |Stove|7.00|"}));
    EXPECT_EQ(list->totalLine(), "8.00 oz. (0.50 lbs)");
    list->toggleGroup(0);
    list->toggleGroup(0);
    EXPECT_EQ(table(), (Lines{"G x Cooking|- Kitchen|8.00|", "M x |Cup|1.00|", "M x |Stove|7.00|"}));
    list->deleteRows({1, 2});
    EXPECT_EQ(table(), Lines{});
    EXPECT_TRUE(list->groupNames().empty());
    EXPECT_EQ(list->totalLine(), "0.00 oz. (0.00 lbs)");
}

TEST_F(ListTest, DeletingAnExpandedGroupTakesItsMemberRowsAndFreesItsName)
{
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    add("Tent", "Fly", "1");
    group("Stove", "Pot", "Kitchen");
    list->toggleGroup(0);
    EXPECT_EQ(list->deleteRows({0, 2}), -1);
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|1.00|"}));
    EXPECT_TRUE(list->groupNames().empty());
}

// --- Units ----------------------------------------------------------------------------------------

TEST_F(ListTest, ConvertRewritesEveryWeightAndTheHeading)
{
    add("Misc", "Stakes", "2", "3");
    add("Misc", "Pot", "5");
    add("Misc", "Stove", "7");
    group("Stove", "Pot", "Kitchen");
    EXPECT_EQ(list->columns().columns[2].heading, "Weight (oz)");
    EXPECT_EQ(list->convert(), std::nullopt);
    EXPECT_TRUE(list->metric());
    EXPECT_EQ(list->columns().columns[2].heading, "Weight (gm)");
    EXPECT_EQ(fieldText(list->record(rowOf("Stakes")).unitWeight), "56.75");
    EXPECT_EQ(fieldText(list->record(rowOf("Stakes")).weight), "170.25");
    EXPECT_EQ(list->cellText(rowOf("+ Kitchen"), 2), "340.50");
    EXPECT_EQ(list->totalLine(), "0.00 gm. (0.00 kgs)");
    EXPECT_EQ(list->convert(), std::nullopt);
    EXPECT_EQ(fieldText(list->record(rowOf("Stakes")).unitWeight), "2.0");
    EXPECT_EQ(fieldText(list->record(rowOf("Stakes")).weight), "6.0");
    EXPECT_EQ(list->totalLine(), "0.00 oz. (0.00 lbs)");
}

TEST_F(ListTest, ConvertRewritesTheTotalLineOfTickedRowsInTheNewUnit)
{
    add("Misc", "Pot", "16");
    list->setChecked(0, true);
    EXPECT_EQ(list->totalLine(), "16.00 oz. (1.00 lbs)");
    list->convert();
    EXPECT_EQ(list->totalLine(), "454.00 gm. (0.45 kg)");
}

TEST_F(ListTest, AnyTickChangeAfterConvertWritesTheZeroLineInTheNormalFormat)
{
    add("Misc", "Pot", "5");
    add("Misc", "Stove", "7");
    add("Misc", "Feather", "0");
    group("Stove", "Pot", "Kitchen");
    list->toggleGroup(rowOf("+ Kitchen"));
    list->convert();
    ASSERT_EQ(list->totalLine(), "0.00 gm. (0.00 kgs)");
    list->setChecked(rowOf("Pot"), false); // a member row's box carries no weight
    EXPECT_EQ(list->totalLine(), "0.00 gm. (0.00 kg)");
    EXPECT_TRUE(list->isChecked(rowOf("Pot")));

    list->convert();
    list->convert();
    ASSERT_EQ(list->totalLine(), "0.00 gm. (0.00 kgs)");
    list->setChecked(rowOf("Feather"), true);
    EXPECT_EQ(list->totalLine(), "0.00 gm. (0.00 kg)");
}

TEST_F(ListTest, ConvertRefusesWhatWouldNotFitAndChangesNothing)
{
    add("Misc", "Anvil", "99999");
    add("Misc", "Pin", "1");
    const Lines before = table();
    EXPECT_EQ(list->convert(), (Message{"Some weights would be too large after converting. Nothing was converted.\r\n"
                                        "The first that would not fit is \"Anvil\".",
                                        "Important!", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(table(), before);
    EXPECT_FALSE(list->metric());
}

// --- Categories -----------------------------------------------------------------------------------

TEST_F(ListTest, ACategoryIsInUseEvenWhenOnlyACollapsedGroupsMemberCarriesIt)
{
    add("Cooking", "Pot", "5");
    add("Fuel", "Canister", "7");
    group("Canister", "Pot", "Kitchen");
    EXPECT_TRUE(list->categoryInUse("Fuel"));
    EXPECT_TRUE(list->categoryInUse("Cooking"));
    EXPECT_FALSE(list->categoryInUse("fuel"));
    EXPECT_FALSE(list->categoryInUse("Tent"));
}

TEST_F(ListTest, RenamingACategoryRenamesItemsGroupsAndMembersAndSortsAgain)
{
    add("Tent", "Fly", "1");
    add("Bed", "Mat", "2");
    add("Tent", "Pegs", "3");
    add("Cooking", "Pot", "4");
    group("Pegs", "Pot", "Mixed");
    list->sortByColumn(2);
    list->renameCategory("Tent", "Abode");
    EXPECT_FALSE(list->otherSort());
    list->toggleGroup(rowOf("+ Mixed"));
    EXPECT_EQ(table(), (Lines{"I - Abode|Fly|1.00|", "I - Bed|Mat|2.00|", "G - Cooking|- Mixed|7.00|",
                              "M x |Pegs|3.00|", "M x |Pot|4.00|"}));
    EXPECT_EQ(fieldText(list->record(rowOf("Pegs")).category), "Abode");
}

TEST_F(ListTest, ModifyKeepsACategoryThatHasLeftTheList)
{
    list->setCategories({"Clothes", "Tent"});
    add("Clothes", "Shirt", "5");
    list->setCategories({"Tent"});
    auto setup = std::get<ItemEditorSetup>(list->modifySetup({rowOf("Shirt")}));
    EXPECT_EQ(setup.categories, (std::vector<std::string>{"Clothes", "Tent"}));
    EXPECT_EQ(setup.entry.category, "Clothes");
    setup.entry.unitWeight = "6";
    ASSERT_EQ(list->modifyItem(rowOf("Shirt"), setup.entry), std::nullopt);
    EXPECT_EQ(table(), (Lines{"I - Clothes|Shirt|6.00|"}));
    EXPECT_EQ(list->categories(), (std::vector<std::string>{"Tent"}));
}

// Categories are told apart exactly: "tent" is not "Tent".
TEST_F(ListTest, RenamingACategoryLeavesTheOnesThatDifferOnlyInCase)
{
    add("Tent", "Fly", "1");
    add("tent", "Tarp", "2");
    add("tent", "Pole", "3");
    add("Tent", "Pegs", "4");
    group("Pole", "Pegs", "Poles");
    list->renameCategory("Tent", "Shelter");
    list->toggleGroup(rowOf("+ Poles"));
    EXPECT_EQ(fieldText(list->record(rowOf("Fly")).category), "Shelter");
    EXPECT_EQ(fieldText(list->record(rowOf("Pegs")).category), "Shelter");
    EXPECT_EQ(fieldText(list->record(rowOf("Tarp")).category), "tent");
    EXPECT_EQ(fieldText(list->record(rowOf("Pole")).category), "tent");
}

// --- Columns --------------------------------------------------------------------------------------

// A deleted column's texts go with it, the last column's too: a column added later starts empty.
TEST_F(ListTest, ADeletedLastColumnsTextsDoNotComeBackInTheNextColumn)
{
    list->addColumn("1", FormatLeft);
    list->addColumn("2", FormatLeft);
    add("A", "item", "1", "1", {"a", "b"});
    list->deleteColumns({1});
    list->addColumn("3", FormatLeft);
    EXPECT_EQ(table(), (Lines{"I - A|item|1.00||a|"}));
}

TEST_F(ListTest, DeletingColumnsRemovesTheirTextsByPositionFromRowsAndMembers)
{
    for (const char* heading : {"1", "2", "3", "4", "5"})
        list->addColumn(heading, FormatLeft);
    add("A", "full", "1", "1", {"t1", "t2", "t3", "t4", "t5"});
    add("A", "same", "1", "1", {"x", "x", "x", "x", "x"});
    add("A", "member", "1", "1", {"m1", "m2", "m3", "m4", "m5"});
    add("A", "target", "1", "1", {"g1", "g2", "g3", "g4", "g5"});
    group("member", "target", "G");
    list->deleteColumns({3, 1});
    EXPECT_EQ(list->columnCount(), 7);
    EXPECT_EQ(list->columns().columns[5].heading, "3");
    list->toggleGroup(rowOf("+ G"));
    EXPECT_EQ(table(), (Lines{"I - A|full|1.00||t1|t3|t5", "G - |- G|2.00||||", "M x |target|1.00||g1|g3|g5",
                              "M x |member|1.00||m1|m3|m5", "I - |same|1.00||x|x|x"}));
}

TEST_F(ListTest, DeletingAColumnLeavesShorterTextListsAlone)
{
    list->addColumn("1", FormatLeft);
    list->addColumn("2", FormatLeft);
    add("A", "short", "1", "1", {"a", "b"});
    list->addColumn("3", FormatLeft);
    list->addColumn("4", FormatLeft);
    list->deleteColumns({3});
    EXPECT_EQ(list->columnCount(), 7);
    EXPECT_EQ(table(), (Lines{"I - A|short|1.00||a|b|"}));
    EXPECT_EQ(menuStates(0).deleteColumn, true);
    list->deleteColumns({0, 1, 2});
    EXPECT_EQ(menuStates(0).deleteColumn, false);
    EXPECT_EQ(menuStates(0).modifyColumn, false);
}

TEST_F(ListTest, ModifyingAColumnChangesItsHeadingAndAlignmentAndKeepsItsTexts)
{
    list->addColumn("Where", FormatRight);
    add("A", "one", "1", "1", {"pack"});
    list->modifyColumn(0, "Pocket", FormatCenter);
    EXPECT_EQ(list->columns().columns[4], (ListColumn{"Pocket", FormatCenter, 100}));
    EXPECT_EQ(document->settings().userColumns, (std::vector<UserColumn>{{"Pocket", FormatCenter, 4}}));
    EXPECT_EQ(table(), (Lines{"I - A|one|1.00||pack"}));
}

TEST_F(ListTest, NoColumnIsAddedBeyondWhatTheSettingsHold)
{
    for (int k = 0; k < maxUserColumns; ++k)
        ASSERT_EQ(list->addColumn("C", FormatLeft), std::nullopt);
    const Message full{"No more columns can be added.", "Oops!", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(list->addColumnRefusal(), full);
    EXPECT_EQ(list->addColumn("C", FormatLeft), full);
    EXPECT_EQ(list->columnCount(), fixedColumnCount + maxUserColumns);
}

// --- Configure ------------------------------------------------------------------------------------

// The window draws every row and the empty area again when it hears of them.
TEST_F(ListTest, NewListColoursAreToldOnceAndColourTheCells)
{
    add("Tent", "Fly", "12");
    add("Tent", "Pegs", "3");
    const int stateChanges = observer.stateChanges;
    document->setListColors(0x00112233, 0x80000005, 0x00445566);
    EXPECT_EQ(observer.stateChanges, stateChanges + 1);
    EXPECT_EQ(document->cellColor(0, 0), 0x80000005u);
    EXPECT_EQ(document->cellColor(1, 1), 0x00112233u);
    EXPECT_EQ(document->settings().groupColor, 0x00445566u);
}

// Each printing option reaches the settings as its own flag.
TEST_F(ListTest, ThePrintOptionsAreKeptEachInItsOwnFlag)
{
    const std::vector<std::array<bool, 3>> cases = {{false, true, true}, {true, false, true}, {true, true, false}};
    for (const auto& [totalEachCategory, showGrandTotal, printNotes] : cases) {
        document->setPrintOptions(totalEachCategory, showGrandTotal, printNotes);
        const Settings settings = document->settings();
        EXPECT_EQ((std::array<bool, 3>{settings.totalCategories, settings.showGrandTotal, settings.printNotes}),
                  (std::array<bool, 3>{totalEachCategory, showGrandTotal, printNotes}));
    }
}

// --- Menus ----------------------------------------------------------------------------------------

TEST_F(ListTest, MenuEntriesFollowTheListAndTheHighlight)
{
    EXPECT_EQ(menuStates(0), MenuStates{});
    add("Cooking", "Pot", "5");
    add("Cooking", "Stove", "7");
    MenuStates expected;
    expected.save = expected.saveAs = expected.print = expected.exportList = true;
    expected.selectAll = true;
    expected.undo = true;
    EXPECT_EQ(menuStates(0), expected);
    group("Stove", "Pot", "Kitchen");
    list->setChecked(0, true);
    expected.remove = expected.modify = expected.markWorn = expected.markConsumable = true;
    expected.selectAll = false;
    expected.expandAll = expected.collapseAll = true;
    expected.clearSelected = expected.hideSelected = expected.hideNonSelected = true;
    EXPECT_EQ(menuStates(1), expected);
    EXPECT_STREQ(controlStates(*list, 0).hideNonSelectedText, "Hide &Non-Selected");
    EXPECT_STREQ(controlStates(*list, 0).hideSelectedText, "&Hide Selected");
}
