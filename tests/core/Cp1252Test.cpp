#include "core/text/Cp1252.h"

#include <gtest/gtest.h>

using namespace cairnly;

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8)
{
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    const auto back = fromUtf8(toUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, ConvertsTheHighCharacters)
{
    EXPECT_EQ(toUtf8("\x80"), "\xE2\x82\xAC");                // euro sign
    EXPECT_EQ(toUtf8("Caf\xE9"), "Caf\xC3\xA9");              // e acute
    EXPECT_EQ(toUtf8("\x81"), "\xC2\x81");                    // undefined byte, kept as its C1 control
    EXPECT_EQ(fromUtf8("\xE2\x80\x94"), std::string("\x97")); // em dash
    EXPECT_EQ(fromUtf8("\xC5\xB8"), std::string("\x9F"));     // Y with diaeresis
}

TEST(Cp1252, RefusesWhatHasNoFormOrIsNotUtf8)
{
    EXPECT_FALSE(fromUtf8("\xE2\x82\xBD").has_value());         // rouble sign
    EXPECT_FALSE(fromUtf8("\xF0\x9F\x8E\x92").has_value());     // emoji
    EXPECT_FALSE(fromUtf8("\xC2\x80").has_value());             // C1 control 0x80 has no form
    EXPECT_FALSE(fromUtf8(std::string("a\0b", 3)).has_value()); // NUL would end a record text
    EXPECT_FALSE(fromUtf8("\xC3").has_value());                 // cut short
    EXPECT_FALSE(fromUtf8("\xC0\xAF").has_value());             // overlong
    EXPECT_FALSE(fromUtf8("\xED\xA0\x80").has_value());         // surrogate
    EXPECT_FALSE(fromUtf8("\xFF").has_value());
}

TEST(Cp1252, FoldsTheLettersOfTheCodePage)
{
    EXPECT_EQ(compareNoCase("TENT", "tent"), 0);
    EXPECT_EQ(compareNoCase("\xC9T\xC9", "\xE9t\xE9"), 0); // ETE with accents
    EXPECT_EQ(compareNoCase("\x8A", "\x9A"), 0);           // S caron
    EXPECT_EQ(compareNoCase("\x9F", "\xFF"), 0);           // Y diaeresis
    EXPECT_NE(compareNoCase("\xD7", "\xF7"), 0);           // multiplication and division signs stay apart
    EXPECT_NE(compareNoCase("\xDF", "\xFF"), 0);           // sharp s has no capital
}

TEST(Cp1252, ComparesFoldedBytes)
{
    EXPECT_LT(compareNoCase("apple", "Banana"), 0);
    EXPECT_GT(compareNoCase("Zelt", "apfel"), 0);
    EXPECT_LT(compareNoCase("Tent", "Tents"), 0);
    EXPECT_LT(compareNoCase("_", "A"), 0); // capitals fold to small letters, which come after the underscore
    EXPECT_GT(compareNoCase("\xE9", "z"), 0);
}
