#include "core/settings/Startup.h"
#include "FakeLegacyRegistry.h"
#include "ScratchFolder.h"
#include "WrittenLegacyRegistry.h"
#include "core/settings/ColumnLayout.h"
#include "core/settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <type_traits>

using namespace cairnly;

namespace {

std::string zeros(std::size_t bytes)
{
    return std::string(2 * bytes, '0');
}

const std::string defaultColors = "[COLORS]\r\n"
                                  "BACKCOLOR=FFFFE000DE\r\n"
                                  "ALTCOLOR=FFFFC400C2\r\n"
                                  "GROUPCOLOR=FF99000098\r\n";
// Courier New, normal weight, 10 points at 96 pixels per inch.
const std::string defaultFont = "FONT=F3FFFFFF" + zeros(24) + "436F7572696572204E6577" + zeros(21) + "13\r\n";

// Answers the units question and counts how often it was asked.
struct UnitsAnswer
{
    std::optional<bool> metric;
    int asked = 0;

    UnitsQuestion question()
    {
        return [this] {
            ++asked;
            return metric;
        };
    }
};

// Every test runs against the fake and, on Windows, against the system's registry as well.
template <class Registry>
class Startup : public ::testing::Test
{
protected:
    void SetUp() override
    {
#ifdef _WIN32
        if constexpr (std::is_same_v<Registry, WrittenLegacyRegistry>) {
            if (const std::optional<std::string> why = WrittenLegacyRegistry::whyNotWritable())
                GTEST_SKIP() << *why;
        }
#endif
    }
};

#ifdef _WIN32
using Registries = ::testing::Types<FakeLegacyRegistry, WrittenLegacyRegistry>;
#else
using Registries = ::testing::Types<FakeLegacyRegistry>;
#endif

struct RegistryName
{
    template <class Registry>
    static std::string GetName(int)
    {
        return std::is_same_v<Registry, FakeLegacyRegistry> ? "Fake" : "System";
    }
};

} // namespace

TYPED_TEST_SUITE(Startup, Registries, RegistryName);

TYPED_TEST(Startup, FirstStartInAnEmptyFolderWithoutTheKey)
{
    ScratchFolder folder;
    TypeParam registry;
    registry.exists = false;
    UnitsAnswer answer{true};
    StartupState state = startUp(folder.path(), registry, 96, answer.question());

    EXPECT_EQ(answer.asked, 1);
    EXPECT_TRUE(state.importRan);
    EXPECT_FALSE(state.startupSettingsFileExisted);
    EXPECT_EQ(state.currentDataFile, folder / "GearData.dat");
    EXPECT_EQ(state.startupSettingsFile, folder / "GearData.ini");
    EXPECT_EQ(state.settingsFile, folder / "GearData.ini");
    EXPECT_TRUE(state.messages.empty());
    const std::string expected = defaultColors + "[MISC]\r\n" + defaultFont +
                                 "FONTSIZE=0A0000000A\r\n"
                                 "[COLUMNS]\r\n"
                                 "USERCOLS=0000000000\r\n"
                                 "COLWIDTHS=6400000064000000640000006400000090\r\n";
    EXPECT_EQ(folder.read("GearData.ini"), expected);
    EXPECT_EQ(folder.read("Cairnly.ini"), "<missing>");
    EXPECT_TRUE(state.settings.metric);
    EXPECT_EQ(state.settings.printFont.weight, 0);
    EXPECT_EQ(state.settings.printFont.height, -13);
    EXPECT_EQ(columnLayout(state.settings, 800).columns[2], (ListColumn{"Weight (gm)", FormatCenter, 100}));

    // The next start neither asks nor writes.
    state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(answer.asked, 1);
    EXPECT_FALSE(state.importRan);
    EXPECT_TRUE(state.startupSettingsFileExisted);
    EXPECT_EQ(folder.read("GearData.ini"), expected);
    EXPECT_EQ(state.settings.printFont.weight, 0);
}

TYPED_TEST(Startup, ClosingTheUnitsDialogLeavesOunces)
{
    ScratchFolder folder;
    TypeParam registry;
    registry.exists = false;
    UnitsAnswer answer{std::nullopt};
    const StartupState state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(answer.asked, 1);
    EXPECT_TRUE(state.import.unitsAsked);
    EXPECT_FALSE(state.settings.metric);
}

