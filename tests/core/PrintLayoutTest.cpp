#include "core/reports/PrintLayout.h"
#include "ReportRowsSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

using namespace cairnly;
using namespace cairnly::testing;

namespace {

// At 10 points: lines 10 pixels high, characters 6 wide.
FontMeasure measure(int points)
{
    return {points - 2, 2, points * 6 / 10};
}

// 75 characters across; 100 pixels per inch; the bottom limit at the top of line 4 + bodyLines, so rows
// of one line stand on lines 4 to 4 + bodyLines and lines that must end above the limit (a row with its
// notes, a group's members, the closing lines) on lines 4 to 3 + bodyLines; the footer on line 21 of an
// 8-line body.
PrintablePage page(int bodyLines = 8)
{
    return {456, (4 + bodyLines) * 10 + 100 + 5, 100};
}

const PrintOptions allOn{true, true, true};
const PrintOptions allOff{false, false, false};
const PrintOptions noNotes{true, true, false};

// The pages' body lines and footers as "line: text", runs of spaces shown as " | "; the title, heading
// and rule are left out.
std::string body(const PrintLayout& layout)
{
    std::string out;
    for (const PrintedPage& printed : layout.pages) {
        out += "====\n";
        for (const PlacedText& text : printed) {
            if (text.y < 40)
                continue;
            std::string shown = std::regex_replace(text.text, std::regex("^ +| +$"), "");
            out += std::to_string(text.y / 10) + ": " + std::regex_replace(shown, std::regex("  +"), " | ") + "\n";
        }
    }
    return out;
}

PrintLayout layOut(const ReportList& list, const PrintOptions& options, int bodyLines = 8)
{
    return layOutPrintout(list.rows, options, page(bodyLines), 10, measure);
}

} // namespace

TEST(PrintLayout, PlacesEveryTextOfAPageExactly)
{
    ReportList list;
    list.item("Shelter", "Tent", "48.50", "Green fly");
    list.item("Shelter", "Stakes", "4.00");
    const PrintLayout layout = layOut(list, allOn, 12);
    ASSERT_EQ(layout.pages.size(), 1u);
    const std::vector<PlacedText> expected{
        {"Cairnly", 6 * 34, 0},
        {"Category              Item                                  Wt. (oz/gm)", 6, 20},
        {"-----------------------------------------------------------------------", 6, 30},
        {"__Shelter              Tent                                     48.50     ", 6, 40},
        {"Green fly", 6, 50},
        {"__                     Stakes                                   4.00      ", 6, 60},
        {"                     *** Category Weight:                      52.50", 6, 100},
        {"                     -------------------------------------   ", 6, 110},
        {"                     Total Weight:                             52.50", 6, 120},
        {"- Page  1 -", 6 * 75 / 2, 255, TextAlignment::Centred},
    };
    EXPECT_EQ(layout.pages[0], expected);
    EXPECT_EQ(layout.fontPoints, 10);
}

TEST(PrintLayout, AnEmptyListPrintsOnePage)
{
    EXPECT_EQ(body(layOut(ReportList(), allOn)), "====\n"
                                                 "6: *** Category Weight: | 0.00\n"
                                                 "7: -------------------------------------\n"
                                                 "8: Total Weight: | 0.00\n"
                                                 "21: - Page | 1 -\n");
    EXPECT_EQ(body(layOut(ReportList(), allOff)), "====\n"
                                                  "21: - Page | 1 -\n");
}

TEST(PrintLayout, ACategoryGoingOnOverThePageGetsAWeightLineForItsPartOnEach)
{
    ReportList list;
    list.item("Cooking", "Pot", "4.6");
    list.item("Cooking", "Stove", "3.1");
    list.item("Shelter", "Tent", "48.5");
    list.item("Shelter", "Stakes", "4");
    list.item("Shelter", "Poles", "10");
    list.item("Shelter", "Pegs", "1");
    list.item("Shelter", "Bag", "20");
    list.item("Shelter", "Tarp", "5");
    EXPECT_EQ(body(layOut(list, noNotes)), "====\n"
                                           "4: __Cooking | Pot | 4.6\n"
                                           "5: __ | Stove | 3.1\n"
                                           "6: *** Category Weight: | 7.70\n"
                                           "7: -------------------------------------\n"
                                           "8: __Shelter | Tent | 48.5\n"
                                           "9: __ | Stakes | 4\n"
                                           "10: __ | Poles | 10\n"
                                           "11: __ | Pegs | 1\n"
                                           "12: __ | Bag | 20\n"
                                           "21: - Page | 1 -\n"
                                           "====\n"
                                           "4: *** Category Weight: | 83.50\n"
                                           "5: -------------------------------------\n"
                                           "6: __Shelter | Tarp | 5\n"
                                           "9: *** Category Weight: | 5.00\n"
                                           "10: -------------------------------------\n"
                                           "11: Total Weight: | 96.20\n"
                                           "21: - Page | 2 -\n");
}

