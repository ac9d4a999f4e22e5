#include "core/list/GearList.h"

#include "core/list/GearListChange.h"
#include "core/list/ListMessages.h"

#include <algorithm>

namespace cairnly {

using listmessages::oops;

void GearList::syncUserColumns()
{
    for (std::size_t k = 0; k < columnDefinitions.size(); ++k)
        columnDefinitions[k].subItem = fixedColumnCount + static_cast<int32_t>(k);
}

std::optional<Message> GearList::addColumnRefusal() const
{
    if (auto refused = changeRefusal())
        return refused;
    if (static_cast<int>(columnDefinitions.size()) >= maxUserColumns)
        return oops("No more columns can be added.");
    return std::nullopt;
}

std::optional<Message> GearList::addColumn(const std::string& heading, ColumnFormat format)
{
    if (auto refused = addColumnRefusal())
        return refused;
    Change change(*this, Change::Reset, "Add Column");
    editColumns();
    columnDefinitions.push_back(UserColumn{heading.substr(0, 40), format, 0});
    syncUserColumns();
    layout.columns.push_back(ListColumn{heading.substr(0, 40), format, clientWidth / 4});
    if (!layout.order.empty())
        layout.order.push_back(columnCount() - 1);
    return std::nullopt;
}

std::optional<Message> GearList::deleteColumns(std::vector<int> userColumns)
{
    if (auto refused = changeRefusal())
        return refused;
    std::sort(userColumns.begin(), userColumns.end());
    userColumns.erase(std::unique(userColumns.begin(), userColumns.end()), userColumns.end());
    userColumns.erase(std::remove_if(userColumns.begin(), userColumns.end(),
                                     [&](int k) { return k < 0 || k >= static_cast<int>(columnDefinitions.size()); }),
                      userColumns.end());
    if (userColumns.empty())
        return std::nullopt;
    Change change(*this, Change::Reset, "Delete Column");
    editColumns();
    for (std::size_t i = 0; i < userColumns.size(); ++i) {
        const int k = userColumns[i] - static_cast<int>(i);
        const int column = fixedColumnCount + k;
        columnDefinitions.erase(columnDefinitions.begin() + k);
        layout.columns.erase(layout.columns.begin() + column);
        if (!layout.order.empty()) {
            layout.order.erase(std::remove(layout.order.begin(), layout.order.end(), column), layout.order.end());
            for (int& logical : layout.order) {
                if (logical > column)
                    --logical;
            }
        }
    }
    syncUserColumns();
    // By position: equal texts in other columns must stay where they are. Positions are taken from the
    // last, so the earlier ones keep their places.
    auto removeTexts = [&](GearRecord& record) {
        for (auto it = userColumns.rbegin(); it != userColumns.rend(); ++it) {
            if (record.columnTexts && record.columnTexts->count() >= *it + 1)
                record.columnTexts->removeAt(*it + 1);
        }
    };
    for (int row = 0; row < rowCount(); ++row) {
        auto copy = std::make_unique<GearRecord>(*rows[row].record);
        removeTexts(*copy);
        if (copy->isGroup())
            copy->members->forEach(removeTexts);
        replaceRecord(row, std::move(copy));
    }
    return std::nullopt;
}

std::optional<Message> GearList::modifyColumn(int userColumn, const std::string& heading, ColumnFormat format)
{
    if (auto refused = changeRefusal())
        return refused;
    if (userColumn < 0 || userColumn >= static_cast<int>(columnDefinitions.size()))
        return std::nullopt;
    Change change(*this, Change::Reset, "Modify Column");
    editColumns();
    columnDefinitions[userColumn].heading = heading.substr(0, 40);
    columnDefinitions[userColumn].format = format;
    layout.columns[fixedColumnCount + userColumn].heading = heading.substr(0, 40);
    layout.columns[fixedColumnCount + userColumn].format = format;
    return std::nullopt;
}

} // namespace cairnly
