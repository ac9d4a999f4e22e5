#include "core/settings/ProfileFile.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

using namespace cairnly;
using namespace std::literals;
using Bytes = std::vector<uint8_t>;

TEST(ProfileFile, ReadsStringsAsWindowsDoes)
{
    const ProfileFile profile = ProfileFile::parse("stray=before any section\r\n"
                                                   "[Export]\r\n"
                                                   "  TextFile =   C:\\gear\\list.txt  \r\n"
                                                   "; CommaFile=commented out\r\n"
                                                   "Quoted=\"  kept inside  \"\r\n"
                                                   "Single='a'\r\n"
                                                   "Unmatched=\"a'\r\n"
                                                   "Lone=\"\r\n"
                                                   "Empty=\r\n"
                                                   "textfile=second of the same key\r\n"
                                                   "[ export ]\r\n"
                                                   "CommaFile=second section of the same name\n"
                                                   "[Other]\r"
                                                   "Nul=ab\0cd\r\n"
                                                   "Ends=without line break"sv);
    EXPECT_EQ(profile.readString("EXPORT", "textfile"), "C:\\gear\\list.txt");
    EXPECT_EQ(profile.readString("export", "QUOTED"), "  kept inside  ");
    EXPECT_EQ(profile.readString("Export", "Single"), "a");
    EXPECT_EQ(profile.readString("Export", "Unmatched"), "\"a'");
    EXPECT_EQ(profile.readString("Export", "Lone"), "\"");
    EXPECT_EQ(profile.readString("Export", "Empty"), "");
    EXPECT_EQ(profile.readString("Export", "CommaFile"), std::nullopt);
    EXPECT_EQ(profile.readString("Export", "stray"), std::nullopt);
    EXPECT_EQ(profile.readString("Other", "Nul"), "ab");
    EXPECT_EQ(profile.readString("other", "ENDS"), "without line break");
    EXPECT_EQ(profile.readString("Missing", "Key", "fallback"), "fallback");
    EXPECT_EQ(profile.readString("Export", "Missing", "fallback"), "fallback");
}

TEST(ProfileFile, ComparesNamesWithoutRegardToAccentedCase)
{
    const ProfileFile profile = ProfileFile::parse("[\xC9T\xC9]\r\nCL\xC9=1\r\n");
    EXPECT_EQ(profile.readString("\xE9t\xE9", "cl\xE9"), "1");
}

TEST(ProfileFile, WritesKeysWhereWindowsPutsThem)
{
    ProfileFile profile = ProfileFile::parse("; written by hand\n"
                                             "[Colors]\n"
                                             "BackColor = 1\n"
                                             "; note\n"
                                             "\n"
                                             "[Mine]\n"
                                             "Keep=  as it was  \n"
                                             "\n");
    EXPECT_TRUE(profile.writeString("COLORS", "BACKCOLOR", "2"));
    EXPECT_TRUE(profile.writeString("colors", "ALTCOLOR", "3"));
    EXPECT_TRUE(profile.writeString("MISC", "OZ", "4"));
    EXPECT_TRUE(profile.writeString("MISC", "FONT", "5"));
    EXPECT_EQ(profile.serialize(), "; written by hand\r\n"
                                   "[Colors]\r\n"
                                   "BackColor=2\r\n"
                                   "; note\r\n"
                                   "ALTCOLOR=3\r\n"
                                   "\r\n"
                                   "[Mine]\r\n"
                                   "Keep=  as it was  \r\n"
                                   "\r\n"
                                   "[MISC]\r\n"
                                   "OZ=4\r\n"
                                   "FONT=5\r\n");
}

TEST(ProfileFile, AddsAKeyToAnEmptySectionRightAfterItsHeader)
{
    ProfileFile profile = ProfileFile::parse("\xEF\xBB\xBF[A]\r\n\r\n[B]\r\nx=1\r\n");
    profile.writeString("A", "k", "v");
    EXPECT_EQ(profile.serialize(), "\xEF\xBB\xBF[A]\r\nk=v\r\n\r\n[B]\r\nx=1\r\n");
    EXPECT_EQ(profile.readString("a", "K"), "v");
}

