// cairnly-data's failures: one form for each kind, with the file and the reason, and nothing written; no
// report and no import ever written over a list, its settings or what the command reads.
#include "DataTool.h"
#include "SystemTexts.h"
#include "core/interchange/LighterPack.h"
#include "core/settings/ProfileFile.h"

using namespace cairnly;
using namespace cairnly::test;
namespace fs = std::filesystem;

namespace {

const std::string listBytes = header + "Tent\r\n\r\n" + Image{"Tent", "Fly", "12.5", "12.50"}.top() + count0 + count0;

} // namespace

TEST_F(DataTool, EachKindOfFailureIsToldInOneFormWithTheFileAndTheReason)
{
    write("list.dat", listBytes);
    write("damaged.dat", listBytes + "cut short");
    write("po.dat", listBytes);
    fs::create_directory(folder / "po.ini");
    fs::create_directory(folder / "folder.dat");
    fs::create_directory(folder / "folder");
    write("a.json", R"({"categories": ["Tent"], "rows": []})");
    // A megabyte of brackets would take fifty times its size as parsed JSON.
    write("deep.json", std::string(1 << 20, '['));
    write("gear.csv", "Pegs,Tent,,4,2,oz\n");
    // Sparse files: their sizes alone decide.
    write("wide.dat", listBytes);
    for (const auto& [name, size] : {std::pair{"big.dat", wholeFileLimit + 1},
                                     {"big.json", wholeFileLimit + 1},
                                     {"big.csv", lighterPackFileLimit + 1},
                                     {"wide.ini", profileFileLimit + 1}}) {
        write(name, "");
        fs::resize_file(folder / name, size);
    }
    const std::pair<std::string, std::string> cases[] = {
        {"list missing.dat", "cannot open missing.dat: No such file or directory"},
        {"dump missing.dat", "cannot open missing.dat: No such file or directory"},
        {"list folder.dat", "cannot open folder.dat: " + folderReadText},
        {"dump folder.dat", "cannot open folder.dat: " + folderReadText},
        {"totals po.dat", "cannot open po.ini: " + folderReadText},
        {"totals wide.dat", "cannot open wide.ini: File too large"},
        {"import-lighterpack list.dat missing.csv out.dat", "cannot open missing.csv: No such file or directory"},
        {"import-lighterpack list.dat folder out.dat", "cannot open folder: " + folderReadText},
        {"list damaged.dat", "damaged.dat is damaged: 1 row could be read; nothing was written"},
        {"export --format csv damaged.dat out.csv", "damaged.dat is damaged: 1 row could be read; nothing was written"},
        {"list big.dat", "big.dat is too large to be a Cairnly list"},
        {"dump big.dat", "big.dat is too large to be a Cairnly list"},
        {"make big.json out.dat", "big.json is too large to be a Cairnly list"},
        {"make deep.json out.dat", "deep.json is too large to be a Cairnly list"},
        {"import-lighterpack list.dat big.csv out.dat", "big.csv is too large to be a LighterPack list"},
        {"make a.json folder", "cannot write folder: %s"},
        {"export --format text list.dat folder", "cannot write folder: %s"},
        {"export-lighterpack list.dat folder", "cannot write folder: %s"},
        {"import-lighterpack list.dat gear.csv folder", "cannot write folder: %s"},
    };
    for (const auto& [arguments, error] : cases) {
        const ToolRun r = run(arguments);
        EXPECT_EQ(r.status, 1) << arguments;
        EXPECT_EQ(r.out, "") << arguments;
        if (error.find("%s") == std::string::npos)
            EXPECT_EQ(r.err, "cairnly-data: " + error + "\n") << arguments;
        else
            EXPECT_TRUE(saysWith(r.err, "cairnly-data: " + error + "\n", folderInTheWayTexts)) << r.err;
        for (const char* name : {"out.dat", "out.ini", "out.csv", "folder.ini", "damaged.dat.bak"})
            EXPECT_FALSE(exists(name)) << arguments << ": " << name;
    }
    EXPECT_EQ(read("damaged.dat"), listBytes + "cut short");
}

TEST_F(DataTool, NoReportOrImportIsWrittenOverAListItsSettingsOrItsInput)
{
    write("list.dat", listBytes);
    write("list.ini", "[MISC]\r\nOZ=0101\r\n");
    write("other.dat", "Cairnly data file. Version 4\r\nTent\r\n\r\n");
    write("gear.csv", "Pegs,Tent,,4,2,oz\n");
    write("csv.ini", "Pegs,Tent,,4,2,oz\n");
    std::vector<std::pair<std::string, std::string>> cases = {
        {"export --format csv list.dat list.dat", "list.dat"},
        {"export --format html list.dat list.ini", "list.ini"},
        {"export --format xml list.dat other.dat", "other.dat"},
        {"export --format text list.dat Cairnly.ini", "Cairnly.ini"},
        {"export-lighterpack list.dat list.dat", "list.dat"},
        {"export-lighterpack list.dat ./list.ini", "./list.ini"},
        {"import-lighterpack list.dat gear.csv gear.csv", "gear.csv"},
        // OUT's settings file would be the CSV.
        {"import-lighterpack list.dat csv.ini csv.dat", "csv.ini"},
    };
    // Printing is built only with Qt.
    if (run("--help").out.find("print FILE OUT") != std::string::npos)
        cases.push_back({"print list.dat list.dat", "list.dat"});
    for (const auto& [arguments, target] : cases) {
        const ToolRun r = run(arguments);
        EXPECT_EQ(r.status, 1) << arguments;
        EXPECT_EQ(r.err,
                  "cairnly-data: " + target +
                      " was not written: a list, its settings and the files being read are never written over.\n")
            << arguments;
    }
    EXPECT_EQ(read("list.dat"), listBytes);
    EXPECT_EQ(read("list.ini"), "[MISC]\r\nOZ=0101\r\n");
    EXPECT_EQ(read("other.dat"), "Cairnly data file. Version 4\r\nTent\r\n\r\n");
    EXPECT_EQ(read("gear.csv"), "Pegs,Tent,,4,2,oz\n");
    EXPECT_EQ(read("csv.ini"), "Pegs,Tent,,4,2,oz\n");
    EXPECT_FALSE(exists("Cairnly.ini"));
    EXPECT_FALSE(exists("csv.dat"));
}