TYPED_TEST(Startup, ImportsEveryValueOfTheLegacyKey)
{
    ScratchFolder folder;
    TypeParam registry;
    registry.setDword("BackColor", 0x00112233);
    registry.setDword("AltColor", 0); // black: the default
    registry.values["Coords"] = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0};
    registry.values["Cols"] = {50, 0, 0, 0, 60, 0, 0, 0, 70, 0, 0, 0, 80, 0, 0, 0, 90, 0, 0, 0};
    registry.values["ColOrder"] = {0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 3, 0, 0, 0};
    registry.setDword("Oz", 5);
    registry.setDword("UserColumns", 1);
    std::vector<uint8_t> column(49, 0);
    std::copy_n("Cost", 4, column.begin());
    column[41] = 1; // right
    column[45] = 4;
    registry.values["ColData"] = column;
    registry.setDword("TotalCategories", 0);
    registry.setDword("PrintNotes", 0);
    registry.setString("CommaFile", "C:\\gear\\list.csv");
    registry.setString("HTMLFile", " padded.html");
    registry.values["XMLFile"] = {'l', 'i', 's', 't', '.', 'x', 'm', 'l'}; // stored without its NUL
    registry.setDword("FontSize", 14);
    std::vector<uint8_t> font(60, 0);
    const uint8_t heightAndWeight[] = {0xEC, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xBC, 0x02};
    std::copy(std::begin(heightAndWeight), std::end(heightAndWeight), font.begin()); // -20, 700
    std::copy_n("Arial", 5, font.begin() + 28);
    registry.values["Font"] = font;
    UnitsAnswer answer{false};

    const StartupState state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(answer.asked, 0);
    EXPECT_EQ(registry.opens, 2); // once for the colours, once for the import
    EXPECT_EQ(registry.openKeys, 0);
    EXPECT_EQ(folder.read("GearData.ini"), "[COLORS]\r\n"
                                           "BACKCOLOR=3322110066\r\n"
                                           "ALTCOLOR=FFFFC400C2\r\n"
                                           "GROUPCOLOR=FF99000098\r\n"
                                           "[MISC]\r\n"
                                           "COORDS=010000000200000003000000040000000A\r\n"
                                           "OZ=0101\r\n"
                                           "TOTALCATS=0000000000\r\n"
                                           "TOTALAll=0100000001\r\n"
                                           "PRINTNOTES=0000000000\r\n"
                                           "FONT=ECFFFFFF" +
                                               zeros(12) + "BC020000" + zeros(8) + "417269616C" + zeros(27) +
                                               "90\r\n"
                                               "FONTSIZE=0E0000000E\r\n"
                                               "[COLUMNS]\r\n"
                                               "COLWIDTHS=320000003C00000046000000500000005A0000005E\r\n"
                                               "COLORDER=00000000010000000200000004000000030000000A\r\n"
                                               "USERCOLS=0100000001\r\n"
                                               "COLDATA=436F7374" +
                                               zeros(37) +
                                               "01000000040000009E\r\n"
                                               "[EXPORT]\r\n"
                                               "COMMAFILE=C:\\gear\\list.csv\r\n"
                                               "TEXTFILE=\r\n"
                                               "XMLFILE=list.xml\r\n"
                                               "EXPORTNOTES=0000000000\r\n");
    ASSERT_EQ(state.messages.size(), 1u);
    EXPECT_NE(state.messages[0].text.find("\" padded.html\""), std::string::npos);
    EXPECT_EQ(state.messages[0].caption, "Cairnly");

    const Settings& settings = state.settings;
    EXPECT_EQ(settings.backColor, 0x00112233u);
    EXPECT_EQ(settings.coords, (std::array<int32_t, 4>{1, 2, 3, 4}));
    EXPECT_TRUE(settings.metric);
    EXPECT_EQ(settings.userColumns, (std::vector<UserColumn>{{"Cost", FormatRight, 4}}));
    EXPECT_EQ(settings.columnOrder, (std::vector<int32_t>{0, 1, 2, 4, 3}));
    EXPECT_EQ(columnLayout(settings, 800).columns[4].width, 90);
    EXPECT_EQ(settings.exportPaths,
              (std::array<std::filesystem::path, 4>{"", "C:\\gear\\list.csv", " padded.html", "list.xml"}));
    EXPECT_EQ(settings.printFontSize, 14);
    EXPECT_STREQ(settings.printFont.faceName, "Arial");
}

TYPED_TEST(Startup, AnOpenedKeyWithoutValuesGivesTheDefaults)
{
    ScratchFolder folder;
    TypeParam registry;
    UnitsAnswer answer{false};
    const StartupState state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(answer.asked, 1);
    EXPECT_TRUE(state.import.keyOpened);
    EXPECT_EQ(folder.read("GearData.ini"), defaultColors +
                                               "[COLUMNS]\r\n"
                                               "COLWIDTHS=6400000064000000640000006400000090\r\n"
                                               "USERCOLS=0000000000\r\n"
                                               "[MISC]\r\n"
                                               "OZ=0000\r\n"
                                               "TOTALCATS=0100000001\r\n"
                                               "TOTALAll=0100000001\r\n"
                                               "PRINTNOTES=0100000001\r\n" +
                                               defaultFont +
                                               "FONTSIZE=0A0000000A\r\n"
                                               "[EXPORT]\r\n"
                                               "COMMAFILE=\r\n"
                                               "TEXTFILE=\r\n"
                                               "HTMLFILE=\r\n"
                                               "XMLFILE=\r\n"
                                               "EXPORTNOTES=0000000000\r\n");
}

