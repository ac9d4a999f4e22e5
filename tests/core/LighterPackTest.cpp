// LighterPack's CSV: the reader, the import into a list, the export and the round trip between them.
#include "ListSupport.h"
#include "ReportRowsSupport.h"

#include "core/interchange/CsvReader.h"
#include "core/interchange/LighterPack.h"
#include "core/list/ColumnMarks.h"
#include "core/text/Numbers.h"

#include <algorithm>
#include <filesystem>

using namespace cairnly;
using namespace cairnly::testing;

namespace {

// Each record as "category|item|notes|unitWeight|multiplier|weight".
Lines recordLines(const LighterPackRows& parsed)
{
    Lines lines;
    for (const auto& r : parsed.records)
        lines.push_back(std::string(fieldText(r->category)) + "|" + std::string(fieldText(r->item)) + "|" +
                        std::string(fieldText(r->notes)) + "|" + std::string(fieldText(r->unitWeight)) + "|" +
                        std::string(fieldText(r->multiplier)) + "|" + std::string(fieldText(r->weight)));
    return lines;
}

} // namespace

TEST(CsvReader, ReadsQuotedFieldsEveryLineEndAndTakesStrayQuotesLiterally)
{
    struct Case
    {
        std::string text;
        std::vector<CsvRow> rows;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"a,b\r\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"\xEF\xBB\xBFItem,x\r\n", {{1, {"Item", "x"}}}},
        {"\"Stakes, 6\",\"12\"\" pad\",\"\"\n", {{1, {"Stakes, 6", "12\" pad", ""}}}},
        {"\"two\r\nlines\",x\r\nnext\n", {{1, {"two\r\nlines", "x"}}, {3, {"next"}}}},
        {"a\"b\",c\n", {{1, {"a\"b\"", "c"}}}},
        {"\"q\"tail,x\n", {{1, {"qtail", "x"}}}},
        {"a,\n\n,b\n", {{1, {"a", ""}}, {2, {""}}, {3, {"", "b"}}}},
        {"\"open\nto the end", {{1, {"open\nto the end"}}}},
        {"old\rmac,x\r", {{1, {"old"}}, {2, {"mac", "x"}}}},
        {"\"two\rlines\",x\rnext", {{1, {"two\rlines", "x"}}, {3, {"next"}}}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(readCsv(text), expected) << text;
}

TEST(LighterPackImport, TakesWhatLighterPackTakesFitsTheTextsAndSaysWhatItSkipped)
{
    const std::string csv = "\xEF\xBB\xBFItem Name,Category,desc,qty,weight,unit,url,price,worn,consumable\r\n"
                            "Tent,Shelter,\"2 poles, 8 stakes\",1,32,ounce,https://example.com,200,,\r\n"
                            "\"Pad \"\"XL\"\"\",Sleeping,\"inflate\r\nslowly\",.5,1.5,lb,,,Worn,\r\n"
                            "Spoon,,,2,10,g,,,,\n"
                            "Sleeping bag with a name far longer than forty characters,Sleeping,,1,2,kg\n"
                            "Caf\xC3\xA9 \xE2\x98\x95\tcup,Kitchen and other places,\xFF,1, 3 ,oz\n"
                            "\n"
                            "Two,Kitchen,,two,3,oz\n"
                            "Heavy,Kitchen,,1,heavy,oz\n"
                            "Rock,Kitchen,,1,3,stone\n"
                            "Short,Kitchen,1,2\n"
                            "Huge,Kitchen,,1,1000000000,oz\n"
                            "Many,Kitchen,,10000,1,oz\n"
                            "Product,Kitchen,,99,999999,oz\n";
    const LighterPackRows parsed = parseLighterPack(csv, false);
    EXPECT_EQ(recordLines(parsed), (Lines{
                                       "Shelter|Tent|2 poles, 8 stakes|32.00|1|32.00",
                                       "Sleeping|Pad \"XL\"|inflate slowly|24.00|0.5|12.00",
                                       "Miscellaneous|Spoon||0.35|2|0.70",
                                       "Sleeping|Sleeping bag with a name far longer than||70.48|1|70.48",
                                       "Kitchen and other pl|Caf\xE9 ? cup|?|3.00|1|3.00",
                                   }));
    EXPECT_EQ(importSummary(parsed), "5 items were added to the list.\n"
                                     "6 texts were cut to fit a field or had characters replaced:\n"
                                     "Line 3: the desc became \"inflate slowly\".\n"
                                     "Line 5: the Category became \"Miscellaneous\".\n"
                                     "Line 6: the Item Name became \"Sleeping bag with a name far longer than\".\n"
                                     "Line 7: the Item Name became \"Caf\xC3\xA9 ? cup\".\n"
                                     "Line 7: the Category became \"Kitchen and other pl\".\n"
                                     "Line 7: the desc became \"?\".\n"
                                     "7 rows were skipped:\n"
                                     "Line 9: the qty \"two\" is not a number.\n"
                                     "Line 10: the weight \"heavy\" is not a number.\n"
                                     "Line 11: the unit \"stone\" is not one LighterPack knows.\n"
                                     "Line 12: fewer than six fields.\n"
                                     "Line 13: the weight is too large for the weight field.\n"
                                     "Line 14: the qty is too large for the multiplier field.\n"
                                     "Line 15: the weight times the qty is too large for the weight field.");
}

// A number is the whole field: what a number only starts is no number. An item needs a name, and a qty or
// weight below zero means nothing.
TEST(LighterPackImport, EachSkippedRowSaysWhy)
{
    const std::pair<std::string, std::string> cases[] = {
        {"x,y,,1,\"1,5\",oz", "the weight \"1,5\" is not a number"},
        {"x,y,,1,12oz,oz", "the weight \"12oz\" is not a number"},
        {"x,y,,2x,1,oz", "the qty \"2x\" is not a number"},
        {",y,,1,1,oz", "the Item Name is empty"},
        {"x,y,,-2,1,oz", "the qty \"-2\" is negative"},
        {"x,y,,1,-5,oz", "the weight \"-5\" is negative"},
        {"x,y,,1,-0.001,kg", "the weight \"-0.001\" is negative"},
    };
    for (const auto& [line, reason] : cases) {
        const LighterPackRows parsed = parseLighterPack(line + "\n", false);
        EXPECT_EQ(parsed.records.size(), 0u) << line;
        EXPECT_EQ(parsed.skipped, (std::vector<SkippedRow>{{1, reason}})) << line;
    }
}

TEST(LighterPackImport, ConvertsEveryUnitIntoTheListsUnitWithTheFactorsOfConvert)
{
    struct Case
    {
        const char* weight;
        const char* unit;
        bool metric;
        const char* unitWeight;
    };
    const Case cases[] = {
        {"2", "ounce", false, "2.00"},  {"2", "ounces", false, "2.00"},    {"2", "oz", false, "2.00"},
        {"2", "pound", false, "32.00"}, {"2", "pounds", false, "32.00"},   {"2", "lb", false, "32.00"},
        {"2", "lbs", false, "32.00"},   {"100", "gram", false, "3.52"},    {"100", "grams", false, "3.52"},
        {"100", "g", false, "3.52"},    {"1", "kilogram", false, "35.24"}, {"1", "kilograms", false, "35.24"},
        {"1", "kg", false, "35.24"},    {"1", "kgs", false, "35.24"},      {"2", "oz", true, "56.75"},
        {"1", "lb", true, "454.00"},    {"12.5", "g", true, "12.50"},      {"1.5", "kg", true, "1500.00"},
        {"-0", "oz", false, "0.00"},    {"-0", "g", false, "0.00"},
    };
    for (const Case& c : cases) {
        const LighterPackRows parsed =
            parseLighterPack(std::string("x,y,,1,") + c.weight + "," + c.unit + "\n", c.metric);
        ASSERT_EQ(parsed.records.size(), 1u) << c.unit;
        EXPECT_STREQ(parsed.records[0]->unitWeight, c.unitWeight) << c.weight << " " << c.unit << " " << c.metric;
    }
    // The units are LighterPack's own spellings and nothing else.
    for (const char* unit : {"Oz", "OZ", "ounce ", "kilo", ""})
        EXPECT_EQ(parseLighterPack(std::string("x,y,,1,2,") + unit + "\n", false).records.size(), 0u) << unit;
}

TEST(LighterPackImport, TheSummaryNamesTheFirstTenChangedTextsAndSkippedRowsThenCountsTheRest)
{
    std::string csv;
    for (int i = 0; i < 12; ++i)
        csv += "x\n";
    for (int i = 0; i < 12; ++i)
        csv += "x,,,1,1,oz\n";
    std::string changed;
    std::string skipped;
    for (int line = 1; line <= 10; ++line) {
        skipped += "Line " + std::to_string(line) + ": fewer than six fields.\n";
        changed += "Line " + std::to_string(line + 12) + ": the Category became \"Miscellaneous\".\n";
    }
    EXPECT_EQ(importSummary(parseLighterPack(csv, false)),
              "12 items were added to the list.\n12 texts were cut to fit a field or had characters replaced:\n" +
                  changed + "and 2 more.\n12 rows were skipped:\n" + skipped + "and 2 more.");
}

TEST_F(ListTest, EqualImportedItemsComeNewestFirstAsAddWouldPutThem)
{
    ASSERT_EQ(
        list->addImported(parseLighterPack("Cup,Kitchen,first,1,1,oz\nCup,Kitchen,second,1,2,oz\n", false).records),
        std::nullopt);
    EXPECT_EQ(table(), (Lines{"I - Kitchen|Cup|2.00|second", "I - |Cup|1.00|first"}));
}

TEST_F(ListTest, ImportedRowsJoinTheListWhereAddWouldPutThemInOneReset)
{
    list->addColumn("Colour", FormatLeft);
    add("Tent", "Fly", "12", "1", {"green"});
    add("Cooking", "Stove", "3");
    add("Cooking", "Pot", "4");
    group("Stove", "Pot", "Kitchen");
    list->toggleGroup(rowOf("+ Kitchen"));
    list->setChecked(rowOf("Fly"), true);
    list->setCategories({"Tent", "Cooking"});
    const int resets = observer.resets;

    const std::string csv = "Zip,Tent,,1,1,oz\n"
                            "Axe,tent,,1,2,oz\n"
                            "Lid,Cooking,,1,3,oz\n"
                            "fly,Tent,,1,4,oz\n"
                            "Ant,Aardvark,,1,5,oz\n";
    ASSERT_EQ(list->addImported(parseLighterPack(csv, false).records), std::nullopt);
    EXPECT_EQ(observer.resets, resets + 1);
    EXPECT_EQ(table(), (Lines{"I - Aardvark|Ant|5.00||", "G - Cooking|- Kitchen|7.00||", "M x |Pot|4.00||",
                              "M x |Stove|3.00||", "I - |Lid|3.00||", "I - tent|Axe|2.00||", "I - |fly|4.00||",
                              "I x |Fly|12.00||green", "I - |Zip|1.00||"}));
    EXPECT_EQ(list->categories(), (std::vector<std::string>{"Tent", "Cooking", "tent", "Aardvark"}));
    EXPECT_EQ(list->totalLine(), "12.00 oz. (0.75 lbs)");
    ASSERT_NE(list->record(0).columnTexts, nullptr);
    EXPECT_EQ(list->record(0).columnTexts->count(), 1);

    // A list sorted by weight stays sorted by weight, in the same direction.
    list->sortByColumn(2);
    ASSERT_EQ(list->addImported(parseLighterPack("Mid,Tent,,1,6.5,oz\n", false).records), std::nullopt);
    EXPECT_EQ(list->cellText(rowOf("Mid") - 1, 2), "5.00");
    EXPECT_EQ(list->cellText(rowOf("Mid") + 1, 2), "7.00");
}

TEST_F(ListTest, TheExportWritesItemsAndMembersWithTicksAndUserColumns)
{
    list->addColumn("Colour, shade", FormatLeft);
    ItemEntry fly;
    fly.category = "Tent";
    fly.item = "Fly \"big\"";
    fly.unitWeight = "12.5";
    fly.multiplier = "2";
    fly.notes = "light, 2 poles";
    fly.columnTexts = {"green"};
    ASSERT_EQ(list->addItem(fly, AddSource::Command), std::nullopt);
    add("Caf\xE9", "Mug", ".125", "1.50");
    add("Cooking", "Stove", "3");
    add("Cooking", "Pot", "4", "1", {"grey\xB7"});
    group("Stove", "Pot", "Kitchen");
    list->setChecked(rowOf("+ Kitchen"), true);
    list->toggleGroup(rowOf("+ Kitchen"));
    list->setChecked(rowOf("Fly \"big\""), true);
    EXPECT_EQ(lighterPackCsv(*list),
              "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable,selected,\"Colour, shade\"\n"
              "Mug,Caf\xC3\xA9,,1.5,0.12,ounce,,,,,,\n"
              "Pot,Cooking,,1,4,ounce,,,,,Selected,grey\xC2\xB7\n"
              "Stove,Cooking,,1,3,ounce,,,,,Selected,\n"
              "\"Fly \"\"big\"\"\",Tent,\"light, 2 poles\",2,12.5,ounce,,,,,Selected,green\n");

    const FileCommandOutcome outcome = exportLighterPack(*list, folder / "out.csv");
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(outcome.message.text, "4 items were written to \"" + (folder / "out.csv").string() +
                                        "\".\nLighterPack has no groups: the members of 1 group were written as "
                                        "items of their own, without the group's name.");
    EXPECT_EQ(folder.read("out.csv"), lighterPackCsv(*list));
}

// A member is as ticked as its group: the members of an unticked group are not selected.
TEST(LighterPackExport, MembersTakeTheTickOfTheirGroup)
{
    ReportList list;
    list.group("Cooking", {{"Stove", "3", ""}, {"Pot", "4", ""}});
    list.item("Tent", "Fly", "12").ticked = true;
    EXPECT_EQ(lighterPackCsv(list.rows, {}, false),
              "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable,selected\n"
              "Stove,Cooking,,1,3,ounce,,,,,\n"
              "Pot,Cooking,,1,4,ounce,,,,,\n"
              "Fly,Tent,,1,12,ounce,,,,,Selected\n");
}

TEST_F(ListTest, AListExportedAndImportedIntoAnEmptyListComesBackTheSame)
{
    for (const bool metric : {false, true}) {
        Settings settings;
        settings.metric = metric;
        makeDocument(settings);
        ItemEntry tent;
        tent.category = "Shelter";
        tent.item = "Tent, \"two\" person";
        tent.notes = "pitch \xE9 first";
        tent.unitWeight = "1234.567";
        tent.multiplier = "0.5";
        ASSERT_EQ(list->addItem(tent, AddSource::Command), std::nullopt);
        add("Cooking", "Stove", "3.1");
        add("Cooking", "Pot", "40", "3");
        add("Cooking", "Cup", "");
        group("Stove", "Pot", "Kitchen");

        GearDocument copyDocument(folder.path(), folder / "copy.dat", settings);
        GearList& copy = copyDocument.list();
        ASSERT_EQ(copy.addImported(parseLighterPack(lighterPackCsv(*list), metric).records), std::nullopt);
        auto items = [](const GearList& list) {
            Lines lines;
            auto line = [&](const GearRecord& r) {
                lines.push_back(std::string(fieldText(r.category)) + "|" + std::string(fieldText(r.item)) + "|" +
                                std::string(fieldText(r.notes)) + "|" + formatFixed(readNumber(r.multiplier), 2) + "|" +
                                formatFixed(readNumber(r.unitWeight), 2));
            };
            for (int row = 0; row < list.rowCount(); ++row) {
                if (list.kind(row) == RowKind::Item)
                    line(list.record(row));
                else if (list.kind(row) == RowKind::Group)
                    list.record(row).members->forEach(line);
            }
            std::sort(lines.begin(), lines.end());
            return lines;
        };
        EXPECT_EQ(items(copy), items(*list)) << metric;
        EXPECT_EQ(items(copy).size(), 4u);
        EXPECT_EQ(copy.categories(), (std::vector<std::string>{"Cooking", "Shelter"}));
    }
}

TEST_F(ListTest, AnImportIsRefusedInAHideModeForAMissingFileAndAboveTenMegabytes)
{
    folder.write("gear.csv", "Fly,Tent,,1,12,oz\n");
    const FileCommandOutcome done = importLighterPack(*list, folder / "gear.csv");
    EXPECT_TRUE(done.done);
    EXPECT_EQ(done.message, (Message{"1 item was added to the list.", "Cairnly", MessageIcon::Information}));
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));

    const FileCommandOutcome missing = importLighterPack(*list, folder / "none.csv");
    EXPECT_FALSE(missing.done);
    EXPECT_EQ(missing.message, (Message{"Nothing was imported from \"" + (folder / "none.csv").string() +
                                            "\": No such file or directory.",
                                        "Error", MessageIcon::Exclamation}));
    std::filesystem::resize_file(folder / "gear.csv", lighterPackFileLimit + 1);
    EXPECT_EQ(importLighterPack(*list, folder / "gear.csv").message.text,
              "Nothing was imported from \"" + (folder / "gear.csv").string() +
                  "\": the file is larger than 10 MB, far larger than any gear list.");

    folder.write("gear.csv", "Pegs,Tent,,1,2,oz\n");
    document->setHideSelected(true);
    const FileCommandOutcome refused = importLighterPack(*list, folder / "gear.csv");
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.message.text, "Please select the \"Show Selected\" menu item before changing the list");
    document->setHideSelected(false);
    EXPECT_EQ(table(), (Lines{"I - Tent|Fly|12.00|"}));
}

