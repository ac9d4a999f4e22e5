// Worn and consumable marks in the user columns, and the five weights backpackers plan a trip by.
#include "core/reports/TripWeights.h"
#include "ListSupport.h"
#include "core/list/ColumnMarks.h"
#include "core/reports/Totals.h"
#include "core/text/Numbers.h"

using namespace cairnly;
using namespace cairnly::testing;

namespace {

std::string splitText(const WeightSplit& split)
{
    return formatFixed(split.base, 2) + "/" + formatFixed(split.consumable, 2) + "/" + formatFixed(split.worn, 2);
}

} // namespace

TEST(ColumnMarks, EveryTextButTheWordsForNoIsAMark)
{
    const std::pair<const char*, bool> cases[] = {
        {"", false},   {"0", false},     {"no", false},    {"No", false}, {"NO", false},  {"n", false},
        {"N", false},  {"false", false}, {"FaLsE", false}, {"-", false},  {"Worn", true}, {"Consumable", true},
        {"yes", true}, {"1", true},      {"x", true},      {"00", true},  {"none", true}, {"--", true},
        {" ", true},   {"no ", true},    {"nein", true},
    };
    for (const auto& [text, marked] : cases)
        EXPECT_EQ(isMarkText(text), marked) << '"' << text << '"';
}

TEST(ColumnMarks, TheFirstColumnOfTheHeadingCountsWithoutRegardToCaseOrSurroundingSpaces)
{
    const std::vector<UserColumn> columns = {{"Colour", FormatLeft, 4},
                                             {"  wORn\t", FormatLeft, 5},
                                             {"Worn", FormatLeft, 6},
                                             {"Consumables", FormatLeft, 7},
                                             {"CONSUMABLE", FormatRight, 8}};
    EXPECT_EQ(markColumn(columns, Mark::Worn), 1);
    EXPECT_EQ(markColumn(columns, Mark::Consumable), 4);
    EXPECT_EQ(columnHeaded(columns, " colour "), 0);
    EXPECT_EQ(columnHeaded(columns, "Price"), -1);
    EXPECT_EQ(markColumn({}, Mark::Worn), -1);
}

