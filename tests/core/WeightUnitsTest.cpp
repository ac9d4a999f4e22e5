#include "core/list/WeightUnits.h"
#include "CommaLocale.h"

#include <gtest/gtest.h>

using namespace cairnly;

namespace {

GearRecord item(const char* unitWeight, const char* multiplier)
{
    GearRecord record;
    setFieldText(record.unitWeight, unitWeight);
    setFieldText(record.multiplier, multiplier);
    return record;
}

// Converts the unit weight alone (multiplier 1) and returns the new unit weight.
std::string converted(const std::string& unitWeight, bool toGrams)
{
    const std::optional<ConvertedWeights> weights = convertItem(item(unitWeight.c_str(), "1"), toGrams);
    return weights ? weights->unitWeight : "<refused>";
}

// The examples are checked in the C locale, and once more under a comma-decimal one.
void checkTotalLines()
{
    EXPECT_EQ(totalLine(16.0f, false), "16.00 oz. (1.00 lbs)");
    EXPECT_EQ(totalLine(454.0f, true), "454.00 gm. (0.45 kg)");
    EXPECT_EQ(totalLine(0.0f, false), "0.00 oz. (0.00 lbs)");
    EXPECT_EQ(totalLine(1234.5f, false), "1234.50 oz. (77.16 lbs)");
    // Kilograms are worked out in extended precision: in double 5 x 0.001 would show 0.01.
    EXPECT_EQ(totalLine(5.0f, true), "5.00 gm. (0.00 kg)");
    EXPECT_EQ(totalLine(25.0f, true), "25.00 gm. (0.02 kg)");
    EXPECT_STREQ(zeroTotalLine(true), "0.00 gm. (0.00 kgs)");
    EXPECT_STREQ(zeroTotalLine(false), "0.00 oz. (0.00 lbs)");
}

void checkRecordConversions()
{
    EXPECT_EQ(convertItem(item("2", "3"), true), (ConvertedWeights{"56.75", "170.25"}));
    EXPECT_EQ(convertItem(item("100", "1"), false), (ConvertedWeights{"3.5", "3.5"}));
    // Every product is rounded to single precision: in double this would be 5.67.
    EXPECT_EQ(convertItem(item("0.02", "10"), true), (ConvertedWeights{"0.57", "5.68"}));
    EXPECT_EQ(convertItem(item("12.5", "2"), false), (ConvertedWeights{"0.4", "0.9"}));
    EXPECT_EQ(convertItem(item("none", "x"), true), (ConvertedWeights{"0.00", "0.00"}));
    EXPECT_EQ(convertItem(item("", "1"), false), (ConvertedWeights{"0.0", "0.0"}));
}

void checkDrift()
{
    EXPECT_EQ(converted(converted("100", false), true), "99.31");
    EXPECT_EQ(converted("10", true), "283.75");
    EXPECT_EQ(converted(converted("10", true), false), "10.0");
}

void checkGroupConversion()
{
    GearRecord group;
    group.members = std::make_unique<OwningList<GearRecord>>();
    group.members->add(std::make_unique<GearRecord>(item("2", "3")));
    group.members->add(std::make_unique<GearRecord>(item("0.02", "10")));
    const std::optional<ConvertedGroup> converted = convertGroup(group, true);
    ASSERT_TRUE(converted.has_value());
    EXPECT_EQ(converted->members, (std::vector<ConvertedWeights>{{"0.57", "5.68"}, {"56.75", "170.25"}}));
    EXPECT_EQ(converted->groupWeight, "175.93");

    group.members->add(std::make_unique<GearRecord>(item("99999", "1")));
    EXPECT_EQ(convertGroup(group, true), std::nullopt);
}

} // namespace

TEST(WeightUnits, WritesTheTotalLineInEitherUnit)
{
    checkTotalLines();
}

TEST(WeightUnits, TinyTotalsCountAsNothingTicked)
{
    EXPECT_FALSE(countsAsChecked(0.0f));
    EXPECT_FALSE(countsAsChecked(0.000001f));
    EXPECT_FALSE(countsAsChecked(0.00001f)); // as a float it lies just below the double threshold
    EXPECT_TRUE(countsAsChecked(0.0000101f));
    EXPECT_TRUE(countsAsChecked(0.01f));
}

TEST(WeightUnits, ConvertsARecordExactly)
{
    checkRecordConversions();
}

TEST(WeightUnits, ConvertingBackAndForthDrifts)
{
    checkDrift();
}

TEST(WeightUnits, RefusesTextsLongerThanTheField)
{
    EXPECT_EQ(convertItem(item("35242", "1"), true), (ConvertedWeights{"999991.75", "999991.75"}));
    EXPECT_EQ(convertItem(item("35243", "1"), true), std::nullopt);
    EXPECT_EQ(convertItem(item("3524", "11"), true), std::nullopt);
    EXPECT_EQ(convertItem(item("999999999", "1"), false), std::nullopt);
}

TEST(WeightUnits, ConvertsAGroupAndSumsItsMembers)
{
    checkGroupConversion();
}

TEST(WeightUnits, TheExamplesHoldUnderACommaDecimalLocale)
{
    const CommaLocale comma;
    if (!comma.isActive())
        GTEST_SKIP() << CommaLocale::missing;
    checkTotalLines();
    checkRecordConversions();
    checkDrift();
    checkGroupConversion();
}
