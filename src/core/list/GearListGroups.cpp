#include "core/list/GearList.h"

#include "core/list/GearListChange.h"
#include "core/list/ListMessages.h"
#include "core/platform/DisplayLock.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace cairnly {

using namespace listmessages;

std::vector<GearList::Row> GearList::memberRowsOf(const GearRecord& group)
{
    std::vector<Row> memberRows;
    group.members->forEach(
        [&](const GearRecord& member) { memberRows.push_back(makeRow(std::make_unique<GearRecord>(member), true)); });
    return memberRows;
}

int GearList::memberRowCount(int groupRow) const
{
    const GearRecord* group = rows[groupRow].record.get();
    int count = 0;
    while (groupRow + 1 + count < rowCount() && rows[groupRow + 1 + count].record->isMember &&
           rows[groupRow + 1 + count].record->parent == group)
        ++count;
    return count;
}

void GearList::expand(int groupRow)
{
    setExpanded(groupRow, true);
    insertRows(groupRow + 1, memberRowsOf(*rows[groupRow].record));
}

void GearList::collapse(int groupRow)
{
    setExpanded(groupRow, false);
    // Only the rows that really belong to this group go, however many members it has now.
    takeRows(groupRow + 1, memberRowCount(groupRow));
}

void GearList::replaceGroup(int groupRow, std::unique_ptr<GearRecord> group)
{
    const bool wasExpanded = rows[groupRow].record->expanded != 0;
    if (wasExpanded)
        takeRows(groupRow + 1, memberRowCount(groupRow));
    replaceRecord(groupRow, std::move(group));
    if (wasExpanded)
        insertRows(groupRow + 1, memberRowsOf(*rows[groupRow].record));
}

int GearList::groupRowOf(int memberRow) const
{
    const GearRecord* group = rows[memberRow].record->parent;
    for (int i = memberRow - 1; i >= 0; --i) {
        if (rows[i].record.get() == group)
            return i;
    }
    return -1;
}

void GearList::toggleGroup(int row)
{
    if (row < 0 || row >= rowCount() || !isGroupRow(row))
        return;
    Change change(*this);
    if (rows[row].record->expanded)
        collapse(row);
    else
        expand(row);
}

void GearList::setAllGroups(bool expanded)
{
    const bool anyToToggle = std::any_of(rows.begin(), rows.end(), [&](const Row& row) {
        return row.record->isGroup() && (row.record->expanded != 0) == expanded;
    });
    if (!anyToToggle)
        return;
    // One pass over the rows: toggling group after group would move the rows below each time.
    Change change(*this, Change::Reset);
    std::vector<int> sources;
    std::vector<Row> added;
    sources.reserve(rows.size());
    for (int i = 0; i < rowCount(); ++i) {
        const bool toggle = isGroupRow(i) && (rows[i].record->expanded != 0) == expanded;
        sources.push_back(i);
        if (!toggle)
            continue;
        setExpanded(i, !expanded);
        if (expanded) {
            i += memberRowCount(i);
        } else {
            for (Row& member : memberRowsOf(*rows[i].record)) {
                sources.push_back(-1);
                added.push_back(std::move(member));
            }
        }
    }
    rebuildRows(sources, std::move(added));
}

std::optional<Message> GearList::groupNameProblem(const std::string& name) const
{
    if (name.empty())
        return Message{"Group Name required.", applicationName, MessageIcon::Error, MessageButtons::Ok};
    if (std::find(groupNameList.begin(), groupNameList.end(), name) != groupNameList.end())
        return Message{"Group of same name already exists.  Please choose a different name", applicationName,
                       MessageIcon::None, MessageButtons::Ok};
    return std::nullopt;
}

DropReply GearList::dropOnRow(int source, int target)
{
    if (source == target || source < 0 || target < 0 || source >= rowCount() || target >= rowCount() ||
        kind(source) != RowKind::Item)
        return std::monostate{};
    if (auto refused = changeRefusal())
        return *refused;
    int groupRow = target;
    if (isMemberRow(target))
        groupRow = groupRowOf(target);
    if (groupRow < 0)
        return std::monostate{};
    const float sourceWeight = rows[source].weight;
    if (isGroupRow(groupRow)) {
        if (!fitsWeight(groupSum(*rows[groupRow].record) + sourceWeight))
            return groupWeightTooLarge();
        addToGroup(source, groupRow);
        return std::monostate{};
    }
    if (!fitsWeight(sourceWeight + rows[groupRow].weight))
        return groupWeightTooLarge();
    return CreateGroupRequest{std::string(fieldText(rows[source].record->item)),
                              std::string(fieldText(rows[groupRow].record->item))};
}

std::unique_ptr<GearRecord> GearList::joiningCopy(int row, GearRecord& group) const
{
    auto copy = std::make_unique<GearRecord>(*rows[row].record);
    copy->checked = rows[row].checked ? 1 : 0;
    copy->isMember = 1;
    copy->parent = &group;
    return copy;
}

void GearList::addToGroup(int source, int groupRow)
{
    Change change(*this, Change::Edit, "Group");
    auto group = std::make_unique<GearRecord>(*rows[groupRow].record);
    group->members->add(joiningCopy(source, *group));
    updateGroupWeight(*group);
    takeRows(source, 1);
    if (source < groupRow)
        --groupRow;
    replaceGroup(groupRow, std::move(group));
    updateTotal();
}

