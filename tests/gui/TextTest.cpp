#include "gui/support/Text.h"

#include <gtest/gtest.h>

TEST(Text, CrossesBetweenWindows1252AndQt)
{
    EXPECT_EQ(fromCp1252("Caf\xE9 \x80"), QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC")), "Caf\xE9 \x80");
    EXPECT_EQ(toCp1252(QString::fromUtf8("a\xE2\x82\xBD"
                                         "b")),
              "ab"); // the rouble sign has no form
    EXPECT_EQ(messageText("line\r\nnext"), QStringLiteral("line\nnext"));
}

TEST(Text, TheValidatorRefusesCharactersWithoutAWindows1252Form)
{
    Cp1252Validator validator;
    int position = 0;
    QString fine = QString::fromUtf8("\xC3\xA9t\xC3\xA9 \xE2\x80\x94 ok");
    EXPECT_EQ(validator.validate(fine, position), QValidator::Acceptable);
    QString emoji = QString::fromUtf8("tent \xF0\x9F\x8F\x95");
    EXPECT_EQ(validator.validate(emoji, position), QValidator::Invalid);
    QString cyrillic = QString::fromUtf8("\xD0\x96");
    EXPECT_EQ(validator.validate(cyrillic, position), QValidator::Invalid);
}
