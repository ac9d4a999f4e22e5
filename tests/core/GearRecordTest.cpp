#include "core/model/GearRecord.h"
#include "RecordSupport.h"

#include <gtest/gtest.h>

#include <array>

using namespace cairnly;

namespace {

void addText(GearRecord& record, const char* text)
{
    if (!record.columnTexts)
        record.columnTexts = std::make_unique<OwningList<std::string>>();
    record.columnTexts->add(std::make_unique<std::string>(text));
}

} // namespace

TEST(GearRecord, ANewRecordIsAnEmptyUncheckedItemOfMultiplierOne)
{
    GearRecord r;
    EXPECT_EQ(fieldText(r.category), "");
    EXPECT_EQ(fieldText(r.weight), "");
    EXPECT_EQ(fieldText(r.multiplier), "1");
    EXPECT_EQ(r.checked, 0);
    EXPECT_FALSE(r.isGroup());
    EXPECT_EQ(r.columnTexts, nullptr);
    std::array<unsigned char, memberImageSize> image{};
    image.fill(0xAA);
    writeImage(r, image.data(), memberImageSize);
    for (std::size_t i = 0; i < memberImageSize; ++i)
        EXPECT_EQ(image[i], i == 134 ? '1' : 0) << "byte " << i;
}

TEST(GearRecord, TheImageHoldsEveryFieldAtItsOffset)
{
    GearRecord r;
    setFieldText(r.category, "Tent");
    setFieldText(r.item, "Fly");
    setFieldText(r.unitWeight, "12.5");
    setFieldText(r.weight, "25.00");
    setFieldText(r.notes, "n");
    r.checked = 1;
    setFieldText(r.multiplier, "2");
    setFieldText(r.groupWeight, "9.00");
    setFieldText(r.collapsedLabel, "+ G");
    setFieldText(r.expandedLabel, "- G");
    r.isMember = 1;
    r.expanded = 1;
    GearRecord group;
    r.parent = &group;
    std::array<unsigned char, topLevelImageSize> image{};
    image.fill(0xAA);
    writeImage(r, image.data(), topLevelImageSize);
    auto at = [&](std::size_t offset) { return std::string(reinterpret_cast<const char*>(image.data() + offset)); };
    EXPECT_EQ(at(0), "Tent");
    EXPECT_EQ(at(21), "Fly");
    EXPECT_EQ(at(62), "12.5");
    EXPECT_EQ(at(72), "25.00");
    EXPECT_EQ(at(82), "n");
    EXPECT_EQ(image[133], 1);
    EXPECT_EQ(at(134), "2");
    EXPECT_EQ(at(139), "9.00");
    EXPECT_EQ(at(149), "+ G");
    EXPECT_EQ(at(192), "- G");
    EXPECT_EQ(image[235], 1);
    EXPECT_EQ(image[236], 1);
    for (std::size_t i = 237; i < topLevelImageSize; ++i)
        EXPECT_EQ(image[i], 0) << "parent slot byte " << i;

    auto back = readImage(image.data());
    EXPECT_EQ(fieldText(back->notes), "n");
    EXPECT_EQ(fieldText(back->expandedLabel), "- G");
    EXPECT_EQ(back->parent, nullptr);
    EXPECT_EQ(back->members, nullptr);
}

TEST(GearRecord, ReadingCutsEveryTextToItsFieldAndFlagsToZeroOrOne)
{
    std::array<unsigned char, memberImageSize> image{};
    image.fill('x');   // no terminator anywhere, pointer slots full of garbage
    image[133] = 7;    // checked
    image[235] = 0x80; // isMember
    image[236] = 0;    // expanded
    auto r = readImage(image.data());
    EXPECT_EQ(fieldText(r->category), std::string(20, 'x'));
    EXPECT_EQ(fieldText(r->item), std::string(40, 'x'));
    EXPECT_EQ(fieldText(r->multiplier), std::string(4, 'x'));
    EXPECT_EQ(fieldText(r->expandedLabel), std::string(42, 'x'));
    EXPECT_EQ(r->checked, 1);
    EXPECT_EQ(r->isMember, 1);
    EXPECT_EQ(r->expanded, 0);
}

TEST(GearRecord, EqualityIgnoresMultiplierLabelsFlagsAndLists)
{
    auto a = itemRecord("Tent", "Fly", "10");
    auto b = itemRecord("Tent", "Fly", "10");
    setFieldText(b->multiplier, "3");
    b->expanded = 1;
    b->isMember = 1;
    setFieldText(b->collapsedLabel, "+ x");
    addText(*b, "text");
    EXPECT_TRUE(*a == *b);
    b->checked = 1;
    EXPECT_FALSE(*a == *b);
    b->checked = 0;
    GearRecord group;
    b->parent = &group;
    EXPECT_FALSE(*a == *b);
    auto c = itemRecord("Tent", "fly", "10");
    EXPECT_FALSE(*a == *c); // case-sensitive
}

