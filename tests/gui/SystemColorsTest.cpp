#include "gui/support/SystemColors.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(SystemColors, ColourValuesAndQtColoursConvertBothWays)
{
    EXPECT_EQ(toQColor(0x00E0FFFF), QColor(255, 255, 224));
    EXPECT_EQ(toColorValue(QColor(255, 153, 0)), 0x000099FFu);
    EXPECT_EQ(toColorValue(QColor(255, 153, 0, 10)), 0x000099FFu);
    for (cairnly::ColorValue value : {0x00000000u, 0x00FFFFFFu, 0x00123456u})
        EXPECT_EQ(toColorValue(toQColor(value)), value) << value;
    EXPECT_EQ(toQColor(0x80000005, [](int index) { return index == 5 ? 0x00030201u : 0u; }), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(0x80000005), QApplication::palette().color(QPalette::Base));
}
