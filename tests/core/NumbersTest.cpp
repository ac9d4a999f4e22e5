#include "core/text/Numbers.h"
#include "CommaLocale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace cairnly;

TEST(Numbers, ReadsTheLongestLeadingDecimalNumber)
{
    EXPECT_EQ(readNumber("12.5"), 12.5);
    EXPECT_EQ(readNumber("  \t-3.25kg"), -3.25);
    EXPECT_EQ(readNumber("+7"), 7.0);
    EXPECT_EQ(readNumber(".5"), 0.5);
    EXPECT_EQ(readNumber("5."), 5.0);
    EXPECT_EQ(readNumber("1e3"), 1000.0);
    EXPECT_EQ(readNumber("2E-1x"), 0.2);
    EXPECT_EQ(readNumber("1e"), 1.0);
    EXPECT_EQ(readNumber("1e+"), 1.0);
    EXPECT_EQ(readNumber("3,5"), 3.0);
    EXPECT_EQ(readNumber("12.5.6"), 12.5);
}

// Short numbers take a quicker way than strtod; it must come out the same to the last bit, signed zeros too.
TEST(Numbers, EveryNumberReadsAsStrtodReadsIt)
{
    std::vector<std::string> texts = {"-0",
                                      "-0.00",
                                      "+0.5",
                                      "0.1",
                                      "0.3",
                                      "999999999999999",
                                      "9999999999999999",
                                      "0.000000000000001",
                                      "123456789012345.6",
                                      "1.7976931348623157e308",
                                      "4.9e-324"};
    for (int cents = 0; cents < 200000; ++cents)
        texts.push_back(std::to_string(cents / 100) + "." + std::to_string(cents / 10 % 10) +
                        std::to_string(cents % 10));
    std::uint64_t state = 12345;
    for (int n = 0; n < 20000; ++n) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        std::string digits = std::to_string(state >> 14).substr(0, 1 + (state >> 3) % 17);
        digits.insert((state >> 8) % (digits.size() + 1), ".");
        texts.push_back((state & 1 ? "-" : "") + digits);
    }
    for (const std::string& text : texts) {
        const double expected = std::strtod(text.c_str(), nullptr);
        const double read = readNumber(text);
        EXPECT_TRUE(read == expected && std::signbit(read) == std::signbit(expected)) << text;
    }
}

TEST(Numbers, TextWithoutANumberReadsAsZero)
{
    EXPECT_EQ(readNumber(""), 0.0);
    EXPECT_EQ(readNumber("abc"), 0.0);
    EXPECT_EQ(readNumber("."), 0.0);
    EXPECT_EQ(readNumber("-"), 0.0);
    EXPECT_EQ(readNumber("e5"), 0.0);
}

TEST(Numbers, NeverReadsHexadecimalInfinityOrNan)
{
    EXPECT_EQ(readNumber("0x10"), 0.0);
    EXPECT_EQ(readNumber("0X1p3"), 0.0);
    EXPECT_EQ(readNumber("inf"), 0.0);
    EXPECT_EQ(readNumber("-INFINITY"), 0.0);
    EXPECT_EQ(readNumber("nan"), 0.0);
}

TEST(Numbers, FormatsAsPrintfDoes)
{
    EXPECT_EQ(formatFixed(25.0, 2), "25.00");
    EXPECT_EQ(formatFixed(3.524, 1), "3.5");
    EXPECT_EQ(formatFixed(0.125, 2), "0.12"); // an exact tie rounds to even, as printf does
    EXPECT_EQ(formatFixed(0.375, 2), "0.38");
    EXPECT_EQ(formatFixed(-0.0, 2), "-0.00");
    EXPECT_EQ(formatFixed(1e20, 2), "100000000000000000000.00");
    EXPECT_EQ(formatFixed(static_cast<long double>(0.454L), 2), "0.45");
    for (double v : {0.005, 1.005, 2.675, 99.3125, 170.25, 1234567.891}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.2f", v);
        EXPECT_EQ(formatFixed(v, 2), expected) << v;
    }
}

TEST(Numbers, IgnoreACommaDecimalLocale)
{
    CommaLocale locale;
    if (!locale.isActive())
        GTEST_SKIP() << CommaLocale::missing;
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.2f", 12.5);
    ASSERT_STREQ(probe, "12,50"); // the locale really is active
    EXPECT_EQ(readNumber("12.50"), 12.5);
    EXPECT_EQ(readNumber("12,50"), 12.0);
    EXPECT_EQ(formatFixed(12.5, 2), "12.50");
    EXPECT_EQ(formatFixed(3.52, 1), "3.5");
}