// --- url, price, worn and consumable ----------------------------------------------------------------

TEST(LighterPackImport, KeepsTheUrlPriceWornAndConsumableOfEachRowForTheirColumns)
{
    const std::string longUrl = "https://example.com/gear/a-very-long-path/jacket-model-2024";
    const std::string csv = "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable\n"
                            "Shirt,Clothes,,2,5,oz,https://example.com/shirt,25.00,Worn,\n"
                            "Oats,Food,,1,4,oz,,,,Consumable\n"
                            "Jacket,Clothes,,1,12,oz," +
                            longUrl +
                            ",,no,0\n"
                            "Short,Food,,1,1,oz\n"
                            "Skipped,Food,,1,x,oz,https://example.com,1,Worn,Consumable\n";
    const LighterPackRows parsed = parseLighterPack(csv, false);
    ASSERT_EQ(parsed.records.size(), 4u);
    const std::vector<ImportedColumn> expected = {
        {"Worn", {"Worn", "", "", ""}},
        {"Consumable", {"", "Consumable", "", ""}},
        {"Price", {"25.00", "", "", ""}},
        {"URL", {"https://example.com/shirt", "", longUrl.substr(0, 50), ""}},
    };
    ASSERT_EQ(parsed.columnTexts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(parsed.columnTexts[i].heading, expected[i].heading);
        EXPECT_EQ(parsed.columnTexts[i].texts, expected[i].texts) << expected[i].heading;
    }
    EXPECT_EQ(importSummary(parsed), "4 items were added to the list.\n"
                                     "1 text was cut to fit a field or had characters replaced:\n"
                                     "Line 4: the url became \"https://example.com/gear/a-very-long-path/jacket-m\".\n"
                                     "1 row was skipped:\n"
                                     "Line 6: the weight \"x\" is not a number.");
}

