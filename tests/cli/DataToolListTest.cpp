// cairnly-data list: the rows as the window shows them after Open, with the settings beside the file.
#include "DataTool.h"
#include "SystemTexts.h"

using namespace cairnly;
using namespace cairnly::test;

namespace {

// The working file's settings in grams: a file opened by name must not take them.
const std::string workingSettingsInGrams = "[MISC]\r\nOZ=0101\r\n";

} // namespace

TEST_F(DataTool, ListShowsCategoryBlocksTicksAndCollapsedGroups)
{
    const Image fly{"Tent", "Fly", "12.5", "25.00", "green", 1, "2"};
    const Image pegs{"Tent", "Pegs", "2", "2.00"};
    // The stored group weight is stale: the row shows the sum of the members.
    const Image kitchen{"Cooking", "Kitchen", "", "", "", 1, "1", "0.00", "+ Kitchen", "- Kitchen", 0, 1};
    const Image stove{"Cooking", "Stove", "3", "3.00", "", 0, "1", "", "", "", 1};
    const Image pot{"Cooking", "Pot", "4", "4.00", "", 0, "1", "", "", "", 1};
    const Image cup{"Cooking", "Cup", "1.5", "1.50"};
    const Image bag{"tent", "Bag", "30", "30.00"};
    const Image mug{"Caf\xE9", "Mug", "4", "4.00", "h\xE9", 1};
    write("list.dat", header + "Tent\r\nCooking\r\n\r\n" + fly.top() + count0 + count0 + pegs.top() + count0 + count0 +
                          kitchen.top() + count2 + stove.member() + count0 + pot.member() + count0 + count0 +
                          cup.top() + count0 + count0 + bag.top() + count0 + count0 + mug.top() + count0 + count0);
    write("GearData.ini", workingSettingsInGrams);

    const ToolRun r = run("list list.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    // Categories in order, each shown once on the first row of its block, "tent" and "Tent" being one.
    EXPECT_EQ(r.out, "[x]\tCaf\xC3\xA9\tMug\t4.00\th\xC3\xA9\n"
                     "[ ]\tCooking\tCup\t1.50\t\n"
                     "[x]\t\t+ Kitchen\t7.00\t\n"
                     "[ ]\ttent\tBag\t30.00\t\n"
                     "[x]\t\tFly\t25.00\tgreen\n"
                     "[ ]\t\tPegs\t2.00\t\n"
                     "36.00 oz. (2.25 lbs)\n");
    // Looking writes nothing: no Cairnly.ini, no settings file beside the list.
    EXPECT_FALSE(exists("Cairnly.ini"));
    EXPECT_FALSE(exists("list.ini"));
}

TEST_F(DataTool, ListTakesUnitsAndUserColumnsFromTheSettingsBesideTheFile)
{
    std::filesystem::create_directory(folder.path() / "trips");
    // Grams; two user columns, "Colour" left-aligned and "Bag" right-aligned.
    write("trips/summer.ini", "[MISC]\r\nOZ=0101\r\n[COLUMNS]\r\nUSERCOLS=0200000002\r\nCOLDATA=436F6C6F7572" +
                                  std::string(70, '0') + "0000000004000000" + "426167" + std::string(76, '0') +
                                  "010000000500000088\r\n");
    const Image quilt{"Sleeping", "Quilt", "1250", "1250.00", "", 1};
    const Image mat{"Sleeping", "Mat", "400", "400.00"};
    const Image pillows{"Sleeping", "Pillows", "", "", "", 1, "1", "", "+ Pillows", "- Pillows"};
    const Image inflatable{"Sleeping", "Inflatable", "80", "80.00", "", 0, "1", "", "", "", 1};
    const Image pillowCase{"Sleeping", "Case", "50", "50.00", "", 0, "1", "", "", "", 1};
    write("trips/summer.dat", header + "Sleeping\r\n\r\n" + quilt.top() + count0 + count2 + "down\r\ndry bag\r\n" +
                                  mat.top() + count0 + count1 + "blue\r\n" + pillows.top() + count2 +
                                  inflatable.member() + count1 + "x\r\n" + pillowCase.member() + count0 + count0);

    const ToolRun r = run("list trips/summer.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "[ ]\tSleeping\tMat\t400.00\t\tblue\t\n"
                     "[x]\t\t+ Pillows\t130.00\t\t\t\n"
                     "[x]\t\tQuilt\t1250.00\t\tdown\tdry bag\n"
                     "1380.00 gm. (1.38 kg)\n");
}

TEST_F(DataTool, ListOfAnEmptyListPrintsTheZeroTotalOnly)
{
    write("empty.dat", header + "Tent\r\n\r\n");
    const ToolRun r = run("list empty.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0.00 oz. (0.00 lbs)\n");
}

TEST_F(DataTool, ListReportsFilesItCannotOpenOrIsRefused)
{
    std::filesystem::create_directory(folder.path() / "folder.dat");
    write("other.dat", "Some other file\r\n");
    write("v3.dat", "Cairnly data file. Version 3\r\n\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {"missing.dat", "cairnly-data: cannot open missing.dat: No such file or directory\n"},
        {"folder.dat", "cairnly-data: cannot open folder.dat: " + folderReadText + "\n"},
        {"other.dat", "cairnly-data: other.dat: Not a Cairnly data file\n"},
        {"v3.dat", "cairnly-data: v3.dat: Version 5 requires a GearData.dat file in version 4 or 5 format\n"},
    };
    for (const auto& [file, error] : cases) {
        const ToolRun r = run("list " + file);
        EXPECT_EQ(r.status, 1) << file;
        EXPECT_EQ(r.out, "") << file;
        EXPECT_EQ(r.err, error);
    }
}
