#include "core/list/GearRows.h"

#include "core/list/GearRowsMessages.h"

#include <algorithm>

namespace cairnly {

using rowmessages::oops;

void GearRows::syncUserColumns()
{
    for (std::size_t k = 0; k < currentSettings.userColumns.size(); ++k)
        currentSettings.userColumns[k].subItem = fixedColumnCount + static_cast<int32_t>(k);
}

std::optional<Message> GearRows::addColumnRefusal() const
{
    if (auto refused = changeRefusal())
        return refused;
    if (static_cast<int>(currentSettings.userColumns.size()) >= maxUserColumns)
        return oops("No more columns can be added.");
    return std::nullopt;
}

std::optional<Message> GearRows::addColumn(const std::string& heading, ColumnFormat format)
{
    if (auto refused = addColumnRefusal())
        return refused;
    beginReset();
    currentSettings.userColumns.push_back(UserColumn{heading.substr(0, 40), format, 0});
    syncUserColumns();
    layout.columns.push_back(ListColumn{heading.substr(0, 40), format, clientWidth / 4});
    if (!layout.order.empty())
        layout.order.push_back(columnCount() - 1);
    endReset();
    notifyStates();
    return std::nullopt;
}

std::optional<Message> GearRows::deleteColumns(std::vector<int> userColumns)
{
    if (auto refused = changeRefusal())
        return refused;
    std::sort(userColumns.begin(), userColumns.end());
    userColumns.erase(std::unique(userColumns.begin(), userColumns.end()), userColumns.end());
    userColumns.erase(
        std::remove_if(userColumns.begin(), userColumns.end(),
                       [&](int k) { return k < 0 || k >= static_cast<int>(currentSettings.userColumns.size()); }),
        userColumns.end());
    if (userColumns.empty())
        return std::nullopt;
    beginReset();
    for (std::size_t i = 0; i < userColumns.size(); ++i) {
        const int k = userColumns[i] - static_cast<int>(i);
        const int column = fixedColumnCount + k;
        currentSettings.userColumns.erase(currentSettings.userColumns.begin() + k);
        layout.columns.erase(layout.columns.begin() + column);
        if (!layout.order.empty()) {
            layout.order.erase(std::remove(layout.order.begin(), layout.order.end(), column), layout.order.end());
            for (int& logical : layout.order) {
                if (logical > column)
                    --logical;
            }
        }
        // By position: equal texts in other columns must stay where they are.
        auto removeText = [k](GearRecord& record) {
            if (record.columnTexts && record.columnTexts->count() >= k + 1)
                record.columnTexts->removeAt(k + 1);
        };
        for (Row& row : rows) {
            removeText(*row.record);
            if (row.record->isGroup())
                row.record->members->forEach(removeText);
        }
    }
    syncUserColumns();
    endReset();
    notifyStates();
    return std::nullopt;
}

std::optional<Message> GearRows::modifyColumn(int userColumn, const std::string& heading, ColumnFormat format)
{
    if (auto refused = changeRefusal())
        return refused;
    if (userColumn < 0 || userColumn >= static_cast<int>(currentSettings.userColumns.size()))
        return std::nullopt;
    beginReset();
    currentSettings.userColumns[userColumn].heading = heading.substr(0, 40);
    currentSettings.userColumns[userColumn].format = format;
    layout.columns[fixedColumnCount + userColumn].heading = heading.substr(0, 40);
    layout.columns[fixedColumnCount + userColumn].format = format;
    endReset();
    notifyStates();
    return std::nullopt;
}

void GearRows::setColumnWidth(int column, int width)
{
    if (column >= 0 && column < columnCount())
        layout.columns[column].width = std::clamp(width, 0, 10000);
}

void GearRows::setColumnOrder(const std::vector<int>& order)
{
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < static_cast<int>(sorted.size()); ++i) {
        if (sorted[i] != i)
            return;
    }
    if (static_cast<int>(order.size()) == columnCount())
        layout.order = order;
}

void GearRows::widenColumns(int dx)
{
    if (columnCount() == 0)
        return;
    const int step = dx / columnCount();
    for (ListColumn& column : layout.columns)
        column.width = std::clamp(column.width + step, 0, 10000);
}

} // namespace cairnly
