// cairnly-data import-lighterpack and export-lighterpack: they write OUT (and its settings) and nothing else.
#include "DataTool.h"
#include "SystemTexts.h"

using namespace cairnly;
using namespace cairnly::test;

namespace {

const std::string gramsSettings = "[MISC]\r\nOZ=0101\r\n";

} // namespace

TEST_F(DataTool, ImportLighterPackWritesTheListWithTheRowsAndACopyOfItsSettingsToOut)
{
    const Image fly{"Tent", "Fly", "340", "340.00", "", 1};
    write("list.dat", header + "Tent\r\n\r\n" + fly.top() + count0 + count0);
    write("list.ini", gramsSettings);
    write("gear.csv", "Item Name,Category,desc,qty,weight,unit\nPegs,Tent,,4,2,oz\nMug,Kitchen,hot,1,100,g\nx\n");

    const ToolRun r = run("import-lighterpack list.dat gear.csv new.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "2 items were added to the list.\n1 row was skipped:\nLine 4: fewer than six fields.\n");
    const Image mug{"Kitchen", "Mug", "100.00", "100.00", "hot"};
    const Image pegs{"Tent", "Pegs", "56.75", "227.00", "", 0, "4"};
    EXPECT_EQ(read("new.dat"), header + "Tent\r\nKitchen\r\n\r\n" + mug.top() + count0 + count0 + fly.top() + count0 +
                                   count0 + pegs.top() + count0 + count0);
    EXPECT_EQ(read("new.ini"), gramsSettings);
    EXPECT_EQ(read("list.dat"), header + "Tent\r\n\r\n" + fly.top() + count0 + count0);
    EXPECT_FALSE(exists("Cairnly.ini"));
}

// The columns the import adds go into OUT's settings with the rest of FILE's, so OUT shows their texts.
TEST_F(DataTool, ImportLighterPackAddsTheColumnsOfTheMarksToOutsSettings)
{
    const Image fly{"Tent", "Fly", "340", "340.00", "", 1};
    write("list.dat", header + "Tent\r\n\r\n" + fly.top() + count0 + count0);
    write("list.ini", gramsSettings);
    write("gear.csv", "Shirt,Clothes,,1,150,g,,25,Worn,\n");
    const ToolRun r = run("import-lighterpack list.dat gear.csv new.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(run("list new.dat").out, "[ ]\tClothes\tShirt\t150.00\t\tWorn\t25\n"
                                       "[x]\tTent\tFly\t340.00\t\t\t\n"
                                       "340.00 gm. (0.34 kg)\n");
    EXPECT_EQ(read("list.ini"), gramsSettings);
}

TEST_F(DataTool, ExportLighterPackWritesTheCsvAndNothingElse)
{
    const Image fly{"Tent", "Fly, green", "12.5", "25.00", "", 1, "2"};
    write("list.dat", header + "Tent\r\n\r\n" + fly.top() + count0 + count0);
    const ToolRun r = run("export-lighterpack list.dat out.csv");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 item was written to \"out.csv\".\n");
    EXPECT_EQ(read("out.csv"), "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable,selected\n"
                               "\"Fly, green\",Tent,,2,12.5,ounce,,,,,Selected\n");
    EXPECT_FALSE(exists("Cairnly.ini"));
    EXPECT_FALSE(exists("list.ini"));
    EXPECT_FALSE(exists("out.ini"));
}

TEST_F(DataTool, LighterPackCommandsReportWhatTheyCannotReadOrWriteAndWriteNothing)
{
    write("list.dat", header + "Tent\r\n\r\n");
    write("gear.csv", "Pegs,Tent,,4,2,oz\n");
    std::filesystem::create_directory(folder.path() / "folder");
    const std::pair<std::string, std::string> cases[] = {
        {"import-lighterpack list.dat none.csv new.dat",
         "cairnly-data: Nothing was imported from \"none.csv\": No such file or directory.\n"},
        {"import-lighterpack none.dat gear.csv new.dat", "cairnly-data: none.dat: File Does Not Exist!\n"},
        {"import-lighterpack list.dat gear.csv folder", "cairnly-data: cannot write folder: %s\n"},
        {"export-lighterpack list.dat folder", "cairnly-data: \"folder\" could not be written: %s\n"},
    };
    for (const auto& [arguments, error] : cases) {
        const ToolRun r = run(arguments);
        EXPECT_EQ(r.status, 1) << arguments;
        if (error.find("%s") == std::string::npos)
            EXPECT_EQ(r.err, error);
        else
            EXPECT_TRUE(saysWith(r.err, error, folderInTheWayTexts)) << r.err;
        EXPECT_FALSE(exists("new.dat"));
        EXPECT_FALSE(exists("new.ini"));
    }
    EXPECT_EQ(run("import-lighterpack list.dat gear.csv").status, 2);
}
