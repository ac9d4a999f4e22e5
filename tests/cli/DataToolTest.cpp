// Runs the built cairnly-data in a temporary folder.
#include "DataTool.h"
#include "SystemTexts.h"

using namespace cairnly;
using namespace cairnly::test;
namespace fs = std::filesystem;

namespace {

// Two categories, an item with two texts and an expanded group whose members stand Stove, Pot in the file.
const Image fly{"Tent", "Fly", "12.5", "25.00", "green", 1, "2"};
const Image kitchen{"Cooking", "Kitchen", "", "", "", 0, "1", "7.00", "+ Kitchen", "- Kitchen", 0, 1};
const Image stove{"Cooking", "Stove", "3.00", "3.00", "", 0, "1", "", "", "", 1};
const Image pot{"Cooking", "Pot", "4.00", "4.00", "", 0, "1", "", "", "", 1};
const std::string knownFile = header + "Tent\r\nCaf\xE9\r\n\r\n" + fly.top() + count0 + count2 + "red\r\n\r\n" +
                              kitchen.top() + count2 + stove.member() + count1 + "t\x80\r\n" + pot.member() + count0 +
                              count0;

constexpr const char* knownJson = R"({
  "format": "5.9",
  "categories": [
    "Tent",
    "Café"
  ],
  "rows": [
    {
      "category": "Tent",
      "item": "Fly",
      "unitWeight": "12.5",
      "weight": "25.00",
      "notes": "green",
      "multiplier": "2",
      "groupWeight": "",
      "collapsedLabel": "",
      "expandedLabel": "",
      "checked": 1,
      "isMember": 0,
      "expanded": 0,
      "columnTexts": [
        "red",
        ""
      ]
    },
    {
      "category": "Cooking",
      "item": "Kitchen",
      "unitWeight": "",
      "weight": "",
      "notes": "",
      "multiplier": "1",
      "groupWeight": "7.00",
      "collapsedLabel": "+ Kitchen",
      "expandedLabel": "- Kitchen",
      "checked": 0,
      "isMember": 0,
      "expanded": 1,
      "columnTexts": [],
      "members": [
        {
          "category": "Cooking",
          "item": "Stove",
          "unitWeight": "3.00",
          "weight": "3.00",
          "notes": "",
          "multiplier": "1",
          "groupWeight": "",
          "collapsedLabel": "",
          "expandedLabel": "",
          "checked": 0,
          "isMember": 1,
          "expanded": 0,
          "columnTexts": [
            "t€"
          ]
        },
        {
          "category": "Cooking",
          "item": "Pot",
          "unitWeight": "4.00",
          "weight": "4.00",
          "notes": "",
          "multiplier": "1",
          "groupWeight": "",
          "collapsedLabel": "",
          "expandedLabel": "",
          "checked": 0,
          "isMember": 1,
          "expanded": 0,
          "columnTexts": []
        }
      ]
    }
  ],
  "messages": []
}
)";

// A record of the JSON form with every key; the extra text goes inside the braces.
std::string record(const std::string& item, const std::string& extra = "", const std::string& notes = "")
{
    return R"({"category": "Tent", "item": ")" + item + R"(", "unitWeight": "1", "weight": "1.00", "notes": ")" +
           notes +
           R"(", "multiplier": "1", "groupWeight": "", "collapsedLabel": "", "expandedLabel": "", "checked": 0,
              "isMember": 0, "expanded": 0, "columnTexts": [])" +
           extra + "}";
}

std::string list(const std::string& rows, const std::string& categories = R"(["Tent"])")
{
    return R"({"categories": )" + categories + R"(, "rows": [)" + rows + "]}";
}

} // namespace

