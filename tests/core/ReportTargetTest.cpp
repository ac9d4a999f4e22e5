#include "core/files/ReportTarget.h"
#include "DataFileBytes.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

using namespace cairnly;
using namespace cairnly::test;
namespace fs = std::filesystem;

TEST(ReportTarget, AListItsSettingsAndAnyDataFileAreNeverWrittenOver)
{
    ScratchFolder folder;
    folder.write("list.dat", header + "Tent\r\n\r\n");
    folder.write("list.ini", "[MISC]\r\nOZ=0101\r\n");
    folder.write("old.dat", "Cairnly data file. Version 4\r\nTent\r\n\r\n");
    folder.write("bare.dat", "Cairnly data file\r\n\r\n");
    folder.write("report.txt", "Category,Item\r\n");
    folder.write("cairnly.txt", "Cairnly list\r\n");
    folder.write("short.txt", "Cairnly data");
    fs::create_directory(folder / "sub");
    // Another name for the settings file, which does not begin as a data file does: only its identity tells.
    fs::create_hard_link(folder / "list.ini", folder / "hard.ini");
    const std::vector<fs::path> protectedFiles = {folder / "list.dat", folder / "list.ini", folder / "Cairnly.ini"};

    const std::pair<fs::path, bool> cases[] = {
        {folder / "list.dat", true},     {folder / "sub" / ".." / "list.dat", true},
        {folder / "list.ini", true},     {folder / "hard.ini", true},
        {folder / "Cairnly.ini", true}, // not there yet: by name
        {folder / "old.dat", true},     // another list, of any version
        {folder / "bare.dat", true},     {folder / "report.txt", false},
        {folder / "cairnly.txt", false}, {folder / "short.txt", false},
        {folder / "new.txt", false},
    };
    for (const auto& [target, refused] : cases)
        EXPECT_EQ(reportTargetRefusal(target, protectedFiles).has_value(), refused) << target;
#ifndef _WIN32
    fs::create_symlink(folder / "list.ini", folder / "link.ini");
    EXPECT_TRUE(reportTargetRefusal(folder / "link.ini", protectedFiles).has_value());
#endif
    EXPECT_EQ(reportTargetRefusal(folder / "old.dat", {}),
              (Message{(folder / "old.dat").string() +
                           " was not written: a list, its settings and the files being read are never written over.",
                       "Error", MessageIcon::Exclamation}));
}
