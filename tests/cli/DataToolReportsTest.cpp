// cairnly-data totals and export: the reports of a gear file with the settings beside it.
#include "DataTool.h"

using namespace cairnly;
using namespace cairnly::test;

namespace {

// Tent: a ticked fly and unticked pegs; Cooking: a ticked group of a stove and a pot, then a ticked
// "cooking" mug that joins its run.
std::string sampleFile()
{
    const Image fly{"Tent", "Fly", "1250", "1250.00", "green & grey", 1};
    const Image pegs{"Tent", "Pegs", "120", "120.00"};
    const Image kitchen{"Cooking", "Kitchen", "", "", "", 1, "1", "", "+ Kitchen", "- Kitchen"};
    const Image stove{"Cooking", "Stove", "300", "300.00", "", 0, "1", "", "", "", 1};
    const Image pot{"Cooking", "Pot", "400", "400.00", "", 0, "1", "", "", "", 1};
    const Image mug{"cooking", "Mug", "90", "90.00", "", 1};
    return header + "Tent\r\nCooking\r\n\r\n" + fly.top() + count0 + count0 + pegs.top() + count0 + count0 +
           kitchen.top() + count2 + stove.member() + count0 + pot.member() + count0 + count0 + mug.top() + count0 +
           count0;
}

} // namespace

TEST_F(DataTool, TotalsPrintsALinePerCategoryRunInTheUnitsOfTheSettingsBeside)
{
    write("trip.dat", sampleFile());
    write("trip.ini", "[MISC]\r\nOZ=0101\r\n");
    const ToolRun r = run("totals trip.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Cooking               :  790.00 gm. (  0.79 kg)\n"
                     "Tent                  : 1250.00 gm. (  1.25 kg)\n"
                     "-------------------------------------------\n"
                     "Grand Total           : 2040.00 gm. (  2.04 kg)\n");
    EXPECT_FALSE(exists("Cairnly.ini"));
}

// A ticked shirt of two, one worn; ticked oats marked consumable; a ticked tent; unticked worn socks. The
// settings beside it define the user columns "Worn" and "Consumable".
TEST_F(DataTool, TotalsWithWeightsAddsTheFiveTripWeightsAfterAnEmptyLine)
{
    const Image shirt{"Clothes", "Shirt", "5.25", "10.50", "", 1, "2"};
    const Image socks{"Clothes", "Socks", "2", "2.00"};
    const Image oats{"Food", "Oats", "20", "20.00", "", 1};
    const Image tent{"Tent", "Tent", "40", "40.00", "", 1};
    write("trip.dat", header + "Clothes\r\nFood\r\nTent\r\n\r\n" + shirt.top() + count0 + count1 + "Worn\r\n" +
                          socks.top() + count0 + count1 + "Worn\r\n" + oats.top() + count0 + count2 +
                          "\r\nConsumable\r\n" + tent.top() + count0 + count0);
    write("trip.ini", "[COLUMNS]\r\nUSERCOLS=0200000002\r\nCOLDATA=576F726E" + std::string(74, '0') +
                          "0000000004000000436F6E73756D61626C65" + std::string(62, '0') + "0000000005000000B8\r\n");
    const std::string totals = "Clothes               :  10.50 oz. (  0.66 lb)\n"
                               "Food                  :  20.00 oz. (  1.25 lb)\n"
                               "Tent                  :  40.00 oz. (  2.50 lb)\n"
                               "-------------------------------------------\n"
                               "Grand Total           :  70.50 oz. (  4.41 lb)\n";
    EXPECT_EQ(run("totals trip.dat").out, totals);
    const ToolRun r = run("totals --weights trip.dat");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, totals + "\n"
                              "Base Weight           :  45.25 oz. (  2.83 lb)\n"
                              "Consumable            :  20.00 oz. (  1.25 lb)\n"
                              "Worn                  :   5.25 oz. (  0.33 lb)\n"
                              "Pack Weight           :  65.25 oz. (  4.08 lb)\n"
                              "Skin-Out Weight       :  70.50 oz. (  4.41 lb)\n");
}

