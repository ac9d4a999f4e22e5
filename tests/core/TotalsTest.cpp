// The Totals command's lines: one per run of a category in list order, ticked weights only.
#include "core/reports/Totals.h"
#include "ListSupport.h"
#include "ReportRowsSupport.h"

using namespace cairnly;
using namespace cairnly::testing;

namespace {

class TotalsTest : public ListTest
{
protected:
    Lines lines() { return totalsLines(categoryTotals(reportRows(*list)), list->metric()); }

    void startInGrams()
    {
        Settings grams;
        grams.metric = true;
        makeDocument(grams);
    }

    void tick(const std::string& shownItem) { ASSERT_EQ(list->setChecked(rowOf(shownItem), true), std::nullopt); }
};

const std::string separator(43, '-');

} // namespace

TEST_F(TotalsTest, AnEmptyListGivesANamelessLineTheSeparatorAndTheGrandTotal)
{
    EXPECT_EQ(lines(), (Lines{"                      :   0.00 oz. (  0.00 lb)", separator,
                              "Grand Total           :   0.00 oz. (  0.00 lb)"}));
    startInGrams();
    EXPECT_EQ(lines(), (Lines{"                      :    0.00 gm. (  0.00 kg)", separator,
                              "Grand Total           :    0.00 gm. (  0.00 kg)"}));
}

TEST_F(TotalsTest, SumsTheTickedRowsOfEachCategoryUnderItsFirstSpelling)
{
    add("Sleeping bag & quilt", "Quilt", "19.5"); // 20 characters: the category field's longest
    add("Cooking", "Pot", "4.6");
    add("cooking", "Stove", "3.1");
    add("Cooking", "Mug", "2.4");
    add("Tent", "Fly", "40");
    tick("Quilt");
    tick("Pot");
    tick("Stove");
    tick("Fly");
    // "Cooking" and "cooking" stand together, so they are one run; the unticked Mug adds nothing.
    EXPECT_EQ(lines(),
              (Lines{"Cooking               :   7.70 oz. (  0.48 lb)", "Sleeping bag & quilt  :  19.50 oz. (  1.22 lb)",
                     "Tent                  :  40.00 oz. (  2.50 lb)", separator,
                     "Grand Total           :  67.20 oz. (  4.20 lb)"}));
}

TEST_F(TotalsTest, AnExpandedTickedGroupCountsOnceAndAgreesWithTheTotalLine)
{
    add("Cooking", "Pot", "4.6");
    add("Cooking", "Stove", "3.1");
    add("Water", "Bottle", "1.25", "2");
    group("Stove", "Pot", "Kit");
    tick("+ Kit");
    tick("Bottle");
    list->toggleGroup(rowOf("+ Kit"));
    ASSERT_EQ(list->kind(rowOf("Pot")), RowKind::Member);
    EXPECT_EQ(lines(),
              (Lines{"Cooking               :   7.70 oz. (  0.48 lb)", "Water                 :   2.50 oz. (  0.16 lb)",
                     separator, "Grand Total           :  10.20 oz. (  0.64 lb)"}));
    EXPECT_EQ(list->totalLine(), "10.20 oz. (0.64 lbs)");
}

TEST_F(TotalsTest, AWeightSortSplitsACategoryIntoRunsAndGramsWidenTheField)
{
    startInGrams();
    add("Tent", "Inner", "1500");
    add("Tent", "Pegs", "120");
    add("Cooking", "Stove", "300");
    tick("Inner");
    tick("Pegs");
    tick("Stove");
    list->sortByColumn(2);
    EXPECT_EQ(lines(), (Lines{"Tent                  :  120.00 gm. (  0.12 kg)",
                              "Cooking               :  300.00 gm. (  0.30 kg)",
                              "Tent                  : 1500.00 gm. (  1.50 kg)", separator,
                              "Grand Total           : 1920.00 gm. (  1.92 kg)"}));
}

// A category is named by its first row, ticked or not, so one whose rows are all unticked keeps its line.
TEST(Totals, ACategoryOfUntickedRowsStillGetsItsLine)
{
    ReportList list;
    list.item("Cooking", "Stove", "20");
    list.item("Tent", "Fly", "40").ticked = true;
    EXPECT_EQ(totalsLines(categoryTotals(list.rows), false),
              (Lines{"Cooking               :   0.00 oz. (  0.00 lb)", "Tent                  :  40.00 oz. (  2.50 lb)",
                     separator, "Grand Total           :  40.00 oz. (  2.50 lb)"}));
}
