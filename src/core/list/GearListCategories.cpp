#include "core/list/GearList.h"

#include "core/list/GearListChange.h"
#include "core/text/Cp1252.h"

#include <algorithm>

namespace cairnly {

bool GearList::categoryInUse(const std::string& name) const
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

std::optional<Message> GearList::renameCategory(const std::string& oldName, const std::string& newName)
{
    if (auto refused = changeRefusal())
        return refused;
    if (newName.empty())
        return std::nullopt;
    Change change(*this, Change::Reset, "Rename Category");
    for (int i = 0; i < rowCount(); ++i) {
        const GearRecord& r = *rows[i].record;
        bool renamed = fieldText(r.category) == oldName;
        if (r.isGroup())
            r.members->forEach(
                [&](const GearRecord& member) { renamed = renamed || fieldText(member.category) == oldName; });
        if (!renamed)
            continue;
        auto copy = std::make_unique<GearRecord>(r);
        if (fieldText(copy->category) == oldName)
            setFieldText(copy->category, newName);
        if (copy->isGroup()) {
            copy->members->forEach([&](GearRecord& member) {
                if (fieldText(member.category) == oldName)
                    setFieldText(member.category, newName);
            });
        }
        replaceRecord(i, std::move(copy));
    }
    sortByColumn(0);
    return std::nullopt;
}

std::optional<Message> GearList::setCategories(std::vector<std::string> names)
{
    if (auto refused = changeRefusal())
        return refused;
    Change change(*this, Change::Edit, "Categories");
    // An empty line ends the data file's categories, so the lines after it would be read as records.
    names.erase(std::remove(names.begin(), names.end(), std::string()), names.end());
    editCategories() = std::move(names);
    return std::nullopt;
}

} // namespace cairnly
