#include "core/settings/SettingsStore.h"
#include "ScratchFolder.h"
#include "core/settings/ColumnLayout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace cairnly;

namespace {

std::string zeros(std::size_t bytes)
{
    return std::string(2 * bytes, '0');
}

// Every setting away from its default, and the file a save of it into an empty folder gives.
Settings fullSettings()
{
    Settings settings;
    settings.backColor = 0x80000005;
    settings.coords = {10, 20, 610, 420};
    settings.userColumns = {{"Stuff sack", FormatCenter, 4}};
    const int32_t widths[] = {120, 200, 80, 150, 60};
    std::copy(std::begin(widths), std::end(widths), settings.columnWidths.begin());
    settings.columnWidthsRead = true;
    settings.columnOrder = std::vector<int32_t>{1, 0, 2, 4, 3};
    settings.metric = true;
    settings.totalCategories = false;
    settings.exportNotes = true;
    settings.exportPaths = {"/home/hiker/list.txt", "", "/home/hiker/list.html", "/home/hiker/list.xml"};
    settings.printFont.height = -16;
    settings.printFont.weight = 400;
    settings.printFont.italic = 1;
    settings.printFont.quality = 2;
    settings.printFont.pitchAndFamily = 0x31;
    std::strcpy(settings.printFont.faceName, "Arial");
    settings.hasPrintFont = true;
    settings.printFontSize = 12;
    return settings;
}

const std::string fullFile = "[COLORS]\r\n"
                             "BACKCOLOR=0500008085\r\n"
                             "ALTCOLOR=FFFFC400C2\r\n"
                             "GROUPCOLOR=FF99000098\r\n"
                             "[MISC]\r\n"
                             "COORDS=0A0000001400000062020000A401000027\r\n"
                             "OZ=0101\r\n"
                             "TOTALCATS=0000000000\r\n"
                             "TOTALAll=0100000001\r\n"
                             "PRINTNOTES=0100000001\r\n"
                             "FONT=F0FFFFFF" +
                             zeros(12) + "90010000" + "0100000000000231" + "417269616C" + zeros(27) +
                             "9B\r\n"
                             "FONTSIZE=0C0000000C\r\n"
                             "[COLUMNS]\r\n"
                             "COLWIDTHS=78000000C800000050000000960000003C00000062\r\n"
                             "COLORDER=01000000000000000200000004000000030000000A\r\n"
                             "USERCOLS=0100000001\r\n"
                             "COLDATA=5374756666207361636B" +
                             zeros(31) + "0200000004000000D0\r\n" +
                             "[EXPORT]\r\n"
                             "TEXTFILE=/home/hiker/list.txt\r\n"
                             "COMMAFILE=\r\n"
                             "HTMLFILE=/home/hiker/list.html\r\n"
                             "XMLFILE=/home/hiker/list.xml\r\n"
                             "EXPORTNOTES=0100000001\r\n";

} // namespace

TEST(SettingsStore, NamesTheSettingsFileAfterTheDataFile)
{
    EXPECT_EQ(settingsFileFor("/a/trip.dat"), "/a/trip.ini");
    EXPECT_EQ(settingsFileFor("/a/trip.txt"), "/a/trip.ini");
    EXPECT_EQ(settingsFileFor("/a/trip"), "/a/trip.ini");
    EXPECT_EQ(settingsFileFor("/a.b/trip.v2.dat"), "/a.b/trip.v2.ini");
}

TEST(SettingsStore, SavesEveryKeyInTheOrderOfTheTable)
{
    ScratchFolder folder;
    EXPECT_EQ(saveSettings(folder / "trip.ini", fullSettings()), std::nullopt);
    EXPECT_EQ(folder.read("trip.ini"), fullFile);
}

TEST(SettingsStore, LoadsWhatItSaved)
{
    ScratchFolder folder;
    folder.write("trip.ini", fullFile);
    Settings loaded;
    loaded.hasPrintFont = false;
    loadSettings(folder / "trip.ini", loaded);
    EXPECT_EQ(loaded, fullSettings());
}