TEST_F(DataTool, ExportWritesOneFormatWithTheListColoursAndNothingElse)
{
    write("trip.dat", sampleFile());
    // The background is the system's window colour, which a fresh Windows paints white.
    write("trip.ini", "[COLORS]\r\nBACKCOLOR=0500008085\r\nGROUPCOLOR=FF99000098\r\n");
    const ToolRun r = run("export --only-checked --format=html --notes trip.dat out.htm");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(read("out.htm"),
              "<html>\r\n<head>\r\n<title>Gear List</title>\r\n</head>\r\n<body>\r\n<table border=1 width=100%>\r\n"
              "<tr><td width=25% align=left bgcolor=#ffffff><font face=Arial>Category</font></td>"
              "<td width=25% align=center bgcolor=#ffffff><font face=Arial>Item</font></td>"
              "<td width=10% align=center bgcolor=#ffffff><font face=Arial>Weight</font></td>"
              "<td width=40% align=left bgcolor=#ffffff><font face=Arial>Notes</font></td></tr>"
              "<tr><td width=25% align=left bgcolor=#ff9900><font face=Arial>Cooking</font></td>"
              "<td width=25% align=center bgcolor=#ff9900><font face=Arial>Pot</font></td>"
              "<td width=10% align=center bgcolor=#ff9900><font face=Arial>400.00</font></td>"
              "<td width=40% align=left bgcolor=#ff9900><font face=Arial>&nbsp;</font></td></tr>\r\n"
              "<tr><td width=25% align=left bgcolor=#ff9900><font face=Arial>Cooking</font></td>"
              "<td width=25% align=center bgcolor=#ff9900><font face=Arial>Stove</font></td>"
              "<td width=10% align=center bgcolor=#ff9900><font face=Arial>300.00</font></td>"
              "<td width=40% align=left bgcolor=#ff9900><font face=Arial>&nbsp;</font></td></tr>\r\n"
              "<tr><td width=25% align=left bgcolor=#ffffc4><font face=Arial>cooking</font></td>"
              "<td width=25% align=center bgcolor=#ffffc4><font face=Arial>Mug</font></td>"
              "<td width=10% align=center bgcolor=#ffffc4><font face=Arial>90.00</font></td>"
              "<td width=40% align=left bgcolor=#ffffc4><font face=Arial>&nbsp;</font></td></tr>\r\n"
              "<tr><td width=25% align=left bgcolor=#ffffff><font face=Arial>Tent</font></td>"
              "<td width=25% align=center bgcolor=#ffffff><font face=Arial>Fly</font></td>"
              "<td width=10% align=center bgcolor=#ffffff><font face=Arial>1250.00</font></td>"
              "<td width=40% align=left bgcolor=#ffffff><font face=Arial>green &amp; grey</font></td></tr>\r\n"
              "</table></body></html>\r\n");
    EXPECT_FALSE(exists("Cairnly.ini"));
    EXPECT_EQ(read("trip.ini"), "[COLORS]\r\nBACKCOLOR=0500008085\r\nGROUPCOLOR=FF99000098\r\n");
}

TEST_F(DataTool, ReportCommandsAnswerWrongUseWithTheUsage)
{
    write("trip.dat", sampleFile());
    for (const char* arguments : {"export trip.dat out.txt", "export --format pdf trip.dat out.txt",
                                  "export --format text --all trip.dat out.txt", "totals", "totals a b",
                                  "totals --weights", "totals --worn trip.dat"}) {
        const ToolRun r = run(arguments);
        EXPECT_EQ(r.status, 2) << arguments;
        EXPECT_EQ(r.err.rfind("Usage: cairnly-data", 0), 0u) << arguments;
    }
    EXPECT_FALSE(exists("out.txt"));
    const ToolRun missing = run("export --format text missing.dat out.txt");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "cairnly-data: cannot open missing.dat: No such file or directory\n");
}
