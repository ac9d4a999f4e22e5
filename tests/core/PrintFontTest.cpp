#include "core/settings/PrintFont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace cairnly;

namespace {

LogFont face(const char* name, int32_t height = -13)
{
    LogFont font;
    std::strcpy(font.faceName, name);
    font.height = height;
    font.weight = 700;
    font.italic = 1;
    return font;
}

} // namespace

TEST(PrintFont, TheDialogOpensWithASizeUpTo14AndTheHeightOfThatSize)
{
    struct Case
    {
        PrintFont current;
        int pixelsPerInch;
        PrintFont opened;
    };
    const Case cases[] = {
        {{face("Liberation Mono"), 12}, 96, {face("Liberation Mono", -16), 12}},
        {{face("Liberation Mono"), 14}, 120, {face("Liberation Mono", -23), 14}},
        {{face("Liberation Mono"), 20}, 96, {face("Liberation Mono", -13), 10}}, // above 14: 10
        {{face(""), 12}, 96, {face("Courier New", -13), 12}},                    // no face: Courier New at 10 points
    };
    for (const Case& c : cases)
        EXPECT_EQ(printFontForDialog(c.current, c.pixelsPerInch), c.opened) << c.current.size;
}

TEST(PrintFont, TheChosenSizeIsCutToWholePointsWithin8To14)
{
    struct Case
    {
        double pointSize;
        int32_t size;
        int32_t height; // at 96 pixels per inch
    };
    const Case cases[] = {
        {12.0, 12, -16},  {12.9, 12, -16}, {8.0, 8, -10},  {7.5, 8, -10},
        {14.99, 14, -18}, {36.0, 14, -18}, {-1.0, 8, -10}, {std::numeric_limits<double>::quiet_NaN(), 8, -10}};
    for (const Case& c : cases)
        EXPECT_EQ(chosenPrintFont(face("Liberation Mono"), c.pointSize, 96),
                  (PrintFont{face("Liberation Mono", c.height), c.size}))
            << c.pointSize;
}
