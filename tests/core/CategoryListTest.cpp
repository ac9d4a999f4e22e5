#include "core/model/CategoryList.h"

#include <gtest/gtest.h>

using namespace cairnly;
using Names = std::vector<std::string>;

TEST(CategoryList, TheBoxShowsNamesWithoutRegardToCaseEqualNamesInListOrder)
{
    const CategoryList list({"tent", "Cooking", "\xC9t\xE9", "Tent", "backpacks", "Zelt", "_spare"});
    EXPECT_EQ(list.inBoxOrder(), (Names{"_spare", "backpacks", "Cooking", "tent", "Tent", "Zelt", "\xC9t\xE9"}));
    EXPECT_EQ(list.names().front(), "tent"); // the list itself keeps its order
}

TEST(CategoryList, AddAppendsNewNamesOnlyComparingExactly)
{
    CategoryList list({"Tent", "Cooking"});
    EXPECT_FALSE(list.add("Tent"));
    EXPECT_FALSE(list.add("")); // an empty line would end the data file's categories
    EXPECT_TRUE(list.add("tent"));
    EXPECT_EQ(list.names(), (Names{"Tent", "Cooking", "tent"}));
    list.remove("Tent");
    EXPECT_EQ(list.names(), (Names{"Cooking", "tent"}));
}

TEST(CategoryList, RenameAppendsTheNewNameUnlessItIsEmptyOrListed)
{
    CategoryList list({"Tent", "Cooking", "Clothes"});
    EXPECT_EQ(list.rename("Tent", "Tent"), CategoryList::Rename::NameExists);
    EXPECT_EQ(list.rename("Tent", "Cooking"), CategoryList::Rename::NameExists);
    EXPECT_EQ(list.rename("Tent", ""), CategoryList::Rename::Ignored);
    EXPECT_EQ(list.names(), (Names{"Tent", "Cooking", "Clothes"}));
    EXPECT_EQ(list.rename("Tent", "Shelter"), CategoryList::Rename::Done);
    EXPECT_EQ(list.names(), (Names{"Cooking", "Clothes", "Shelter"}));
}

TEST(CategoryList, MessagesNameTheCategoryInUtf8)
{
    EXPECT_EQ(deleteCategoryQuestion("Caf\xE9"),
              (Message{"Items or grouped items already exist under \"Caf\xC3\xA9\". Do you still want to delete this "
                       "category? (Existing items will remain unchanged.)",
                       "Confirm Category Delete", MessageIcon::Question, MessageButtons::YesNo}));
    EXPECT_EQ(renameCategoryQuestion("%1"),
              (Message{"Items already exist under \"%1\". Renaming this category will rename the category of existing "
                       "items. Do you wish to continue?",
                       "Rename Category", MessageIcon::Question, MessageButtons::YesNo}));
    EXPECT_EQ(categoryExists("Tent"),
              (Message{"Tent", "This category name already exists", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(renameCategoryPrompt("Caf\xE9"), "Rename \"Caf\xC3\xA9\" to: (20 characters max.)");
}
