#include "core/model/CategoryList.h"

#include "core/text/Cp1252.h"

#include <algorithm>

namespace cairnly {

std::vector<std::string> CategoryList::inBoxOrder() const
{
    std::vector<std::string> sorted = list;
    sortInBoxOrder(sorted);
    return sorted;
}

bool CategoryList::contains(const std::string& name) const
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

bool CategoryList::add(const std::string& name)
{
    if (name.empty() || contains(name))
        return false;
    list.push_back(name);
    return true;
}

void CategoryList::remove(const std::string& name)
{
    list.erase(std::remove(list.begin(), list.end(), name), list.end());
}

CategoryList::Rename CategoryList::rename(const std::string& oldName, const std::string& newName)
{
    if (newName.empty())
        return Rename::Ignored;
    if (contains(newName))
        return Rename::NameExists;
    remove(oldName);
    list.push_back(newName);
    return Rename::Done;
}

Message deleteCategoryQuestion(const std::string& name)
{
    return {"Items or grouped items already exist under \"" + toUtf8(name) +
                "\". Do you still want to delete this category? (Existing items will remain unchanged.)",
            "Confirm Category Delete", MessageIcon::Question, MessageButtons::YesNo};
}

Message renameCategoryQuestion(const std::string& name)
{
    return {"Items already exist under \"" + toUtf8(name) +
                "\". Renaming this category will rename the category of existing items. Do you wish to continue?",
            "Rename Category", MessageIcon::Question, MessageButtons::YesNo};
}

Message categoryExists(const std::string& oldName)
{
    return {toUtf8(oldName), "This category name already exists", MessageIcon::Exclamation, MessageButtons::Ok};
}

std::string renameCategoryPrompt(const std::string& oldName)
{
    return "Rename \"" + toUtf8(oldName) + "\" to: (20 characters max.)";
}

} // namespace cairnly