TEST_F(DataTool, DumpPrintsTheFileAsJson)
{
    write("known.dat", knownFile);
    const ToolRun r = run("dump known.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, knownJson);
    EXPECT_EQ(r.err, "");

    write("old.dat", "Cairnly data file. Version 4\r\n\r\n" + fly.top() + count0);
    EXPECT_NE(run("dump old.dat").out.find(R"("format": "4")"), std::string::npos);
    write("bare.dat", "Cairnly data file\r\n\r\n");
    EXPECT_NE(run("dump bare.dat").out.find(R"("format": "unversioned")"), std::string::npos);
}

TEST_F(DataTool, MakeWritesTheJsonAsADataFile)
{
    write("known.json", knownJson);
    const ToolRun r = run("make known.json out.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out + r.err, "");
    // The group is written collapsed, its members in the JSON's order.
    Image collapsed = kitchen;
    collapsed.expanded = 0;
    EXPECT_EQ(read("out.dat"), header + "Tent\r\nCaf\xE9\r\n\r\n" + fly.top() + count0 + count2 + "red\r\n\r\n" +
                                   collapsed.top() + count2 + stove.member() + count1 + "t\x80\r\n" + pot.member() +
                                   count0 + count0);
}

TEST_F(DataTool, MakeOfADumpGivesBackTheSameBytes)
{
    write("a.json", list(record("One", R"(, "members": [)" + record("M1", "", R"(\u0081\u20ac\u00ff)") + ", " +
                                           record("M2") + ", " + record("M3") + "]") +
                         ", " + record("Two")));
    ASSERT_EQ(run("make a.json a.dat").status, 0);
    const ToolRun dump = run("dump a.dat");
    ASSERT_EQ(dump.status, 0);
    write("b.json", dump.out);
    ASSERT_EQ(run("make b.json b.dat").status, 0);
    EXPECT_EQ(read("b.dat"), read("a.dat"));
    // Members stand in the file in the JSON's order.
    const std::string bytes = read("a.dat");
    EXPECT_LT(bytes.find("M1"), bytes.find("M2"));
    EXPECT_LT(bytes.find("M2"), bytes.find("M3"));
    EXPECT_NE(bytes.find("\x81\x80\xFF"), std::string::npos);
}

TEST_F(DataTool, MakeRefusesJsonThatDoesNotFitAndWritesNothing)
{
    const std::pair<std::string, std::string> cases[] = {
        {"{\"categories\": [", "not valid JSON: "},
        {list(record("One")).substr(0, 40) + "}", "not valid JSON: "},
        {R"({"rows": []})", "missing key \"categories\""},
        {list(record("One"), R"(["Tent", ""])"), "categories[1]: empty"},
        {list(record("One"), R"(["123456789012345678901"])"), "categories[0]: longer than 20 characters"},
        {list(record("One"), R"(["a\nb"])"), "categories[0]: holds a line break"},
        {list(record("One") + ", " + record(std::string(41, 'x'))), "rows[1].item: longer than 40 characters"},
        {list(record("One", R"(, "members": [)" + record("M", "", std::string(51, 'n')) + "]")),
         "rows[0].members[0].notes: longer than 50 characters"},
        {list(record("One", "", R"(\u20bd)")), "rows[0].notes: holds a character that has no Windows-1252 form"},
        {list(R"({"item": "x"})"), "rows[0]: missing key \"category\""},
        {list(record("One").replace(record("One").find("\"checked\": 0"), 12, "\"checked\": 2")),
         "rows[0].checked: expected 0 or 1"},
        {list(record("One").replace(record("One").find("\"weight\": \"1.00\""), 16, "\"weight\": 1")),
         "rows[0].weight: expected a string"},
    };
    for (const auto& [json, problem] : cases) {
        write("bad.json", json);
        const ToolRun r = run("make bad.json out.dat");
        EXPECT_EQ(r.status, 1) << json;
        EXPECT_EQ(r.err.rfind("cairnly-data: bad.json: " + problem, 0), 0u) << r.err;
        EXPECT_FALSE(exists("out.dat")) << json;
    }
}

TEST_F(DataTool, ReportsFilesItCannotReadOrIsRefused)
{
    ToolRun r = run("dump missing.dat");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "cairnly-data: cannot open missing.dat: No such file or directory\n");

    write("other.dat", "Some other file\r\n");
    r = run("dump other.dat");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "cairnly-data: other.dat: Not a Cairnly data file\n");

    write("v3.dat", "Cairnly data file. Version 3\r\n\r\n");
    EXPECT_EQ(run("dump v3.dat").err,
              "cairnly-data: v3.dat: Version 5 requires a GearData.dat file in version 4 or 5 format\n");

    write("a.json", list(record("One")));
    r = run("make a.json no/such/folder.dat");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(saysWith(r.err, "cairnly-data: cannot write no/such/folder.dat: %s\n", missingFolderTexts)) << r.err;
}

TEST_F(DataTool, LeavesReadOnlyFilesAsTheyAreAndSaysWhyItCannotRead)
{
    EXPECT_EQ(run("dump .").err, "cairnly-data: cannot open .: " + folderReadText + "\n");
    if (!permissionsBind())
        GTEST_SKIP() << permissionsDoNotBind;
    write("a.json", list(record("One")));
    write("kept.dat", "mine");
    fs::permissions(folder / "kept.dat", fs::perms::owner_read);
    const ToolRun r = run("make a.json kept.dat");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "cairnly-data: cannot write kept.dat: Permission denied\n");
    EXPECT_EQ(read("kept.dat"), "mine");
    fs::permissions(folder / "kept.dat", fs::perms::owner_write);
    EXPECT_EQ(run("dump kept.dat").err, "cairnly-data: cannot open kept.dat: Permission denied\n");
}

TEST_F(DataTool, ExplainsItsUse)
{
    const ToolRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: cairnly-data COMMAND", 0), 0u);
    EXPECT_NE(help.out.find("dump FILE"), std::string::npos);
    EXPECT_NE(help.out.find("make JSON OUT"), std::string::npos);
    EXPECT_NE(help.out.find("list FILE"), std::string::npos);
    for (const char* wrong : {"", "list", "list a.dat b.dat", "dump", "make a.json", "dump --notes a.dat", "frob a"}) {
        const ToolRun r = run(wrong);
        EXPECT_EQ(r.status, 2) << wrong;
        EXPECT_EQ(r.out, "") << wrong;
        EXPECT_EQ(r.err, help.out) << wrong;
    }
}