// Every case in one list, in ounces and in grams: a worn item of two (one worn, one carried), worn and
// consumable items, one marked both ways, a "no" that marks nothing, unticked marked rows that count for
// nothing, and an expanded worn group whose member's own consumable text does not count.
TEST_F(ListTest, TheFiveWeightsSplitTheTickedRowsByTheirMarks)
{
    struct Item
    {
        const char* category;
        const char* item;
        const char* ounces;
        const char* grams;
        const char* multiplier;
        std::vector<std::string> texts; // Colour, Worn, Consumable
        bool ticked;
    };
    const std::vector<Item> items = {
        {"Clothes", "Shirt", "5.25", "150", "2", {"blue", "Worn", ""}, true},
        {"Clothes", "Jacket", "12.1", "345", "1", {"", "x", ""}, true},
        {"Food", "Dinners", "20.3", "580", "3", {"", "", "Consumable"}, true},
        {"Water", "Bottle", "1.5", "42.5", "2", {"", "Worn", "yes"}, true},
        {"Shelter", "Tent", "40.2", "1150", "1", {"green", "", ""}, true},
        {"Clothes", "Sandals", "9.9", "281", "1", {"", "no", ""}, true},
        {"Clothes", "Spare socks", "2.2", "60", "1", {"", "Worn", ""}, false},
        {"Food", "Extra food", "15", "430", "1", {"", "", "Consumable"}, false},
        {"Clothes", "Gloves", "1.5", "40", "2", {"", "", "yes"}, false},
        {"Clothes", "Hat", "2.6", "75", "1", {"", "", ""}, false},
    };
    const std::pair<bool, Lines> units[] = {
        {false,
         {"Base Weight           :  55.35 oz. (  3.46 lb)", "Consumable            :  62.40 oz. (  3.90 lb)",
          "Worn                  :  24.45 oz. (  1.53 lb)", "Pack Weight           : 117.75 oz. (  7.36 lb)",
          "Skin-Out Weight       : 142.20 oz. (  8.89 lb)"}},
        {true,
         {"Base Weight           : 1581.00 gm. (  1.58 kg)", "Consumable            : 1782.50 gm. (  1.78 kg)",
          "Worn                  :  692.50 gm. (  0.69 kg)", "Pack Weight           : 3363.50 gm. (  3.36 kg)",
          "Skin-Out Weight       : 4056.00 gm. (  4.06 kg)"}},
    };
    for (const auto& [metric, expected] : units) {
        Settings settings;
        settings.metric = metric;
        makeDocument(settings);
        for (const char* heading : {"Colour", "Worn", "Consumable"})
            list->addColumn(heading, FormatLeft);
        for (const Item& item : items) {
            add(item.category, item.item, metric ? item.grams : item.ounces, item.multiplier, item.texts);
            ASSERT_EQ(list->setChecked(rowOf(item.item), item.ticked), std::nullopt);
        }
        group("Gloves", "Hat", "Hands");
        ASSERT_EQ(list->toggleMark({rowOf("+ Hands")}, Mark::Worn), std::nullopt);
        ASSERT_EQ(list->setChecked(rowOf("+ Hands"), true), std::nullopt);
        list->toggleGroup(rowOf("+ Hands"));

        EXPECT_EQ(tripWeightLines(tripWeights(*list), metric), expected) << metric;
        // Skin-out is everything ticked: the Grand Total.
        const Lines totals = totalsLines(categoryTotals(reportRows(*list)), metric);
        EXPECT_EQ(totals.back().substr(24), expected.back().substr(24)) << metric;
        // The chart's bars: one split per run of the Totals lines, base/consumable/worn.
        const Lines runs =
            metric ? Lines{"431.00/0.00/650.00", "0.00/1740.00/0.00", "1150.00/0.00/0.00", "0.00/42.50/42.50"}
                   : Lines{"15.15/0.00/22.95", "0.00/60.90/0.00", "40.20/0.00/0.00", "0.00/1.50/1.50"};
        Lines shown;
        for (const WeightSplit& run : tripWeightsByRun(reportRows(*list), list->userColumns()))
            shown.push_back(splitText(run));
        EXPECT_EQ(shown, runs) << metric;
        EXPECT_EQ(totals.size(), runs.size() + 2);
    }
}

TEST_F(ListTest, WithoutTheColumnsEveryTickedWeightIsBaseWeight)
{
    add("Tent", "Fly", "12.5", "2");
    add("Food", "Oats", "4");
    add("Food", "Nuts", "7");
    list->setChecked(rowOf("Fly"), true);
    list->setChecked(rowOf("Oats"), true);
    EXPECT_EQ(tripWeightLines(tripWeights(*list), false),
              (Lines{"Base Weight           :  29.00 oz. (  1.81 lb)", "Consumable            :   0.00 oz. (  0.00 lb)",
                     "Worn                  :   0.00 oz. (  0.00 lb)", "Pack Weight           :  29.00 oz. (  1.81 lb)",
                     "Skin-Out Weight       :  29.00 oz. (  1.81 lb)"}));
    EXPECT_EQ(tripWeightsByRun(reportRows(*list), list->userColumns()).size(), 2u);
}

// --- Mark Worn and Mark Consumable ----------------------------------------------------------------