TEST(GearRecord, OrderFollowsTheWeightInSinglePrecision)
{
    auto light = itemRecord("", "", "1.5");
    auto heavy = itemRecord("", "", "10");
    auto text = itemRecord("", "", "abc");
    EXPECT_TRUE(*light < *heavy);
    EXPECT_FALSE(*heavy < *light);
    EXPECT_TRUE(*text < *light); // "abc" weighs 0
    auto a = itemRecord("", "", "0.1000000001");
    auto b = itemRecord("", "", "0.1");
    EXPECT_FALSE(*b < *a); // equal once in float
}

TEST(GearRecord, ACopyKeepsTheTextsByPositionAndOwnsThem)
{
    auto source = itemRecord("Tent", "Fly", "10");
    addText(*source, "first");
    addText(*source, "second");
    addText(*source, "first");
    GearRecord copy(*source);
    ASSERT_NE(copy.columnTexts, nullptr);
    ASSERT_EQ(copy.columnTexts->count(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(*copy.columnTexts->get(n), *source->columnTexts->get(n));
    source.reset();
    EXPECT_EQ(*copy.columnTexts->get(2), "second");
}

TEST(GearRecord, ACopiedGroupOwnsCopiesOfItsMembersInTheSameOrder)
{
    GearRecord group;
    setFieldText(group.item, "Kitchen");
    group.members = std::make_unique<OwningList<GearRecord>>();
    for (const char* name : {"Pot", "Stove"}) {
        auto member = itemRecord("Cooking", name, "5");
        member->isMember = 1;
        member->parent = &group;
        group.members->add(std::move(member));
    }
    auto copy = std::make_unique<GearRecord>(group);
    ASSERT_EQ(copy->members->count(), 2);
    EXPECT_EQ(fieldText(copy->members->first()->item), "Stove");
    EXPECT_EQ(copy->members->first()->parent, copy.get());
    EXPECT_NE(copy->members->first(), group.members->first());
    copy.reset(); // must not free the original's members
    EXPECT_EQ(fieldText(group.members->get(1)->item), "Pot");
}

TEST(GearRecord, WeightIsUnitWeightTimesMultiplier)
{
    GearRecord r;
    setFieldText(r.unitWeight, "12.5");
    setFieldText(r.multiplier, "2");
    ASSERT_TRUE(computeWeight(r));
    EXPECT_EQ(fieldText(r.weight), "25.00");
    setFieldText(r.multiplier, "");
    ASSERT_TRUE(computeWeight(r));
    EXPECT_EQ(fieldText(r.weight), "0.00");
    setFieldText(r.unitWeight, "heavy");
    setFieldText(r.multiplier, "3");
    ASSERT_TRUE(computeWeight(r));
    EXPECT_EQ(fieldText(r.weight), "0.00");
}

TEST(GearRecord, AWeightThatWouldNotFitItsFieldIsRefused)
{
    GearRecord r;
    setFieldText(r.weight, "1.00");
    setFieldText(r.unitWeight, "999999");
    setFieldText(r.multiplier, "9999");
    EXPECT_FALSE(computeWeight(r)); // 9998990001.00 has 13 characters
    EXPECT_EQ(fieldText(r.weight), "1.00");
    setFieldText(r.unitWeight, "99999");
    setFieldText(r.multiplier, "99");
    EXPECT_FALSE(computeWeight(r)); // 9899901.00: one character too many
    setFieldText(r.multiplier, "9");
    EXPECT_TRUE(computeWeight(r));
    EXPECT_EQ(fieldText(r.weight), "899991.00");
}

TEST(GearRecord, AGroupSumsItsMembersInSinglePrecision)
{
    GearRecord group;
    group.members = std::make_unique<OwningList<GearRecord>>();
    group.members->add(itemRecord("", "a", "0.1"));
    group.members->add(itemRecord("", "b", "0.2"));
    group.members->add(itemRecord("", "c", "x"));
    EXPECT_EQ(groupSum(group), 0.1f + 0.2f);
    ASSERT_TRUE(updateGroupWeight(group));
    EXPECT_EQ(fieldText(group.groupWeight), "0.30");
}

TEST(GearRecord, AnOldRecordBecomesAnItemOfMultiplierOne)
{
    std::array<unsigned char, unversionedImageSize> image{};
    std::memcpy(image.data(), "Tent", 4);
    std::memcpy(image.data() + 21, "Old tent", 8);
    std::memcpy(image.data() + 62, "12.5", 4);
    std::memcpy(image.data() + 72, "patched", 7);
    image[123] = 1;
    auto r = fromUnversioned(readUnversionedImage(image.data()));
    EXPECT_EQ(fieldText(r->category), "Tent");
    EXPECT_EQ(fieldText(r->item), "Old tent");
    EXPECT_EQ(fieldText(r->unitWeight), "12.5");
    EXPECT_EQ(fieldText(r->weight), "12.5");
    EXPECT_EQ(fieldText(r->notes), "patched");
    EXPECT_EQ(fieldText(r->multiplier), "1");
    EXPECT_EQ(r->checked, 1);
    EXPECT_EQ(r->columnTexts, nullptr);
}
