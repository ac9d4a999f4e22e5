#include "model/AtomicFile.h"
#include "ScratchFolder.h"

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

#ifdef _WIN32
// The system's words for ERROR_ACCESS_DENIED: Windows' or Wine's.
bool isAccessDenied(const std::optional<std::string>& error)
{
    return error == "Access is denied." || error == "Access denied.";
}
#endif

} // namespace

TEST(AtomicFile, AFailedReplaceKeepsWhatWasThereAndLeavesNoTemporaryFile)
{
    ScratchFolder folder;
    fs::create_directory(folder / "GearData.dat");
    const std::optional<std::string> error = writeFileAtomically(folder / "GearData.dat", "new");
#ifdef _WIN32
    EXPECT_TRUE(isAccessDenied(error)) << error.value_or("written");
#else
    EXPECT_EQ(error, "Is a directory");
#endif
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
    EXPECT_TRUE(isAccessDenied(error)) << error.value_or("written");
    EXPECT_EQ(readWholeFile(file), "old");
    EXPECT_EQ(entriesIn(folder.path()), 1);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL); // so that the folder can be removed
}
#endif