TEST(SettingsStore, SaveKeepsCommentsAndForeignSections)
{
    ScratchFolder folder;
    folder.write("trip.ini", "; my gear settings\r\n"
                             "[misc]\r\n"
                             "oz=0000\r\n"
                             "Theme = dark\r\n"
                             "\r\n"
                             "[Plugin]\r\n"
                             "; keep me\r\n"
                             "BACKCOLOR=0000000000\r\n"
                             "\r\n");
    Settings settings;
    settings.hasPrintFont = true;
    settings.printFont.height = -13;
    settings.exportPaths = {"a.txt", "b.csv", "c.html", "d.xml"};
    settings.metric = true;
    EXPECT_EQ(saveSettings(folder / "trip.ini", settings), std::nullopt);
    EXPECT_EQ(folder.read("trip.ini"), "; my gear settings\r\n"
                                       "[misc]\r\n"
                                       "oz=0101\r\n"
                                       "Theme = dark\r\n"
                                       "COORDS=" +
                                           zeros(17) +
                                           "\r\n"
                                           "TOTALCATS=0100000001\r\n"
                                           "TOTALAll=0100000001\r\n"
                                           "PRINTNOTES=0100000001\r\n"
                                           "FONT=F3FFFFFF" +
                                           zeros(56) +
                                           "F0\r\n"
                                           "FONTSIZE=0A0000000A\r\n"
                                           "\r\n"
                                           "[Plugin]\r\n"
                                           "; keep me\r\n"
                                           "BACKCOLOR=0000000000\r\n"
                                           "\r\n"
                                           "[COLORS]\r\n"
                                           "BACKCOLOR=FFFFE000DE\r\n"
                                           "ALTCOLOR=FFFFC400C2\r\n"
                                           "GROUPCOLOR=FF99000098\r\n"
                                           "[COLUMNS]\r\n"
                                           "COLWIDTHS=6400000064000000640000006400000090\r\n"
                                           "COLORDER=0000000001000000020000000300000006\r\n"
                                           "USERCOLS=0000000000\r\n"
                                           "COLDATA=00\r\n"
                                           "[EXPORT]\r\n"
                                           "TEXTFILE=a.txt\r\n"
                                           "COMMAFILE=b.csv\r\n"
                                           "HTMLFILE=c.html\r\n"
                                           "XMLFILE=d.xml\r\n"
                                           "EXPORTNOTES=0000000000\r\n");
}

TEST(SettingsStore, LeavesOutExportPathsThatWouldNotReadBack)
{
    ScratchFolder folder;
    folder.write("trip.ini", "[EXPORT]\r\nTEXTFILE=old.txt\r\n");
    Settings settings;
    settings.exportPaths = {" list.txt", "ok.csv", "\"q.html\"", "x\r\n.xml"};
    std::vector<std::string> unrecorded;
    EXPECT_EQ(saveSettings(folder / "trip.ini", settings, &unrecorded), std::nullopt);
    EXPECT_EQ(unrecorded, (std::vector<std::string>{" list.txt", "\"q.html\"", "x\r\n.xml"}));
    const ProfileFile saved = ProfileFile::load(folder / "trip.ini");
    EXPECT_EQ(saved.readString("EXPORT", "TEXTFILE"), "old.txt");
    EXPECT_EQ(saved.readString("EXPORT", "COMMAFILE"), "ok.csv");
    EXPECT_EQ(saved.readString("EXPORT", "HTMLFILE"), std::nullopt);
    EXPECT_EQ(saved.readString("EXPORT", "XMLFILE"), std::nullopt);
}

TEST(SettingsStore, WritesTheDefaultPrintingFontWhenThereIsNoFontObject)
{
    ScratchFolder folder;
    Settings settings;
    settings.printFontSize = 0;
    EXPECT_EQ(saveSettings(folder / "a.ini", settings, nullptr, 120), std::nullopt);
    const ProfileFile saved = ProfileFile::load(folder / "a.ini");
    // 8 points at 120 pixels per inch: -(960 / 72) = -13.
    Settings read;
    loadSettings(saved, read);
    EXPECT_EQ(read.printFont.height, -13);
    EXPECT_STREQ(read.printFont.faceName, "Courier New");
    EXPECT_EQ(read.printFont.weight, 0);
    EXPECT_EQ(read.printFontSize, 10);

    Settings withFont;
    withFont.hasPrintFont = true;
    setDefaultPrintFont(withFont, 120);
    EXPECT_EQ(withFont.printFont.height, -16); // 10 points: -(1200 / 72)
    EXPECT_EQ(startupPrintFont(96).height, -13);
    EXPECT_EQ(startupPrintFont(96).weight, 700);
}

