// Files the list was read from in part or not at all, and files that cannot be written: none is lost.
#include "DataFileBytes.h"
#include "ListSupport.h"
#include "core/files/DataFile.h"

#include "core/settings/SettingsStore.h"

#include <set>

using namespace cairnly;
using namespace cairnly::testing;
using cairnly::test::count0;
using cairnly::test::header;
using cairnly::test::itemImage;
namespace fs = std::filesystem;

namespace {

const std::string fly = itemImage("Tent", "Fly", "12").top() + count0 + count0;
const std::string flyList = header + "Tent\r\n\r\n" + fly;

std::string settingsFailure(const fs::path& file, const std::string& error)
{
    return "The settings file " + file.string() + " could not be written: " + error;
}

Message error(const std::string& text)
{
    return {text, "Error", MessageIcon::Exclamation, MessageButtons::Ok};
}

Message told(const std::string& text)
{
    return {text, "Cairnly", MessageIcon::Exclamation, MessageButtons::Ok};
}

} // namespace

class DocumentFileSafetyTest : public ListTest
{
protected:
    std::set<std::string> fileNames()
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string keptText(const fs::path& file, const std::string& keptAs)
    {
        return "The file " + file.string() + " will be kept as " + (folder / keptAs).string() +
               " before the list is saved over it.";
    }
};

TEST_F(DocumentFileSafetyTest, AWorkingFileReadOnlyInPartIsKeptWholeBeforeTheFirstWriteOverIt)
{
    const fs::path working = folder / "GearData.dat";
    const std::string damagedText = "The file " + working.string() + " is damaged: 1 row could be read, and the " +
                                    "whole file will be kept as " + (folder / "GearData.dat.bak").string() +
                                    " before the list is saved over it.";
    const struct
    {
        std::string bytes;
        std::vector<Message> messages;
    } cases[] = {
        {"Cairnly data file. Version 3\r\nTent\r\n\r\n",
         {{"Version 5 requires a GearData.dat file in version 4 or 5 format", "Cairnly", MessageIcon::Error},
          told(keptText(working, "GearData.dat.bak"))}},
        {"My shopping list\r\n",
         {{"Not a Cairnly data file", "GearData.dat", MessageIcon::Error},
          told(keptText(working, "GearData.dat.bak"))}},
        {flyList + fly.substr(0, 100), {told(damagedText)}},
    };
    for (const auto& c : cases) {
        fs::remove(folder / "GearData.dat.bak");
        folder.write("GearData.dat", c.bytes);
        makeDocument(Settings{});
        EXPECT_EQ(document->loadWorkingFile(), c.messages);
        add("Cooking", "Pot", "5");
        EXPECT_TRUE(document->write().messages.empty());
        EXPECT_EQ(folder.read("GearData.dat.bak"), c.bytes);
        EXPECT_NE(folder.read("GearData.dat"), c.bytes);
        // Only the first write keeps a copy.
        EXPECT_TRUE(document->write().messages.empty());
        EXPECT_EQ(fileNames(),
                  (std::set<std::string>{"Cairnly.ini", "GearData.dat", "GearData.dat.bak", "GearData.ini"}));
    }

    // A name that is taken is passed over, when the file is read and again when it is written.
    folder.write("GearData.dat", "Version 3 Cairnly");
    makeDocument(Settings{});
    EXPECT_EQ(document->loadWorkingFile().back(), told(keptText(working, "GearData.dat.bak1")));
    folder.write("GearData.dat.bak1", "someone else's");
    const WriteReport report = document->write();
    EXPECT_EQ(report.messages,
              (std::vector<Message>{told("The file " + working.string() + " is kept as " +
                                         (folder / "GearData.dat.bak2").string() + ", since " +
                                         (folder / "GearData.dat.bak1").string() + " has been taken.")}));
    EXPECT_EQ(folder.read("GearData.dat.bak2"), "Version 3 Cairnly");
    EXPECT_EQ(folder.read("GearData.dat.bak1"), "someone else's");
}

TEST_F(DocumentFileSafetyTest, ADamagedFileOpenedIsKeptWholeBeforeSaveWritesOverItAndACleanOneNever)
{
    const std::string damaged = flyList + fly + std::string("\1\0", 2);
    folder.write("trip.dat", damaged);
    folder.write("clean.dat", flyList);
    EXPECT_EQ(document->openFile(folder / "trip.dat"),
              (std::vector<Message>{told("The file " + (folder / "trip.dat").string() +
                                         " is damaged: 2 rows could be read, and the whole file will be kept as " +
                                         (folder / "trip.dat.bak").string() + " before the list is saved over it.")}));
    EXPECT_TRUE(document->write(folder / "trip.dat").messages.empty());
    EXPECT_EQ(folder.read("trip.dat.bak"), damaged);

    EXPECT_TRUE(document->openFile(folder / "clean.dat").empty());
    EXPECT_TRUE(document->write(folder / "clean.dat").messages.empty());
    EXPECT_TRUE(document->write().messages.empty());
    EXPECT_EQ(fileNames(), (std::set<std::string>{"Cairnly.ini", "GearData.dat", "GearData.ini", "clean.dat",
                                                  "clean.ini", "trip.dat", "trip.dat.bak", "trip.ini"}));
}