int GearList::createGroup(int source, int target, const std::string& name, const std::string& notes)
{
    if (source == target || source < 0 || target < 0 || source >= rowCount() || target >= rowCount() ||
        kind(source) != RowKind::Item || kind(target) != RowKind::Item || changeRefusal() || groupNameProblem(name))
        return -1;
    Change change(*this, Change::Edit, "Group");
    auto group = std::make_unique<GearRecord>();
    setFieldText(group->category, fieldText(rows[target].record->category));
    setFieldText(group->item, name);
    setFieldText(group->notes, notes);
    const std::string groupName(fieldText(group->item));
    setFieldText(group->collapsedLabel, "+ " + groupName);
    setFieldText(group->expandedLabel, "- " + groupName);
    group->members = std::make_unique<OwningList<GearRecord>>();
    // The member that joins last shows first: the target, then the dragged item.
    group->members->add(joiningCopy(source, *group));
    group->members->add(joiningCopy(target, *group));
    updateGroupWeight(*group);
    editGroupNames().push_back(groupName);

    takeRows(std::max(source, target), 1);
    takeRows(std::min(source, target), 1);
    const int row = insertItemSorted(std::move(group));
    updateTotal();
    return row;
}

std::optional<Message> GearList::removeFromGroup(int memberRow)
{
    if (memberRow < 0 || memberRow >= rowCount() || !isMemberRow(memberRow))
        return std::nullopt;
    if (auto refused = changeRefusal())
        return refused;
    const int groupRow = groupRowOf(memberRow);
    if (groupRow < 0)
        return std::nullopt;
    Change change(*this, Change::Edit, "Remove from Group");
    auto standAlone = std::make_unique<GearRecord>(*rows[memberRow].record);
    standAlone->isMember = 0;
    standAlone->parent = nullptr;
    // The member at the row's walk position: equal-looking members may differ in their texts.
    auto group = std::make_unique<GearRecord>(*rows[groupRow].record);
    group->members->removeAt(group->members->count() - (memberRow - groupRow) + 1);

    takeRows(memberRow, 1);
    if (group->members->count() > 0) {
        updateGroupWeight(*group);
        replaceGroup(groupRow, std::move(group));
    } else {
        forgetGroupName(*group);
        takeRows(groupRow, 1);
    }
    insertItemSorted(std::move(standAlone));
    updateTotal();
    return std::nullopt;
}

void GearList::forgetGroupName(const GearRecord& group)
{
    const auto name = std::find(groupNameList.begin(), groupNameList.end(), std::string(fieldText(group.item)));
    if (name != groupNameList.end())
        editGroupNames().erase(name);
}

void GearList::sortByColumn(int column)
{
    if (column == 1 || column == 3 || column < 0 || column >= columnCount())
        return;
    Change change(*this, Change::Reset, "Sort");
    setAllGroups(true);
    sortDirections[column] ^= 1;
    sortedByOther = column != 0;
    modifyAfterSorting = !sortedByOther;

    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (column == 0) {
        std::vector<std::pair<std::string, std::string>> keys;
        keys.reserve(rows.size());
        for (const Row& row : rows)
            keys.emplace_back(foldText(fieldText(row.record->category)), foldText(fieldText(row.record->item)));
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    } else if (column == 2) {
        const bool ascending = sortDirections[2] == 1;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return ascending ? rows[a].weight < rows[b].weight : rows[b].weight < rows[a].weight;
        });
    } else {
        const bool ascending = sortDirections[column] == 1;
        const int position = column - 3;
        auto textOf = [&](int row) -> std::string_view {
            const GearRecord& r = *rows[row].record;
            const std::string* text = r.columnTexts ? r.columnTexts->get(position) : nullptr;
            return text ? std::string_view(*text) : std::string_view();
        };
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return ascending ? textOf(a) < textOf(b) : textOf(b) < textOf(a); });
    }
    rebuildRows(order, {});
    if (column == 2)
        sortMembersByWeight();
}

void GearList::sortMembersByWeight()
{
    // Only groups whose members are out of order get a new record.
    std::vector<std::pair<int, std::unique_ptr<GearRecord>>> sortedGroups;
    {
        std::optional<DisplayLock::Hold> hold;
        if (displayLock)
            hold.emplace(*displayLock);
        for (int i = 0; i < rowCount(); ++i) {
            if (!isGroupRow(i))
                continue;
            std::vector<const GearRecord*> walk;
            rows[i].record->members->forEach([&](const GearRecord& member) { walk.push_back(&member); });
            if (std::is_sorted(walk.begin(), walk.end(), [](const auto* a, const auto* b) { return *a < *b; }))
                continue;
            auto group = std::make_unique<GearRecord>(*rows[i].record);
            OwningList<GearRecord>& members = *group->members;
            std::vector<std::unique_ptr<GearRecord>> sorted;
            while (GearRecord* front = members.first())
                sorted.push_back(members.detach(*front));
            std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return *a < *b; });
            for (auto it = sorted.rbegin(); it != sorted.rend(); ++it)
                members.add(std::move(*it));
            updateGroupWeight(*group);
            sortedGroups.emplace_back(i, std::move(group));
        }
    }
    for (auto& [row, group] : sortedGroups)
        replaceRecord(row, std::move(group));
}

} // namespace cairnly