// A column is added only for texts that some row brings, and one the list has under the heading (in
// any case, with spaces around it) is filled instead; all in the import's one reset.
TEST_F(ListTest, ImportedTextsFillTheirColumnsAddedOnlyWhenBroughtOrFoundByHeading)
{
    list->addColumn("Colour", FormatLeft);
    list->addColumn(" price", FormatRight);
    add("Tent", "Fly", "12", "1", {"green", "180"});
    const int resets = observer.resets;
    const std::string csv = "Shirt,Clothes,,2,5,oz,https://example.com/shirt,25.00,Worn,no\n"
                            "Oats,Food,,1,4,oz,,3.50,,\n";
    const LighterPackRows parsed = parseLighterPack(csv, false);
    ASSERT_EQ(list->addImported(std::move(parseLighterPack(csv, false).records), parsed.columnTexts), std::nullopt);
    EXPECT_EQ(observer.resets, resets + 1);
    EXPECT_EQ(list->columnHeadings(), (std::vector<std::string>{"Colour", " price", "Worn", "URL"}));
    EXPECT_EQ(list->columns().columns.back(), (ListColumn{"URL", FormatLeft, 100}));
    EXPECT_EQ(table(), (Lines{"I - Clothes|Shirt|10.00|||25.00|Worn|https://example.com/shirt",
                              "I - Food|Oats|4.00|||3.50||", "I - Tent|Fly|12.00||green|180||"}));
}

