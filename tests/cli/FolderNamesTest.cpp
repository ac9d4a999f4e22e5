// Files in folders whose names the Windows ANSI code page holds only in part ("€" is there, "é" too) or
// not at all (Greek): opened, read and written under their full names on every system.
#include "DataTool.h"
#include "FakeLegacyRegistry.h"
#include "RecordSupport.h"
#include "core/files/DataFile.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/Startup.h"

using namespace cairnly;
using namespace cairnly::test;
namespace fs = std::filesystem;

TEST_F(DataTool, FilesInFoldersWithNamesBeyondTheAnsiCodePage)
{
    const Image fly{"Tent", "Fly", "12.5", "25.00", "", 1, "2"};
    const std::string list = header + "Tent\r\n\r\n" + fly.top() + count0 + count0;
    for (const std::u8string name : {u8"Caf\u00e9 \u20ac", u8"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac"}) {
        const std::string utf8(name.begin(), name.end());
        SCOPED_TRACE(utf8);
        const fs::path sub = folder.path() / name;
        ASSERT_TRUE(fs::create_directory(sub));

        // The core writes and reads a data file and a settings file there.
        std::vector<std::unique_ptr<GearRecord>> rows;
        rows.push_back(itemRecord("Tent", "Fly", "12.5"));
        ASSERT_EQ(writeDataFile(sub / "list.dat", {"Tent"}, {rows[0].get()}), std::nullopt);
        const Image written{"Tent", "Fly", "12.5", "12.5"};
        EXPECT_EQ(readWholeFile(sub / "list.dat").bytes(), header + "Tent\r\n\r\n" + written.top() + count0 + count0);
        EXPECT_EQ(readDataFile(sub / "list.dat").records.size(), 1u);
        Settings grams;
        grams.metric = true;
        ASSERT_EQ(saveSettings(sub / "list.ini", grams, nullptr, 96), std::nullopt);
        Settings loaded;
        loadSettings(sub / "list.ini", loaded);
        EXPECT_TRUE(loaded.metric);

        // Start-up there makes its settings file beside the working file.
        FakeLegacyRegistry registry;
        registry.exists = false;
        const StartupState state = startUp(sub, registry, 96, {});
        EXPECT_EQ(state.currentDataFile, sub / "GearData.dat");
        EXPECT_EQ(readWholeFile(sub / "GearData.ini").bytes().rfind("[COLORS]\r\nBACKCOLOR=FFFFE000DE\r\n", 0), 0u);

        // cairnly-data takes the names on its command line: make of a dump gives back the bytes, and list
        // reads the settings beside the file.
        ASSERT_TRUE(writeFileAtomically(sub / "known.dat", list) == std::nullopt);
        const ToolRun dump = runWords({"dump", utf8 + "/known.dat"});
        EXPECT_EQ(dump.status, 0);
        EXPECT_EQ(dump.err, "");
        ASSERT_TRUE(writeFileAtomically(sub / "known.json", dump.out) == std::nullopt);
        const ToolRun make = runWords({"make", utf8 + "/known.json", utf8 + "/copy.dat"});
        EXPECT_EQ(make.status, 0);
        EXPECT_EQ(make.err, "");
        EXPECT_EQ(readWholeFile(sub / "copy.dat").bytes(), list);
        ASSERT_TRUE(writeFileAtomically(sub / "known.ini", "[MISC]\r\nOZ=0101\r\n") == std::nullopt);
        const ToolRun shown = runWords({"list", utf8 + "/known.dat"});
        EXPECT_EQ(shown.out, "[x]\tTent\tFly\t25.00\t\n25.00 gm. (0.02 kg)\n");
        EXPECT_EQ(runWords({"dump", utf8 + "/missing.dat"}).err,
                  "cairnly-data: cannot open " + utf8 + "/missing.dat: No such file or directory\n");
    }
    // The settings file records the folder whose name has a Windows-1252 form, and only that one: the
    // other takes the record away.
    const fs::path cafe = folder.path() / u8"Caf\u00e9 \u20ac" / "list.dat";
    ASSERT_EQ(recordLastFile(folder / "Cairnly.ini", cafe), std::nullopt);
    EXPECT_EQ(readLastFile(ProfileFile::load(folder / "Cairnly.ini")), cafe);
    const fs::path greek = folder.path() / u8"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac" / "list.dat";
    EXPECT_EQ(recordLastFile(folder / "Cairnly.ini", greek), std::nullopt);
    EXPECT_EQ(readLastFile(ProfileFile::load(folder / "Cairnly.ini")), "");
}