// One entry at a time over a file of good values: each damaged entry keeps what memory held.
TEST(SettingsStore, MalformedEntriesKeepTheValueInMemory)
{
    const std::string good = "[COLORS]\r\nALTCOLOR=FFFFFF00FD\r\n"
                             "[MISC]\r\nFONTSIZE=0C0000000C\r\nTOTALCATS=0000000000\r\nOZ=0101\r\n"
                             "[COLUMNS]\r\nUSERCOLS=0000000000\r\n";
    Settings before;
    loadSettings(ProfileFile::parse(good), before);
    ASSERT_EQ(before.altColor, 0x00FFFFFFu);
    ASSERT_EQ(before.printFontSize, 12);
    ASSERT_FALSE(before.totalCategories);
    ASSERT_TRUE(before.metric);

    const char* damaged[] = {
        "[COLORS]\r\nALTCOLOR=FFFFFF0000FF\r\n", // another length
        "[COLORS]\r\nALTCOLOR=FFFFFF00FE\r\n",   // wrong checksum
        "[COLORS]\r\nALTCOLOR=FFFFFFX0FD\r\n",   // a digit that is not hexadecimal
        "[MISC]\r\nFONTSIZE=0000000000\r\n",     // font size 0
        "[MISC]\r\nFONTSIZE=4900000049\r\n",     // font size 73
        "[MISC]\r\nTOTALCATS=01000001\r\n",      "[MISC]\r\nOZ=00\r\n",
        "[COLUMNS]\r\nUSERCOLS=FD000000FD\r\n", // 253 user columns
    };
    for (const char* entry : damaged) {
        Settings settings = before;
        loadSettings(ProfileFile::parse(entry), settings);
        EXPECT_EQ(settings, before) << entry;
    }
}

TEST(SettingsStore, ColoursReadingAsBlackTakeTheirDefaults)
{
    Settings settings;
    settings.backColor = 0x123456;
    settings.altColor = 0x654321;
    loadSettings(ProfileFile::parse("[COLORS]\r\nBACKCOLOR=0000000000\r\nALTCOLOR=0000000101\r\n"
                                    "GROUPCOLOR=0000008080\r\n"),
                 settings);
    EXPECT_EQ(settings.backColor, defaultBackColor);
    EXPECT_EQ(settings.altColor, defaultAltColor);
    EXPECT_EQ(settings.groupColor, 0x80000000u); // a system colour, not black
}

TEST(SettingsStore, ColumnEntriesOutOfRangeAreIgnored)
{
    Settings settings;
    // Two user columns, but widths stored for three, one width over 10000 and an order naming a column twice.
    loadSettings(ProfileFile::parse("[COLUMNS]\r\nUSERCOLS=0200000002\r\n"
                                    "COLWIDTHS=" +
                                    zeros(4 * 7) +
                                    "00\r\n"
                                    "COLDATA=41" +
                                    zeros(48) + "42" + zeros(40) + "07000000050000008F\r\n" +
                                    "COLORDER=0000000000000000020000000300000004000000050000000E\r\n"),
                 settings);
    EXPECT_FALSE(settings.columnWidthsRead);
    EXPECT_EQ(settings.userColumns, (std::vector<UserColumn>{{"A", FormatLeft, 0}, {"B", FormatLeft, 5}}));
    EXPECT_EQ(settings.columnOrder, std::nullopt);
    const ColumnLayout layout = columnLayout(settings, 403);
    ASSERT_EQ(layout.columns.size(), 6u);
    for (const ListColumn& column : layout.columns)
        EXPECT_EQ(column.width, 100);
    EXPECT_TRUE(layout.order.empty());

    settings = Settings();
    loadSettings(ProfileFile::parse("[COLUMNS]\r\nCOLWIDTHS=6400000011270000640000006400000064\r\n"), settings);
    EXPECT_FALSE(settings.columnWidthsRead); // 10001
}

TEST(SettingsStore, UnreadableColumnDefinitionsLeaveNoUserColumns)
{
    Settings settings;
    settings.userColumns = {{"Old", FormatLeft, 4}};
    loadSettings(ProfileFile::parse("[COLUMNS]\r\nUSERCOLS=0300000003\r\nCOLDATA=00\r\n"
                                    "COLORDER=0100000000000000020000000300000006\r\n"),
                 settings);
    EXPECT_TRUE(settings.userColumns.empty());
    // The order is then read for the four fixed columns.
    EXPECT_EQ(settings.columnOrder, (std::vector<int32_t>{1, 0, 2, 3}));
}

TEST(SettingsStore, CutsTextsWithoutTerminator)
{
    Settings settings;
    std::string font = zeros(28);
    std::string heading;
    for (int i = 0; i < 32; ++i)
        font += "41";
    for (int i = 0; i < 41; ++i)
        heading += "42";
    // checksums: 32 x 0x41 = 0x820; 41 x 0x42 = 0xA92
    loadSettings(ProfileFile::parse("[MISC]\r\nFONT=" + font + "20\r\n[COLUMNS]\r\nUSERCOLS=0100000001\r\nCOLDATA=" +
                                    heading + zeros(8) + "92\r\n"),
                 settings);
    EXPECT_EQ(std::string(settings.printFont.faceName), std::string(31, 'A'));
    ASSERT_EQ(settings.userColumns.size(), 1u);
    EXPECT_EQ(settings.userColumns[0].heading, std::string(40, 'B'));
}