// The list is printed once: a page that ends with the last row does not start the list again. The
// closing lines start two lines down on the next page, and with all options off that page has none.
TEST(PrintLayout, APageFullUpToTheLastRowLeavesOnlyTheClosingLinesForTheNext)
{
    ReportList list;
    for (const char* item : {"a", "b", "c", "d", "e", "f", "g", "h", "i"})
        list.item("Food", item, "1");
    const std::string rows = "4: __Food | a | 1\n5: __ | b | 1\n6: __ | c | 1\n7: __ | d | 1\n"
                             "8: __ | e | 1\n9: __ | f | 1\n10: __ | g | 1\n11: __ | h | 1\n12: __ | i | 1\n"
                             "21: - Page | 1 -\n";
    EXPECT_EQ(body(layOut(list, noNotes)), "====\n" + rows +
                                               "====\n"
                                               "6: *** Category Weight: | 9.00\n"
                                               "7: -------------------------------------\n"
                                               "8: Total Weight: | 9.00\n"
                                               "21: - Page | 2 -\n");
    EXPECT_EQ(body(layOut(list, allOff)), "====\n" + rows + "====\n21: - Page | 2 -\n");
}

// Each member and each closing line goes to the next page when it does not fit; with notes every row
// takes two lines, an empty note too. Member rows of an expanded group print nothing of their own.
TEST(PrintLayout, AGroupAndTheClosingLinesGoOnOverThePageLineByLine)
{
    ReportList list;
    list.item("Shelter", "Tent", "48.5", "Green");
    list.group("Cooking",
               {{"Pot", "4.6", "Lid"}, {"Stove", "3.1", "Gas"}, {"Mug", "2.4", "Blue"}, {"Spork", "0.6", ""}}, true);
    EXPECT_EQ(body(layOut(list, allOn)), "====\n"
                                         "4: __Shelter | Tent | 48.5\n"
                                         "5: Green\n"
                                         "6: *** Category Weight: | 48.50\n"
                                         "7: -------------------------------------\n"
                                         "8: __Cooking | Pot | 4.6\n"
                                         "9: Lid\n"
                                         "10: __Cooking | Stove | 3.1\n"
                                         "11: Gas\n"
                                         "21: - Page | 1 -\n"
                                         "====\n"
                                         "4: *** Category Weight: | 7.70\n"
                                         "5: -------------------------------------\n"
                                         "6: __Cooking | Mug | 2.4\n"
                                         "7: Blue\n"
                                         "8: __Cooking | Spork | 0.6\n"
                                         "21: - Page | 2 -\n"
                                         "====\n"
                                         "4: *** Category Weight: | 3.00\n"
                                         "5: -------------------------------------\n"
                                         "6: Total Weight: | 59.20\n"
                                         "21: - Page | 3 -\n");

    ReportList filled;
    for (const char* item : {"a", "b", "c", "d"})
        filled.item("Food", item, "1");
    EXPECT_EQ(body(layOut(filled, noNotes)), "====\n"
                                             "4: __Food | a | 1\n5: __ | b | 1\n6: __ | c | 1\n7: __ | d | 1\n"
                                             "10: *** Category Weight: | 4.00\n"
                                             "11: -------------------------------------\n"
                                             "21: - Page | 1 -\n"
                                             "====\n"
                                             "4: Total Weight: | 4.00\n"
                                             "21: - Page | 2 -\n");
}

