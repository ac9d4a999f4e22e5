#include "core/list/GearRows.h"

#include "core/text/Cp1252.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>

namespace cairnly {

std::optional<Message> GearRows::addImported(std::vector<std::unique_ptr<GearRecord>> records)
{
    if (auto refused = changeRefusal())
        return refused;
    if (records.empty())
        return std::nullopt;

    std::unordered_set<std::string> known(categoryList.begin(), categoryList.end());
    const std::size_t columns = currentSettings.userColumns.size();
    struct Added
    {
        std::string category;
        std::string item;
        Row row;
    };
    std::vector<Added> added;
    added.reserve(records.size());
    for (auto& record : records) {
        std::string category(fieldText(record->category));
        if (known.insert(category).second)
            categoryList.push_back(category);
        record->checked = 0;
        record->isMember = 0;
        if (columns > 0) {
            record->columnTexts = std::make_unique<OwningList<std::string>>();
            for (std::size_t i = 0; i < columns; ++i)
                record->columnTexts->add(std::make_unique<std::string>());
        }
        Added entry{foldText(category), foldText(fieldText(record->item)), Row{}};
        entry.row.record = std::move(record);
        refreshWeight(entry.row);
        refreshCategoryKey(entry.row);
        added.push_back(std::move(entry));
    }
    // Add puts a record before the equal ones already there, so of equal new records the last comes first.
    std::reverse(added.begin(), added.end());
    std::stable_sort(added.begin(), added.end(), [](const Added& a, const Added& b) {
        if (const int c = a.category.compare(b.category))
            return c < 0;
        return a.item < b.item;
    });

    // Merged in as Add places a record: before the first top-level row whose category and item are not
    // below its own; member rows stay under their group.
    beginReset();
    std::vector<Row> merged;
    merged.reserve(rows.size() + added.size());
    std::size_t next = 0;
    for (Row& row : rows) {
        if (!row.record->isMember) {
            const std::string category = foldText(fieldText(row.record->category));
            const std::string item = foldText(fieldText(row.record->item));
            while (next < added.size() && std::tie(added[next].category, added[next].item) <= std::tie(category, item))
                merged.push_back(std::move(added[next++].row));
        }
        merged.push_back(std::move(row));
    }
    for (; next < added.size(); ++next)
        merged.push_back(std::move(added[next].row));
    rows = std::move(merged);
    endReset();

    finishAdding(true);
    return std::nullopt;
}

} // namespace cairnly
