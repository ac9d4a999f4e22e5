#include "core/files/AtomicFile.h"
#include "ScratchFolder.h"
#include "SystemTexts.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

using namespace cairnly;
namespace fs = std::filesystem;

namespace {

std::ptrdiff_t entriesIn(const fs::path& folder)
{
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

} // namespace

TEST(AtomicFile, AFailedReplaceKeepsWhatWasThereAndLeavesNoTemporaryFile)
{
    ScratchFolder folder;
    fs::create_directory(folder / "GearData.dat");
    const std::optional<std::string> error = writeFileAtomically(folder / "GearData.dat", "new");
    EXPECT_TRUE(saysWith(error.value_or("written"), "%s", folderInTheWayTexts)) << error.value_or("written");
    EXPECT_TRUE(fs::is_directory(folder / "GearData.dat"));
    EXPECT_EQ(entriesIn(folder.path()), 1);
}

#ifdef _WIN32
// Windows refuses to replace a read-only file and Wine would not: the program asks first, so both keep it.
TEST(AtomicFile, AReadOnlyFileIsNotReplaced)
{
    ScratchFolder folder;
    folder.write("GearData.dat", "old");
    const fs::path file = folder / "GearData.dat";
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::optional<std::string> error = writeFileAtomically(file, "new");
    EXPECT_TRUE(saysWith(error.value_or("written"), "%s", accessDeniedTexts)) << error.value_or("written");
    EXPECT_EQ(readWholeFile(file).bytes(), "old");
    EXPECT_EQ(entriesIn(folder.path()), 1);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL); // so that the folder can be removed
}
#endif

#ifndef _WIN32
TEST(AtomicFile, AWrittenFileKeepsTheModeItHadAndANewOneTakesTheUmasks)
{
    ScratchFolder folder;
    const mode_t savedMask = umask(022);
    const std::pair<std::optional<fs::perms>, fs::perms> cases[] = {
        {fs::perms(0600), fs::perms(0600)}, // a list kept private stays private
        {fs::perms(0640), fs::perms(0640)},
        {std::nullopt, fs::perms(0644)},
    };
    for (const auto& [before, after] : cases) {
        const fs::path file = folder / "GearData.dat";
        fs::remove(file);
        if (before) {
            folder.write("GearData.dat", "old");
            fs::permissions(file, *before);
        }
        ASSERT_EQ(writeFileAtomically(file, "new"), std::nullopt);
        EXPECT_EQ(fs::status(file).permissions(), after) << static_cast<int>(after);
        EXPECT_EQ(readWholeFile(file).bytes(), "new");
        EXPECT_EQ(entriesIn(folder.path()), 1);
    }
    umask(savedMask);
}

TEST(AtomicFile, ASymbolicLinkStaysALinkAndTheFileItNamesTakesTheBytes)
{
    ScratchFolder folder;
    fs::create_directory(folder / "synced");
    folder.write("synced/GearData.dat", "old");
    fs::create_symlink("synced/GearData.dat", folder / "GearData.dat");
    fs::create_symlink(folder / "synced" / "New.dat", folder / "New.dat"); // dangling until written
    for (const char* name : {"GearData.dat", "New.dat"}) {
        ASSERT_EQ(writeFileAtomically(folder / name, "new"), std::nullopt) << name;
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / name))) << name;
        EXPECT_EQ(folder.read(std::string("synced/") + name), "new") << name;
    }
    EXPECT_EQ(entriesIn(folder.path()), 3);
    EXPECT_EQ(entriesIn(folder / "synced"), 2);
}

// The temporary file's name is short, whatever the target's: the longest name the folder takes can be
// written.
TEST(AtomicFile, TheLongestNameCanBeWritten)
{
    ScratchFolder folder;
    const std::string name(255, 'n');
    for (const char* bytes : {"new", "newer"}) {
        ASSERT_EQ(writeFileAtomically(folder / name, bytes), std::nullopt);
        EXPECT_EQ(folder.read(name), bytes);
        EXPECT_EQ(entriesIn(folder.path()), 1);
    }
}
#endif
