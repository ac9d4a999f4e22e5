#include "core/model/OwningList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace cairnly;

namespace {

OwningList<std::string> listOf(std::initializer_list<const char*> added)
{
    OwningList<std::string> list;
    for (const char* text : added)
        list.add(std::make_unique<std::string>(text));
    return list;
}

std::vector<std::string> walk(OwningList<std::string>& list)
{
    std::vector<std::string> seen;
    for (std::string* s = list.first(); s; s = list.next())
        seen.push_back(*s);
    return seen;
}

// Counts the elements alive, to prove the list destroys what it owns.
struct Tracked
{
    static inline int alive = 0;
    int value;
    explicit Tracked(int v) : value(v) { ++alive; }
    ~Tracked() { --alive; }
    bool operator==(const Tracked& other) const { return value == other.value; }
};

} // namespace

TEST(OwningList, GetCountsInOrderOfAdditionWhileAWalkStartsAtTheLastAdded)
{
    auto list = listOf({"A", "B", "C", "D"});
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(*list.get(1), "A");
    EXPECT_EQ(*list.get(2), "B");
    EXPECT_EQ(*list.get(3), "C");
    EXPECT_EQ(*list.get(4), "D");
    EXPECT_EQ(walk(list), (std::vector<std::string>{"D", "C", "B", "A"}));
    EXPECT_EQ(list.get(0), nullptr);
    EXPECT_EQ(list.get(5), nullptr);
    EXPECT_EQ(list.get(-1), nullptr);
}

TEST(OwningList, TheCursorMovesBothWays)
{
    auto list = listOf({"A", "B", "C"});
    EXPECT_EQ(*list.last(), "A");
    EXPECT_EQ(*list.prev(), "B");
    EXPECT_EQ(*list.prev(), "C");
    EXPECT_EQ(list.prev(), nullptr);
    EXPECT_EQ(*list.get(2), "B"); // get() leaves the cursor on its node
    EXPECT_EQ(*list.next(), "A");
    EXPECT_EQ(list.next(), nullptr);
    EXPECT_EQ(list.next(), nullptr); // stays past the back
}

TEST(OwningList, AnEmptyListGivesNothing)
{
    OwningList<std::string> list;
    EXPECT_EQ(list.first(), nullptr);
    EXPECT_EQ(list.last(), nullptr);
    EXPECT_EQ(list.next(), nullptr);
    EXPECT_EQ(list.prev(), nullptr);
    EXPECT_EQ(list.get(1), nullptr);
    EXPECT_FALSE(list.add(nullptr));
    EXPECT_EQ(list.count(), 0);
}

TEST(OwningList, FindRemoveDetachAndReplaceTakeTheFirstMatchFromTheFront)
{
    auto list = listOf({"x", "y", "x"}); // front to back: x(3) y x(1)
    ASSERT_TRUE(list.remove("x"));
    EXPECT_EQ(walk(list), (std::vector<std::string>{"y", "x"}));
    EXPECT_FALSE(list.remove("z"));

    auto replacement = std::make_unique<std::string>("w");
    EXPECT_TRUE(list.replace("x", replacement));
    EXPECT_EQ(replacement, nullptr);
    auto unused = std::make_unique<std::string>("v");
    EXPECT_FALSE(list.replace("nothing", unused));
    EXPECT_NE(unused, nullptr); // not taken
    EXPECT_EQ(walk(list), (std::vector<std::string>{"y", "w"}));

    EXPECT_EQ(*list.find("w"), "w");
    EXPECT_EQ(list.find("x"), nullptr);
    EXPECT_EQ(list.detach("nothing"), nullptr);
}

TEST(OwningList, DetachHandsTheElementBack)
{
    auto single = listOf({"only"});
    auto taken = single.detach("only");
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(*taken, "only");
    EXPECT_EQ(single.count(), 0);
    EXPECT_EQ(single.first(), nullptr);

    auto list = listOf({"A", "B", "C"});
    EXPECT_EQ(*list.detach("C"), "C");
    EXPECT_EQ(*list.first(), "B");
    EXPECT_EQ(*list.get(2), "B");
    EXPECT_EQ(list.count(), 2);
}

TEST(OwningList, PositionalOperationsIgnoreEqualTexts)
{
    auto list = listOf({"same", "same", "other"});
    ASSERT_TRUE(list.removeAt(2));
    EXPECT_EQ(*list.get(1), "same");
    EXPECT_EQ(*list.get(2), "other");
    auto replacement = std::make_unique<std::string>("new");
    ASSERT_TRUE(list.replaceAt(2, replacement));
    EXPECT_EQ(walk(list), (std::vector<std::string>{"new", "same"}));
    EXPECT_FALSE(list.removeAt(3));
}

TEST(OwningList, OwnsItsElements)
{
    {
        OwningList<Tracked> list;
        for (int i = 0; i < 5; ++i)
            list.add(std::make_unique<Tracked>(i));
        EXPECT_EQ(Tracked::alive, 5);
        list.remove(Tracked(2));
        EXPECT_EQ(Tracked::alive, 4);
        auto detached = list.detach(Tracked(3));
        EXPECT_EQ(Tracked::alive, 4);
        list.flush();
        EXPECT_EQ(list.count(), 0);
        EXPECT_EQ(Tracked::alive, 1);
        list.add(std::make_unique<Tracked>(9));
    }
    EXPECT_EQ(Tracked::alive, 0);
}

TEST(OwningList, ForEachRunsFrontToBack)
{
    auto list = listOf({"1", "2", "3"});
    std::string order;
    list.forEach([&](std::string& s) { order += s; });
    EXPECT_EQ(order, "321");
}