TEST_F(DocumentFileSafetyTest, FilesThatCannotBeReadAreNeverWrittenOver)
{
    if (!permissionsBind())
        GTEST_SKIP() << permissionsDoNotBind;
    const std::string settings = "[MISC]\r\nMINE=1\r\n";
    folder.write("GearData.dat", flyList);
    folder.write("GearData.ini", settings);
    folder.write("Cairnly.ini", settings);
    // Write-only: a rename would replace them, and nothing but their being unreadable forbids it.
    for (const char* name : {"GearData.dat", "GearData.ini", "Cairnly.ini"})
        fs::permissions(folder / name, fs::perms::owner_write);

    makeDocument(Settings{});
    EXPECT_EQ(document->loadWorkingFile(), (std::vector<Message>{{(folder / "GearData.dat").string(), "Unable to Open!",
                                                                  MessageIcon::Exclamation}}));
    EXPECT_EQ(list->categories(), defaultCategories());
    add("Cooking", "Pot", "5");
    const WriteReport report = document->write();
    EXPECT_EQ(report.messages,
              (std::vector<Message>{error(settingsFailure(folder / "Cairnly.ini", "Permission denied")),
                                    error(settingsFailure(folder / "GearData.ini", "Permission denied")),
                                    error("Permission denied")}));
    EXPECT_TRUE(report.failed);
    EXPECT_FALSE(report.listWritten);
    EXPECT_EQ(document->setHideSelected(true).back(), error("Permission denied"));
    EXPECT_FALSE(document->hideSelected());

    for (const char* name : {"GearData.dat", "GearData.ini", "Cairnly.ini"})
        fs::permissions(folder / name, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder.read("GearData.dat"), flyList);
    EXPECT_EQ(folder.read("GearData.ini"), settings);
    EXPECT_EQ(folder.read("Cairnly.ini"), settings);
}

TEST_F(DocumentFileSafetyTest, ReadOnlyFilesStayReadOnlyAndTheFailedWritesAreTold)
{
    if (!permissionsBind())
        GTEST_SKIP() << permissionsDoNotBind;
    add("Tent", "Fly", "12");
    ASSERT_TRUE(document->write().messages.empty());
    const std::string data = folder.read("GearData.dat");
    const std::string settings = folder.read("GearData.ini");
    const std::string appSettings = folder.read("Cairnly.ini");
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    for (const char* name : {"GearData.dat", "GearData.ini", "Cairnly.ini"})
        fs::permissions(folder / name, readOnly);

    add("Cooking", "Pot", "5");
    EXPECT_EQ(document->write().messages,
              (std::vector<Message>{error(settingsFailure(folder / "Cairnly.ini", "Permission denied")),
                                    error(settingsFailure(folder / "GearData.ini", "Permission denied")),
                                    error("Permission denied")}));
    EXPECT_EQ(folder.read("GearData.dat"), data);
    EXPECT_EQ(folder.read("GearData.ini"), settings);
    EXPECT_EQ(folder.read("Cairnly.ini"), appSettings);
    for (const char* name : {"GearData.dat", "GearData.ini", "Cairnly.ini"})
        EXPECT_EQ(fs::status(folder / name).permissions(), readOnly) << name;
}

TEST_F(DocumentFileSafetyTest, PathsThatCannotBeRecordedAreToldAndNoEarlierFileStaysRecorded)
{
    add("Tent", "Fly", "12");
    ASSERT_TRUE(document->write().messages.empty());
    ASSERT_NE(folder.read("Cairnly.ini").find("FILE="), std::string::npos);

    Settings settings;
    settings.exportPaths[0] = " leading space.txt";
    makeDocument(settings);
    const fs::path infinity = folder / "\xE2\x88\x9E.dat"; // no Windows-1252 form
    EXPECT_EQ(document->saveAs(infinity), (std::vector<Message>{told(unrecordablePathText(infinity.string())),
                                                                told(unrecordablePathText(" leading space.txt"))}));
    EXPECT_EQ(folder.read("Cairnly.ini"), "[LASTFILE]\r\n");
    EXPECT_EQ(folder.read("\xE2\x88\x9E.dat"), header + "\r\n");
}