TEST_F(ListTest, MarkingAddsTheColumnOnceAndTogglesTheHighlightedRowsInOneChange)
{
    list->addColumn("Colour", FormatRight);
    add("Tent", "Fly", "12", "1", {"green"});
    add("Clothes", "Shirt", "5");
    add("Clothes", "Hat", "2");
    const int changes = observer.stateChanges;
    ASSERT_EQ(list->toggleMark({rowOf("Fly"), rowOf("Shirt")}, Mark::Worn), std::nullopt);
    EXPECT_EQ(observer.stateChanges, changes + 1);
    EXPECT_EQ(list->columns().columns.back(), (ListColumn{"Worn", FormatLeft, 100}));
    EXPECT_EQ(list->userColumns().back(), (UserColumn{"Worn", FormatLeft, 5}));
    EXPECT_EQ(table(), (Lines{"I - Clothes|Hat|2.00|||", "I - |Shirt|5.00|||Worn", "I - Tent|Fly|12.00||green|Worn"}));

    // The user's own word for a mark stays when a mixed choice is marked; a choice all marked is cleared.
    ASSERT_EQ(list->modifyItem(rowOf("Shirt"), ItemEntry{"Clothes", "Shirt", "5", "1", "", {"", "yes"}}), std::nullopt);
    ASSERT_EQ(list->toggleMark({rowOf("Shirt"), rowOf("Hat")}, Mark::Worn), std::nullopt);
    EXPECT_EQ(table(),
              (Lines{"I - Clothes|Hat|2.00|||Worn", "I - |Shirt|5.00|||yes", "I - Tent|Fly|12.00||green|Worn"}));
    ASSERT_EQ(list->toggleMark({rowOf("Shirt"), rowOf("Hat")}, Mark::Worn), std::nullopt);
    EXPECT_EQ(table(), (Lines{"I - Clothes|Hat|2.00|||", "I - |Shirt|5.00|||", "I - Tent|Fly|12.00||green|Worn"}));

    ASSERT_EQ(list->toggleMark({rowOf("Fly")}, Mark::Consumable), std::nullopt);
    EXPECT_EQ(list->columnHeadings(), (std::vector<std::string>{"Colour", "Worn", "Consumable"}));
    EXPECT_EQ(table(),
              (Lines{"I - Clothes|Hat|2.00||||", "I - |Shirt|5.00||||", "I - Tent|Fly|12.00||green|Worn|Consumable"}));
    const int before = observer.stateChanges;
    EXPECT_EQ(list->toggleMark({}, Mark::Worn), std::nullopt);
    EXPECT_EQ(observer.stateChanges, before);
}

// A member row stands for its group: the group row carries the mark, the members' own texts stay.
TEST_F(ListTest, AHighlightedMemberRowMarksItsGroup)
{
    list->addColumn("Consumable", FormatLeft);
    add("Food", "Oats", "4", "1", {"no"});
    add("Food", "Nuts", "7");
    add("Food", "Salt", "1");
    group("Nuts", "Oats", "Breakfast");
    list->toggleGroup(rowOf("+ Breakfast"));
    ASSERT_EQ(list->toggleMark({rowOf("Oats"), rowOf("Nuts"), rowOf("- Breakfast")}, Mark::Consumable), std::nullopt);
    EXPECT_EQ(table(), (Lines{"G - Food|- Breakfast|11.00||Consumable", "M x |Oats|4.00||no", "M x |Nuts|7.00||",
                              "I - |Salt|1.00||"}));
    EXPECT_EQ(columnText(*list->record(rowOf("- Breakfast")).members->get(2), 0), "no");
    ASSERT_EQ(list->toggleMark({rowOf("Nuts"), rowOf("Salt")}, Mark::Consumable), std::nullopt);
    EXPECT_EQ(table(), (Lines{"G - Food|- Breakfast|11.00||Consumable", "M x |Oats|4.00||no", "M x |Nuts|7.00||",
                              "I - |Salt|1.00||Consumable"}));
    ASSERT_EQ(list->toggleMark({rowOf("Oats"), rowOf("Salt")}, Mark::Consumable), std::nullopt);
    EXPECT_EQ(table(),
              (Lines{"G - Food|- Breakfast|11.00||", "M x |Oats|4.00||no", "M x |Nuts|7.00||", "I - |Salt|1.00||"}));
}

TEST_F(ListTest, MarkingIsRefusedInAHideModeAndWhenNoColumnCanBeAdded)
{
    add("Tent", "Fly", "12");
    list->setChecked(0, true);
    document->setHideNonSelected(true);
    EXPECT_EQ(list->toggleMark({0}, Mark::Worn),
              (Message{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list", "Important!",
                       MessageIcon::Exclamation, MessageButtons::Ok}));
    document->setHideNonSelected(false);
    EXPECT_EQ(list->columnCount(), fixedColumnCount);

    for (int k = 1; k < maxUserColumns; ++k)
        ASSERT_EQ(list->addColumn("C", FormatLeft), std::nullopt);
    ASSERT_EQ(list->toggleMark({0}, Mark::Worn), std::nullopt);
    const Message full{"No more columns can be added.", "Oops!", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(list->toggleMark({0}, Mark::Consumable), full);
    EXPECT_EQ(list->columnCount(), fixedColumnCount + maxUserColumns);
    EXPECT_EQ(list->cellText(0, list->columnCount() - 1), "Worn");
}
