#include "model/CMMIList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace cairnly;

namespace {

CMMIList<std::string> listOf(std::initializer_list<const char*> added)
{
    CMMIList<std::string> list;
    for (const char* text : added)
        list.Add(std::make_unique<std::string>(text));
    return list;
}

std::vector<std::string> walk(CMMIList<std::string>& list)
{
    std::vector<std::string> seen;
    for (std::string* s = list.First(); s; s = list.Next())
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

TEST(CMMIList, GetCountsInOrderOfAdditionWhileAWalkStartsAtTheLastAdded)
{
    auto list = listOf({"A", "B", "C", "D"});
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(*list.Get(1), "A");
    EXPECT_EQ(*list.Get(2), "B");
    EXPECT_EQ(*list.Get(3), "C");
    EXPECT_EQ(*list.Get(4), "D");
    EXPECT_EQ(walk(list), (std::vector<std::string>{"D", "C", "B", "A"}));
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.Get(5), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
}

TEST(CMMIList, TheCursorMovesBothWays)
{
    auto list = listOf({"A", "B", "C"});
    EXPECT_EQ(*list.Last(), "A");
    EXPECT_EQ(*list.Prev(), "B");
    EXPECT_EQ(*list.Prev(), "C");
    EXPECT_EQ(list.Prev(), nullptr);
    EXPECT_EQ(*list.Get(2), "B"); // Get leaves the cursor on its node
    EXPECT_EQ(*list.Next(), "A");
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.Next(), nullptr); // stays past the back
}

TEST(CMMIList, AnEmptyListGivesNothing)
{
    CMMIList<std::string> list;
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.Prev(), nullptr);
    EXPECT_EQ(list.Get(1), nullptr);
    EXPECT_FALSE(list.Add(nullptr));
    EXPECT_EQ(list.Count(), 0);
}

TEST(CMMIList, FindRemoveDetachAndReplaceTakeTheFirstMatchFromTheFront)
{
    auto list = listOf({"x", "y", "x"}); // front to back: x(3) y x(1)
    ASSERT_TRUE(list.Remove("x"));
    EXPECT_EQ(walk(list), (std::vector<std::string>{"y", "x"}));
    EXPECT_FALSE(list.Remove("z"));

    auto replacement = std::make_unique<std::string>("w");
    EXPECT_TRUE(list.Replace("x", replacement));
    EXPECT_EQ(replacement, nullptr);
    auto unused = std::make_unique<std::string>("v");
    EXPECT_FALSE(list.Replace("nothing", unused));
    EXPECT_NE(unused, nullptr); // not taken
    EXPECT_EQ(walk(list), (std::vector<std::string>{"y", "w"}));

    EXPECT_EQ(*list.Find("w"), "w");
    EXPECT_EQ(list.Find("x"), nullptr);
    EXPECT_EQ(list.Detach("nothing"), nullptr);
}

TEST(CMMIList, DetachHandsTheElementBack)
{
    auto single = listOf({"only"});
    auto taken = single.Detach("only");
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(*taken, "only");
    EXPECT_EQ(single.Count(), 0);
    EXPECT_EQ(single.First(), nullptr);

    auto list = listOf({"A", "B", "C"});
    EXPECT_EQ(*list.Detach("C"), "C");
    EXPECT_EQ(*list.First(), "B");
    EXPECT_EQ(*list.Get(2), "B");
    EXPECT_EQ(list.Count(), 2);
}

TEST(CMMIList, PositionalOperationsIgnoreEqualTexts)
{
    auto list = listOf({"same", "same", "other"});
    ASSERT_TRUE(list.RemoveAt(2));
    EXPECT_EQ(*list.Get(1), "same");
    EXPECT_EQ(*list.Get(2), "other");
    auto replacement = std::make_unique<std::string>("new");
    ASSERT_TRUE(list.ReplaceAt(2, replacement));
    EXPECT_EQ(walk(list), (std::vector<std::string>{"new", "same"}));
    EXPECT_FALSE(list.RemoveAt(3));
}

TEST(CMMIList, OwnsItsElements)
{
    {
        CMMIList<Tracked> list;
        for (int i = 0; i < 5; ++i)
            list.Add(std::make_unique<Tracked>(i));
        EXPECT_EQ(Tracked::alive, 5);
        list.Remove(Tracked(2));
        EXPECT_EQ(Tracked::alive, 4);
        auto detached = list.Detach(Tracked(3));
        EXPECT_EQ(Tracked::alive, 4);
        list.Flush();
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(Tracked::alive, 1);
        list.Add(std::make_unique<Tracked>(9));
    }
    EXPECT_EQ(Tracked::alive, 0);
}

TEST(CMMIList, ForEachRunsFrontToBack)
{
    auto list = listOf({"1", "2", "3"});
    std::string order;
    list.ForEach([&](std::string& s) { order += s; });
    EXPECT_EQ(order, "321");
}