TEST(SettingsStore, LaysOutTheColumns)
{
    Settings settings;
    settings.userColumns = {{"Cost", FormatRight, 4}};
    ColumnLayout layout = columnLayout(settings, 399);
    EXPECT_EQ(layout, (ColumnLayout{{{"Category", FormatLeft, 99},
                                     {"Item", FormatCenter, 99},
                                     {"Weight (oz)", FormatCenter, 99},
                                     {"Notes", FormatLeft, 99},
                                     {"Cost", FormatRight, 99}},
                                    {}}));

    settings.metric = true;
    settings.columnWidthsRead = true;
    settings.columnWidths[0] = 0; // a first width of 0: every column keeps a quarter
    EXPECT_EQ(columnLayout(settings, 400).columns[2], (ListColumn{"Weight (gm)", FormatCenter, 100}));

    settings.columnWidths = {70, 80, 90, 10000, 5};
    settings.columnOrder = std::vector<int32_t>{4, 3, 2, 1, 0};
    layout = columnLayout(settings, 400);
    EXPECT_EQ(layout.columns[3].width, 10000);
    EXPECT_EQ(layout.columns[4].width, 5);
    EXPECT_EQ(layout.order, (std::vector<int>{4, 3, 2, 1, 0}));
}

TEST(SettingsStore, ResolvesSystemColours)
{
    const SystemColors table = [](int index) { return index == 5 ? 0xFF00FF00u : 0x00123456u; };
    EXPECT_EQ(resolveColor(0x80000005, table), 0x0000FF00u);
    EXPECT_EQ(resolveColor(0x80010006, table), 0x00123456u);
    EXPECT_EQ(resolveColor(0x80000005, nullptr), 0u);
    EXPECT_EQ(resolveColor(0x0AE0FFFF, table), 0x00E0FFFFu);
}

TEST(SettingsStore, RecordsTheLastFileOrRemovesARecordThatWouldNotReadBack)
{
    ScratchFolder folder;
    const auto lastFile = [&folder] { return readLastFile(ProfileFile::load(folder / "Cairnly.ini")); };
    folder.write("Cairnly.ini", "[MRU]\r\nCount=0\r\n");
    EXPECT_EQ(lastFile(), "");
    // Paths from UTF-8 texts: a plain string would be in the ANSI code page on Windows.
    const std::filesystem::path green = u8"/home/hiker/Gr\u00fcn.dat";
    for (const std::u8string path : {u8"/home/hiker/trip.dat ", u8"/home/a\nb.dat", u8"/home/\u221e.dat"}) {
        const std::string utf8(path.begin(), path.end());
        EXPECT_EQ(recordLastFile(folder / "Cairnly.ini", green), std::nullopt);
        EXPECT_EQ(folder.read("Cairnly.ini"), "[MRU]\r\nCount=0\r\n[LASTFILE]\r\nFILE=/home/hiker/Gr\xFCn.dat\r\n");
        EXPECT_EQ(lastFile(), green);
        // The next start must not name the earlier file, nor Save write this list over it.
        EXPECT_EQ(recordLastFile(folder / "Cairnly.ini", path), std::nullopt) << utf8;
        EXPECT_EQ(folder.read("Cairnly.ini"), "[MRU]\r\nCount=0\r\n[LASTFILE]\r\n") << utf8;
    }
    ScratchFolder empty;
    EXPECT_EQ(recordLastFile(empty / "Cairnly.ini", std::filesystem::path(u8"/home/\u221e.dat")), std::nullopt);
    EXPECT_EQ(empty.read("Cairnly.ini"), "<missing>");
}

// A window on a monitor left of or above the main one has negative coordinates; damage lies further out.
TEST(SettingsStore, AWindowLeftOfOrAboveTheMainScreenComesBackAndOneBeyondTheBoundsIsRefused)
{
    const std::array<int32_t, 4> kept{1, 2, 3, 4};
    const struct
    {
        std::array<int32_t, 4> stored;
        bool readBack;
    } cases[] = {
        {{-1600, -200, -1000, 300}, true},
        {{-maxCoordinate, -maxCoordinate, maxCoordinate, maxCoordinate}, true},
        {{-maxCoordinate - 1, 0, 600, 400}, false},
        {{0, 0, maxCoordinate + 1, 400}, false},
        {{0, std::numeric_limits<int32_t>::min(), 600, 400}, false},
    };
    for (const auto& c : cases) {
        ProfileFile profile;
        profile.writeStruct("MISC", "COORDS", littleEndianBytes(c.stored));
        Settings settings;
        settings.coords = kept;
        loadSettings(profile, settings);
        EXPECT_EQ(settings.coords, c.readBack ? c.stored : kept) << c.stored[0] << "," << c.stored[1];
    }
}