TEST(ProfileFile, RefusesWhatWouldNotReadBack)
{
    ProfileFile profile;
    for (const char* value : {" lead", "trail\t", "two\r\nlines", "line\nbreak", "\"quoted\"", "'quoted'"}) {
        EXPECT_FALSE(ProfileFile::readsBackExactly(value)) << value;
        EXPECT_FALSE(profile.writeString("S", "K", value)) << value;
    }
    EXPECT_FALSE(profile.writeString("S", "K", std::string("nul\0byte", 8)));
    EXPECT_FALSE(profile.writeString("S", "K=", "v"));
    EXPECT_FALSE(profile.writeString("S]", "K", "v"));
    EXPECT_FALSE(profile.writeString("S", ";K", "v"));
    EXPECT_EQ(profile.serialize(), "");
    for (const char* value : {"", "a b", "\"open", "it's", "C:\\x y\\z.txt"})
        EXPECT_TRUE(ProfileFile::readsBackExactly(value)) << value;
}

TEST(ProfileFile, RemovesAKey)
{
    ProfileFile profile = ProfileFile::parse("[MRU]\r\nMRU0=a\r\nMRU1=b\r\n");
    EXPECT_TRUE(profile.removeKey("mru", "mru0"));
    EXPECT_FALSE(profile.removeKey("MRU", "MRU0"));
    EXPECT_EQ(profile.serialize(), "[MRU]\r\nMRU1=b\r\n");
}

TEST(ProfileFile, WritesStructEntriesInUppercaseHexWithAChecksum)
{
    ProfileFile profile;
    profile.writeStruct("COLORS", "BACKCOLOR", Bytes{0xFF, 0xFF, 0xE0, 0x00});
    profile.writeStruct("COLUMNS", "COLDATA", Bytes{});
    profile.writeStructInt32("MISC", "FONTSIZE", -2);
    EXPECT_EQ(profile.serialize(), "[COLORS]\r\nBACKCOLOR=FFFFE000DE\r\n"
                                   "[COLUMNS]\r\nCOLDATA=00\r\n"
                                   "[MISC]\r\nFONTSIZE=FEFFFFFFFB\r\n");
}

TEST(ProfileFile, ReadsAStructOnlyWithItsExactSizeAndChecksum)
{
    const ProfileFile profile = ProfileFile::parse("[S]\r\n"
                                                   "Good= ffffe000de \r\n"
                                                   "Empty=00\r\n"
                                                   "Short=FFFFE0DE\r\n"
                                                   "Odd=FFFFE000D\r\n"
                                                   "Sum=FFFFE000DF\r\n"
                                                   "Digit=FFFFEG00DE\r\n"
                                                   "Sign=+FFFE000DE\r\n");
    EXPECT_EQ(profile.readStruct("S", "Good", 4), (Bytes{0xFF, 0xFF, 0xE0, 0x00}));
    EXPECT_EQ(profile.readStructInt32("S", "Good"), 0x00E0FFFF);
    EXPECT_EQ(profile.readStruct("S", "Good", 3), std::nullopt);
    EXPECT_EQ(profile.readStruct("S", "Good", 5), std::nullopt);
    EXPECT_EQ(profile.readStruct("S", "Empty", 0), Bytes{});
    for (const char* key : {"Short", "Odd", "Sum", "Digit", "Sign", "Missing"})
        EXPECT_EQ(profile.readStruct("S", key, 4), std::nullopt) << key;
}

TEST(ProfileFile, SavesWholeAndLoadsAMissingFileAsEmpty)
{
    ScratchFolder folder;
    ProfileFile profile = ProfileFile::load(folder / "none.ini");
    EXPECT_EQ(profile.serialize(), "");
    profile.writeString("LASTFILE", "FILE", "/home/a/trip.dat");
    EXPECT_EQ(profile.save(folder / "new.ini"), std::nullopt);
    EXPECT_EQ(folder.read("new.ini"), "[LASTFILE]\r\nFILE=/home/a/trip.dat\r\n");
    EXPECT_NE(profile.save(folder / "no folder" / "x.ini"), std::nullopt);
}