TYPED_TEST(Startup, LegacyValuesOfAnotherSizeOrOutOfRangeCountAsAbsent)
{
    ScratchFolder folder;
    TypeParam registry;
    registry.values["BackColor"] = {1, 2, 3};
    registry.values["Coords"] = {1, 0, 0, 0, 2, 0, 0, 0};
    registry.values["Cols"] = {50, 0, 0, 0, 60, 0};
    registry.values["ColOrder"] = {0, 0, 0, 0, 0, 0, 0, 0};
    registry.values["Oz"] = {1, 0};
    registry.setDword("UserColumns", 253);
    registry.setDword("FontSize", 73);
    registry.values["Font"] = std::vector<uint8_t>(61, 0x41);
    UnitsAnswer answer{true};
    const StartupState state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(answer.asked, 1);

    const ProfileFile written = ProfileFile::parse(folder.read("GearData.ini"));
    EXPECT_EQ(written.readString("COLORS", "BACKCOLOR"), "FFFFE000DE");
    EXPECT_EQ(written.readString("MISC", "COORDS"), std::nullopt);
    EXPECT_EQ(written.readString("COLUMNS", "COLWIDTHS"), "6400000064000000640000006400000090");
    EXPECT_EQ(written.readString("COLUMNS", "COLORDER"), std::nullopt);
    EXPECT_EQ(written.readString("MISC", "OZ"), "0101");
    EXPECT_EQ(written.readString("COLUMNS", "USERCOLS"), "0000000000");
    EXPECT_EQ(written.readString("MISC", "FONTSIZE"), "0A0000000A");
    EXPECT_EQ("FONT=" + *written.readString("MISC", "FONT") + "\r\n", defaultFont);
}

TYPED_TEST(Startup, MissingColumnDefinitionsAreNotWritten)
{
    ScratchFolder folder;
    TypeParam registry;
    registry.setDword("Oz", 0);
    registry.setDword("UserColumns", 2);
    registry.values["ColData"] = std::vector<uint8_t>(49, 0x41); // one record where two are due
    const StartupState state = startUp(folder.path(), registry, 96, {});
    const ProfileFile written = ProfileFile::parse(folder.read("GearData.ini"));
    EXPECT_EQ(written.readString("COLUMNS", "USERCOLS"), "0200000002");
    EXPECT_EQ(written.readString("COLUMNS", "COLDATA"), std::nullopt);
    // Loading the file then finds no definitions and keeps no user columns.
    EXPECT_TRUE(state.settings.userColumns.empty());
    EXPECT_FALSE(state.import.unitsAsked);
}

TYPED_TEST(Startup, ARecordedLastFileWithoutSettingsGetsTheImport)
{
    ScratchFolder folder;
    folder.write("Cairnly.ini", "[LASTFILE]\r\nFILE=trip.txt\r\n");
    const std::string working = "[COLORS]\r\nBACKCOLOR=3322110066\r\n[MISC]\r\nFONTSIZE=0C0000000C\r\n";
    folder.write("GearData.ini", working);
    TypeParam registry;
    registry.setDword("Oz", 1);
    registry.setDword("GroupColor", 0x00445566);
    UnitsAnswer answer{false};

    StartupState state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(state.lastFile, "trip.txt");
    EXPECT_EQ(state.currentDataFile, folder / "trip.txt");
    EXPECT_EQ(state.startupSettingsFile, folder / "trip.ini");
    EXPECT_FALSE(state.startupSettingsFileExisted);
    EXPECT_TRUE(state.importRan);
    EXPECT_EQ(answer.asked, 0);
    EXPECT_EQ(folder.read("GearData.ini"), working);
    const ProfileFile trip = ProfileFile::parse(folder.read("trip.ini"));
    EXPECT_EQ(trip.readString("COLORS", "GROUPCOLOR"), "66554400FF");
    EXPECT_EQ(trip.readString("MISC", "OZ"), "0101");
    // The working file's settings are loaded over the rest.
    EXPECT_EQ(state.settings.backColor, 0x00112233u);
    EXPECT_EQ(state.settings.groupColor, 0x00445566u);
    EXPECT_EQ(state.settings.printFontSize, 12);
    EXPECT_TRUE(state.settings.metric);

    // Afterwards the registry is not consulted again.
    registry.opens = 0;
    state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(registry.opens, 0);
    EXPECT_FALSE(state.importRan);
}

