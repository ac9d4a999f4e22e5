#include "core/settings/RecentFiles.h"
#include "ScratchFolder.h"
#include "core/settings/ProfileFile.h"

#include <gtest/gtest.h>

using namespace cairnly;
using Paths = std::vector<std::filesystem::path>;

TEST(RecentFiles, KeepsFourNewestFirstWithoutDuplicates)
{
    RecentFiles recent("unused.ini");
    for (const char* file : {"/a.dat", "/b.dat", "/c.dat", "/b.dat", "/d.dat", "/e.dat"})
        EXPECT_TRUE(recent.add(file));
    EXPECT_EQ(recent.entries(), (Paths{"/e.dat", "/d.dat", "/b.dat", "/c.dat"}));
    EXPECT_FALSE(recent.add("/trailing space.dat "));
    EXPECT_FALSE(recent.add(""));
    EXPECT_EQ(recent.entries().size(), 4u);
}

TEST(RecentFiles, SavesBesideTheLastFileAndLoadsBack)
{
    ScratchFolder folder;
    folder.write("Cairnly.ini", "[LASTFILE]\r\nFILE=/home/a/trip.dat\r\n[MRU]\r\nMRU0=/old0.dat\r\n"
                                "MRU1=/old1.dat\r\nMRU2=/old2.dat\r\nCount=3\r\n");
    RecentFiles recent(folder / "Cairnly.ini");
    recent.load();
    EXPECT_EQ(recent.entries(), (Paths{"/old0.dat", "/old1.dat", "/old2.dat"}));

    RecentFiles fresh(folder / "Cairnly.ini");
    // A path from UTF-8 text: a plain string would be in the ANSI code page on Windows.
    const std::filesystem::path green = u8"/home/a/Gr\u00fcn.dat";
    fresh.add(green);
    EXPECT_EQ(fresh.save(), std::nullopt);
    EXPECT_EQ(folder.read("Cairnly.ini"), "[LASTFILE]\r\nFILE=/home/a/trip.dat\r\n[MRU]\r\n"
                                          "MRU0=/home/a/Gr\xFCn.dat\r\nCount=1\r\n");
    recent.load();
    EXPECT_EQ(recent.entries(), Paths{green});
}

TEST(RecentFiles, ReadsDamagedListsSafely)
{
    RecentFiles recent("unused.ini");
    // Count beyond four, an empty entry, a duplicate, and entries past the count.
    recent.loadFrom(ProfileFile::parse("[mru]\r\ncount=9\r\nmru0=/x.dat\r\nMRU1=\r\nMRU2=/x.dat\r\n"
                                       "MRU3=/y.dat\r\nMRU4=/z.dat\r\n"));
    EXPECT_EQ(recent.entries(), (Paths{"/x.dat", "/y.dat"}));
    recent.loadFrom(ProfileFile::parse("[MRU]\r\nCount=1\r\nMRU0=/x.dat\r\nMRU1=/y.dat\r\n"));
    EXPECT_EQ(recent.entries(), (Paths{"/x.dat"}));
    recent.loadFrom(ProfileFile::parse("[MRU]\r\nCount=two\r\nMRU0=\"\"/q.dat\"\"\r\nMRU1=/y.dat\r\n"));
    EXPECT_EQ(recent.entries(), (Paths{"/y.dat"}));
}
