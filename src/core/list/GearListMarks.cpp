#include "core/list/GearList.h"

#include "core/list/ColumnMarks.h"
#include "core/list/GearListChange.h"

#include <algorithm>

namespace cairnly {

std::optional<Message> GearList::toggleMark(const std::vector<int>& highlighted, Mark mark)
{
    if (auto refused = changeRefusal())
        return refused;
    // A member row stands for its group: the group's mark counts for all of it.
    std::vector<int> marked;
    for (const int row : highlighted) {
        if (row >= 0 && row < rowCount())
            marked.push_back(isMemberRow(row) ? groupRowOf(row) : row);
    }
    marked.erase(std::remove(marked.begin(), marked.end(), -1), marked.end());
    std::sort(marked.begin(), marked.end());
    marked.erase(std::unique(marked.begin(), marked.end()), marked.end());
    if (marked.empty())
        return std::nullopt;

    int column = markColumn(columnDefinitions, mark);
    if (column < 0) {
        if (auto refused = addColumnRefusal())
            return refused;
    }
    // Cleared only when every row has it: a mixed choice is one the user means to mark.
    const bool clear = column >= 0 && std::all_of(marked.begin(), marked.end(),
                                                  [&](int row) { return isMarked(*rows[row].record, column); });
    Change change(*this, Change::Edit, mark == Mark::Worn ? "Mark Worn" : "Mark Consumable");
    if (column < 0) {
        addColumn(markText(mark), FormatLeft);
        column = static_cast<int>(columnDefinitions.size()) - 1;
    }
    for (const int row : marked) {
        // A row that has the mark keeps the user's own word for it.
        if (!clear && isMarked(*rows[row].record, column))
            continue;
        auto copy = std::make_unique<GearRecord>(*rows[row].record);
        setColumnText(*copy, column, clear ? std::string() : std::string(markText(mark)));
        replaceRecord(row, std::move(copy));
    }
    return std::nullopt;
}

} // namespace cairnly