// A category met again on the same page (compared without regard to case) shows no name and gets no
// weight line: its weight joins the category printed last.
TEST(PrintLayout, ASecondRunOfACategoryOnThePageJoinsTheRunningCategory)
{
    ReportList list;
    list.item("Shelter", "Tent", "48.5");
    list.item("Cooking", "Pot", "4.6");
    list.item("shelter", "Stakes", "0.5");
    EXPECT_EQ(body(layOut(list, noNotes, 12)), "====\n"
                                               "4: __Shelter | Tent | 48.5\n"
                                               "5: *** Category Weight: | 48.50\n"
                                               "6: -------------------------------------\n"
                                               "7: __Cooking | Pot | 4.6\n"
                                               "8: __ | Stakes | 0.5\n"
                                               "11: *** Category Weight: | 5.10\n"
                                               "12: -------------------------------------\n"
                                               "13: Total Weight: | 53.60\n"
                                               "25: - Page | 1 -\n");
}

// The font shrinks a point at a time until 69 characters fit, and no further than 2 points; a width of
// 0 counts as 1.
TEST(PrintLayout, TheFontShrinksUntilALineFits)
{
    struct Case
    {
        int points;
        int pageWidth;
        int widthAtTenPoints;
        int expectedPoints;
        std::vector<int> expectedAsked;
    };
    const Case cases[] = {
        {12, 700, 10, 10, {12, 11, 10}}, // 700 / 10 - 1 = 69 characters
        {10, 700, 10, 10, {10}},         {10, 100, 10, 2, {10, 9, 8, 7, 6, 5, 4, 3, 2}}, {2, 100, 10, 2, {2}},
        {10, 100, 0, 10, {10}}, // 100 / 1 - 1 = 99 characters
    };
    for (const Case& c : cases) {
        std::vector<int> asked;
        const auto measureWidth = [&](int points) {
            asked.push_back(points);
            return FontMeasure{points, 0, c.widthAtTenPoints * points / 10};
        };
        ReportList list;
        list.item("Food", "Bar", "1");
        const PrintLayout layout = layOutPrintout(list.rows, allOn, {c.pageWidth, 2000, 100}, c.points, measureWidth);
        EXPECT_EQ(layout.fontPoints, c.expectedPoints) << c.points << " points on " << c.pageWidth;
        EXPECT_EQ(asked, c.expectedAsked) << c.points << " points on " << c.pageWidth;
        EXPECT_EQ(layout.pages.size(), 1u);
    }
}

// Each print option of the settings leaves out its own part of the printout and nothing else.
TEST(PrintLayout, EachOptionOfTheSettingsTurnsOffItsPart)
{
    ReportList list;
    list.item("Shelter", "Tent", "48.5", "Green");
    list.item("Cooking", "Pot", "4.6");
    struct Case
    {
        bool Settings::*option;
        std::string body;
    };
    const Case cases[] = {
        {&Settings::totalCategories,
         "4: __Shelter | Tent | 48.5\n5: Green\n6: __Cooking | Pot | 4.6\n10: Total Weight: | 53.10\n"},
        {&Settings::showGrandTotal, "4: __Shelter | Tent | 48.5\n5: Green\n"
                                    "6: *** Category Weight: | 48.50\n7: -------------------------------------\n"
                                    "8: __Cooking | Pot | 4.6\n"
                                    "12: *** Category Weight: | 4.60\n13: -------------------------------------\n"},
        {&Settings::printNotes, "4: __Shelter | Tent | 48.5\n"
                                "5: *** Category Weight: | 48.50\n6: -------------------------------------\n"
                                "7: __Cooking | Pot | 4.6\n"
                                "10: *** Category Weight: | 4.60\n11: -------------------------------------\n"
                                "12: Total Weight: | 53.10\n"},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.*c.option = false;
        EXPECT_EQ(body(layOutPrintout(list.rows, printOptions(settings), page(12), 10, measure)),
                  "====\n" + c.body + "25: - Page | 1 -\n");
    }
}

// The bottom limit is the printable height less an inch and half a line; a page ends after the first row
// whose top reaches it, on a whole line or not.
TEST(PrintLayout, APageEndsAfterTheRowWhoseTopReachesTheLimitHalfALineIncluded)
{
    struct Case
    {
        int height; // the limit is height - 100 - 5
        std::vector<int> rowsOnEachPage;
    };
    const Case cases[] = {
        {233, {10, 2}}, // limit 128: reached by the row on line 13 (130)
        {235, {10, 2}}, // limit 130: the top of line 13 itself
        {236, {11, 1}}, // limit 131: line 14 (140)
    };
    ReportList list;
    for (int i = 0; i < 12; ++i)
        list.item("Food", "Bar", "1");
    for (const Case& c : cases) {
        std::vector<int> rowsOnEachPage;
        for (const PrintedPage& printed : layOutPrintout(list.rows, allOff, {456, c.height, 100}, 10, measure).pages)
            rowsOnEachPage.push_back(static_cast<int>(std::count_if(
                printed.begin(), printed.end(), [](const PlacedText& text) { return text.text.starts_with("__"); })));
        EXPECT_EQ(rowsOnEachPage, c.rowsOnEachPage) << c.height;
    }
}