TEST_F(ListTest, AnImportIntoAListWithoutRoomForTheColumnsSaysWhatWasLeftOut)
{
    for (int k = 0; k < maxUserColumns; ++k)
        ASSERT_EQ(list->addColumn("C", FormatLeft), std::nullopt);
    folder.write("gear.csv", "Shirt,Clothes,,1,5,oz,,,Worn,\n");
    const FileCommandOutcome outcome = importLighterPack(*list, folder / "gear.csv");
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(outcome.message.text, "1 item was added to the list.\nThe texts of the column \"Worn\" were left out: "
                                    "the list has as many columns as it can hold.");
    EXPECT_EQ(table().size(), 1u);
}

// Marks of any spelling go out as LighterPack writes them; a member takes its group's marks, not its own.
TEST_F(ListTest, TheExportWritesUrlPriceAndTheMarksToLighterPacksColumnsNotAfterThem)
{
    for (const char* heading : {"Worn", "Colour", "url", "CONSUMABLE", "Price"})
        list->addColumn(heading, FormatLeft);
    add("Clothes", "Shirt", "5", "2", {"yes", "blue", "https://example.com/a,b", "", "25"});
    add("Food", "Oats", "4", "1", {"0", "", "", "Consumable", ""});
    add("Cooking", "Stove", "3", "1", {"", "", "", "", "40"});
    add("Cooking", "Pot", "4", "1", {"Worn", "grey", "", "no", ""});
    group("Stove", "Pot", "Kitchen");
    list->toggleMark({rowOf("+ Kitchen")}, Mark::Consumable);
    list->setChecked(rowOf("Shirt"), true);
    EXPECT_EQ(lighterPackCsv(*list),
              "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable,selected,Colour\n"
              "Shirt,Clothes,,2,5,ounce,\"https://example.com/a,b\",25,Worn,,Selected,blue\n"
              "Pot,Cooking,,1,4,ounce,,,,Consumable,,grey\n"
              "Stove,Cooking,,1,3,ounce,,40,,Consumable,,\n"
              "Oats,Food,,1,4,ounce,,,,Consumable,,\n");
}

