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
         "cairnly-data: cannot open none.csv: No such file or directory\n"},
        {"import-lighterpack none.dat gear.csv new.dat",
         "cairnly-data: cannot open none.dat: No such file or directory\n"},
        {"import-lighterpack list.dat gear.csv folder", "cairnly-data: cannot write folder: %s\n"},
        {"export-lighterpack list.dat folder", "cairnly-data: cannot write folder: %s\n"},
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
        EXPECT_FALSE(exists("folder.ini"));
    }
    EXPECT_EQ(run("import-lighterpack list.dat gear.csv").status, 2);
}

TEST_F(DataTool, ImportLighterPackWritesBothFilesOfOutOrNeither)
{
    write("list.dat", header + "Tent\r\n\r\n");
    write("gear.csv", "Pegs,Tent,,4,2,oz\n");
    struct Case
    {
        const char* folderInTheWay; // the file of OUT that cannot be written
        const char* oldDat;         // what new.dat and new.ini held before, nullptr for nothing
        const char* oldIni;
        std::string error;
    };
    const Case cases[] = {
        {"new.ini", "old list", nullptr, "cairnly-data: cannot write new.ini: %s\n"},
        {"new.dat", nullptr, "old settings", "cairnly-data: cannot write new.dat: %s\n"},
        {"new.dat", nullptr, nullptr, "cairnly-data: cannot write new.dat: %s\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folderInTheWay);
        std::filesystem::create_directory(folder / c.folderInTheWay);
        for (const auto& [name, bytes] : {std::pair{"new.dat", c.oldDat}, std::pair{"new.ini", c.oldIni}}) {
            if (bytes)
                write(name, bytes);
        }
        const ToolRun r = run("import-lighterpack list.dat gear.csv new.dat");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        // A folder in the way of the settings file is found when its old settings are read to be kept.
        std::vector<std::string> texts = folderInTheWayTexts;
        texts.push_back(folderReadText);
        EXPECT_TRUE(saysWith(r.err, c.error, texts)) << r.err;
        for (const auto& [name, bytes] : {std::pair{"new.dat", c.oldDat}, std::pair{"new.ini", c.oldIni}}) {
            if (name != std::string(c.folderInTheWay)) {
                EXPECT_EQ(read(name), bytes ? bytes : "<missing>") << name;
            }
        }
        std::filesystem::remove_all(folder / "new.dat");
        std::filesystem::remove_all(folder / "new.ini");
    }
}
