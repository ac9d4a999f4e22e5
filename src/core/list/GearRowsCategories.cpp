#include "core/list/GearRows.h"

#include "core/text/Cp1252.h"

#include <algorithm>

namespace cairnly {

bool GearRows::categoryInUse(const std::string& name) const
{
    for (const Row& row : rows) {
        const GearRecord& r = *row.record;
        if (r.isGroup()) {
            bool used = false;
            r.members->forEach([&](const GearRecord& member) { used = used || fieldText(member.category) == name; });
            if (used)
                return true;
        } else if (fieldText(r.category) == name) {
            return true;
        }
    }
    return false;
}

std::optional<Message> GearRows::renameCategory(const std::string& oldName, const std::string& newName)
{
    if (auto refused = changeRefusal())
        return refused;
    if (newName.empty())
        return std::nullopt;
    for (Row& row : rows) {
        GearRecord& r = *row.record;
        if (fieldText(r.category) == oldName) {
            setFieldText(r.category, newName);
            refreshCategoryKey(row);
        }
        if (r.isGroup()) {
            r.members->forEach([&](GearRecord& member) {
                if (fieldText(member.category) == oldName)
                    setFieldText(member.category, newName);
            });
        }
    }
    categoryRuleStale = true;
    sortByColumn(0);
    return std::nullopt;
}

std::optional<Message> GearRows::setCategories(std::vector<std::string> names)
{
    if (auto refused = changeRefusal())
        return refused;
    // An empty line ends the data file's categories, so the lines after it would be read as records.
    names.erase(std::remove(names.begin(), names.end(), std::string()), names.end());
    categoryList = std::move(names);
    notifyStates();
    return std::nullopt;
}

} // namespace cairnly