TYPED_TEST(Startup, AnExistingSettingsFileIsOnlyRead)
{
    ScratchFolder folder;
    const std::string existing = "[COLORS]\r\nALTCOLOR=0000000000\r\nGROUPCOLOR=3322110066\r\n";
    folder.write("GearData.ini", existing);
    TypeParam registry;
    registry.setDword("BackColor", 0x00010203);
    UnitsAnswer answer{true};
    const StartupState state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(registry.opens, 0);
    EXPECT_EQ(answer.asked, 0);
    EXPECT_EQ(folder.read("GearData.ini"), existing);
    EXPECT_EQ(state.settings.backColor, defaultBackColor);
    EXPECT_EQ(state.settings.altColor, defaultAltColor);
    EXPECT_EQ(state.settings.groupColor, 0x00112233u);
    EXPECT_FALSE(state.settings.metric);
    // No FONT entry: the bold start-up font stays.
    EXPECT_EQ(state.settings.printFont, startupPrintFont(96));
}

TEST(Startup, SettingsFilesThatCannotBeReadAreToldAndNeitherImportedIntoNorWritten)
{
    const auto unableToOpen = [](const std::filesystem::path& file) {
        return Message{file.string(), "Unable to Open!", MessageIcon::Exclamation, MessageButtons::Ok};
    };
    FakeLegacyRegistry registry;
    UnitsAnswer answer{true};
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "Cairnly.ini"); // a folder cannot be read as a file
    std::filesystem::create_directory(folder / "GearData.ini");
    StartupState state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(state.messages,
              (std::vector<Message>{unableToOpen(folder / "Cairnly.ini"), unableToOpen(folder / "GearData.ini")}));
    EXPECT_FALSE(state.importRan);

    ScratchFolder other;
    other.write("Cairnly.ini", "[LASTFILE]\r\nFILE=trip.dat\r\n");
    std::filesystem::create_directory(other / "trip.ini");
    state = startUp(other.path(), registry, 96, answer.question());
    EXPECT_EQ(state.messages, std::vector<Message>{unableToOpen(other / "trip.ini")});
    EXPECT_FALSE(state.importRan);
    EXPECT_EQ(answer.asked, 0);
    EXPECT_EQ(registry.opens, 0);
}

TEST(Startup, ALastFileWhoseFolderIsGoneIsToldAndAsksNothing)
{
    ScratchFolder folder;
    const std::filesystem::path gone = folder / "stick" / "trip.dat";
    folder.write("Cairnly.ini", "[LASTFILE]\r\nFILE=" + gone.string() + "\r\n");
    FakeLegacyRegistry registry;
    registry.exists = false;
    UnitsAnswer answer{true};
    const StartupState state = startUp(folder.path(), registry, 96, answer.question());
    EXPECT_EQ(answer.asked, 0);
    EXPECT_FALSE(state.importRan);
    EXPECT_EQ(state.currentDataFile, gone);
    EXPECT_EQ(state.messages, (std::vector<Message>{{"The last data file " + gone.string() +
                                                         " cannot be reached: No such file or directory",
                                                     "Cairnly", MessageIcon::Exclamation, MessageButtons::Ok}}));
    EXPECT_EQ(folder.read("GearData.ini"), "<missing>");
    EXPECT_FALSE(std::filesystem::exists(folder / "stick"));
}

TEST(Startup, TheImportTakesANegativeWindowPositionAndRefusesOneBeyondTheBounds)
{
    for (const bool beyond : {false, true}) {
        ScratchFolder folder;
        FakeLegacyRegistry registry;
        registry.setDword("Oz", 0);
        const std::vector<int32_t> coords{-1600, beyond ? -maxCoordinate - 1 : -200, -1000, 300};
        registry.values["Coords"] = littleEndianBytes(coords);
        const StartupState state = startUp(folder.path(), registry, 96, {});
        const std::optional<std::string> written =
            ProfileFile::load(folder / "GearData.ini").readString("MISC", "COORDS");
        if (beyond) {
            EXPECT_EQ(written, std::nullopt);
            EXPECT_EQ(state.settings.coords, (std::array<int32_t, 4>{0, 0, 0, 0}));
        } else {
            EXPECT_EQ(written, "C0F9FFFF38FFFFFF18FCFFFF2C0100002B");
            EXPECT_EQ(state.settings.coords, (std::array<int32_t, 4>{-1600, -200, -1000, 300}));
        }
    }
}