TEST_F(ListTest, MarksPricesAndUrlsComeBackFromAnExportImportedIntoAnEmptyList)
{
    for (const char* heading : {"Price", "Worn", "URL", "Consumable", "Colour"})
        list->addColumn(heading, FormatLeft);
    add("Clothes", "Shirt", "5", "2", {"25.00", "Worn", "https://example.com/shirt", "", "blue"});
    add("Clothes", "Hat", "2", "1", {"", "x", "", "", ""});
    add("Food", "Oats", "4", "1", {"3.50", "", "", "Consumable", ""});
    add("Water", "Bottle", "1.5", "2", {"", "Worn", "", "yes", ""});
    add("Tent", "Fly", "12", "1", {"180", "no", "https://example.com/fly", "", "green"});

    GearDocument copyDocument(folder.path(), folder / "copy.dat", Settings{});
    GearList& copy = copyDocument.list();
    const LighterPackRows parsed = parseLighterPack(lighterPackCsv(*list), false);
    ASSERT_EQ(copy.addImported(std::move(parseLighterPack(lighterPackCsv(*list), false).records), parsed.columnTexts),
              std::nullopt);
    auto texts = [](const GearList& list) {
        const auto& columns = list.userColumns();
        Lines lines;
        for (int row = 0; row < list.rowCount(); ++row) {
            const GearRecord& r = list.record(row);
            lines.push_back(std::string(fieldText(r.item)) + "|" +
                            std::string(columnText(r, columnHeaded(columns, "Price"))) + "|" +
                            std::string(columnText(r, columnHeaded(columns, "URL"))) + "|" +
                            (isMarked(r, markColumn(columns, Mark::Worn)) ? "worn" : "") + "|" +
                            (isMarked(r, markColumn(columns, Mark::Consumable)) ? "consumable" : ""));
        }
        return lines;
    };
    EXPECT_EQ(texts(copy), texts(*list));
    EXPECT_EQ(texts(copy),
              (Lines{"Hat|||worn|", "Shirt|25.00|https://example.com/shirt|worn|", "Oats|3.50|||consumable",
                     "Fly|180|https://example.com/fly||", "Bottle|||worn|consumable"}));
}
