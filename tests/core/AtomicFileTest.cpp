#include "core/files/AtomicFile.h"
#include "ScratchFolder.h"
#include "SystemTexts.h"

#include <gtest/gtest.h>

#include <iterator>

#ifdef _WIN32
#include <windows.h>
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