// A row with its notes line, or a group's first member, that would pass the limit starts the next page
// instead, where a row of one line would still stand across the limit: none runs on into the footer.
TEST(PrintLayout, ANotesLineOrAGroupMemberDoesNotPassTheLimit)
{
    const PrintOptions notesOnly{false, false, true};
    ReportList withNotes;
    for (const char* item : {"a", "b", "c", "d", "e"})
        withNotes.item("Food", item, "1", "n");
    EXPECT_EQ(body(layOut(withNotes, notesOnly)), "====\n"
                                                  "4: __Food | a | 1\n5: n\n6: __ | b | 1\n7: n\n"
                                                  "8: __ | c | 1\n9: n\n10: __ | d | 1\n11: n\n"
                                                  "21: - Page | 1 -\n"
                                                  "====\n"
                                                  "4: __Food | e | 1\n5: n\n"
                                                  "21: - Page | 2 -\n");
    ReportList withGroup;
    for (const char* item : {"a", "b", "c", "d", "e", "f", "g", "h"})
        withGroup.item("Food", item, "1");
    withGroup.group("Food", {{"x", "1", ""}, {"y", "1", ""}});
    EXPECT_EQ(body(layOut(withGroup, allOff)), "====\n"
                                               "4: __Food | a | 1\n5: __ | b | 1\n6: __ | c | 1\n7: __ | d | 1\n"
                                               "8: __ | e | 1\n9: __ | f | 1\n10: __ | g | 1\n11: __ | h | 1\n"
                                               "21: - Page | 1 -\n"
                                               "====\n"
                                               "4: __Food | x | 1\n5: __Food | y | 1\n"
                                               "21: - Page | 2 -\n");
}

// A group that goes on over the page notes its category there: what follows in the category is not a new
// category on that page.
TEST(PrintLayout, AGroupGoingOnOverThePageNotesItsCategoryThere)
{
    ReportList list;
    list.group("Cooking", {{"m1", "1", ""},
                           {"m2", "1", ""},
                           {"m3", "1", ""},
                           {"m4", "1", ""},
                           {"m5", "1", ""},
                           {"m6", "1", ""},
                           {"m7", "1", ""},
                           {"m8", "1", ""},
                           {"m9", "1", ""},
                           {"m10", "1", ""}});
    list.item("Cooking", "Lid", "2");
    PrintLayout layout = layOut(list, noNotes);
    ASSERT_EQ(layout.pages.size(), 3u);
    EXPECT_EQ(layout.pages[0].size(), 3u + 8u + 1u); // title, heading, rule, members m1 to m8, footer
    layout.pages = {layout.pages[1]};
    EXPECT_EQ(body(layout), "====\n"
                            "4: *** Category Weight: | 8.00\n"
                            "5: -------------------------------------\n"
                            "6: __Cooking | m9 | 1\n"
                            "7: __Cooking | m10 | 1\n"
                            "8: __ | Lid | 2\n"
                            "21: - Page | 2 -\n");
}

// However short the page, each takes at least one row or closing line, so printing ends.
TEST(PrintLayout, APageTooShortForAnyRowStillTakesOne)
{
    ReportList list;
    list.item("Food", "a", "1");
    list.item("Food", "b", "2");
    const PrintLayout layout = layOutPrintout(list.rows, noNotes, {456, 50, 100}, 10, measure);
    EXPECT_EQ(body(layout), "====\n4: __Food | a | 1\n4: - Page | 1 -\n"
                            "====\n4: *** Category Weight: | 1.00\n5: -------------------------------------\n"
                            "6: __Food | b | 2\n4: - Page | 2 -\n"
                            "====\n6: *** Category Weight: | 2.00\n7: -------------------------------------\n"
                            "4: - Page | 3 -\n"
                            "====\n4: Total Weight: | 3.00\n4: - Page | 4 -\n");
}
