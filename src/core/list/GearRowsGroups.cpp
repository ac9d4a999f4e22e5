#include "core/list/GearRows.h"

#include "core/list/GearRowsMessages.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"

#include <algorithm>

namespace cairnly {

using namespace rowmessages;

void GearRows::toggleGroup(int row)
{
    if (row < 0 || row >= rowCount() || !isGroupRow(row))
        return;
    if (rows[row].record->expanded)
        collapse(row);
    else
        expand(row);
    notifyStates();
}

void GearRows::setAllGroups(bool expanded)
{
    const bool anyToToggle = std::any_of(rows.begin(), rows.end(), [&](const Row& row) {
        return row.record->isGroup() && (row.record->expanded != 0) == expanded;
    });
    if (!anyToToggle)
        return;
    // One pass over the rows: toggling group after group would move the rows below each time.
    beginReset();
    std::vector<Row> result;
    result.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        GearRecord& r = *rows[i].record;
        const bool toggle = r.isGroup() && (r.expanded != 0) == expanded;
        result.push_back(std::move(rows[i]));
        if (!toggle)
            continue;
        if (expanded) {
            r.expanded = 0;
            while (i + 1 < rows.size() && rows[i + 1].record->isMember && rows[i + 1].record->parent == &r)
                ++i;
        } else {
            r.expanded = 1;
            for (Row& member : memberRowsOf(r))
                result.push_back(std::move(member));
        }
    }
    rows = std::move(result);
    endReset();
    notifyStates();
}

std::optional<Message> GearRows::groupNameProblem(const std::string& name) const
{
    if (name.empty())
        return Message{"Group Name required.", applicationName, MessageIcon::Error, MessageButtons::Ok};
    if (std::find(groupNameList.begin(), groupNameList.end(), name) != groupNameList.end())
        return Message{"Group of same name already exists.  Please choose a different name", applicationName,
                       MessageIcon::None, MessageButtons::Ok};
    return std::nullopt;
}

DropReply GearRows::dropOnRow(int source, int target)
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

std::unique_ptr<GearRecord> GearRows::joiningCopy(int row, GearRecord& group)
{
    rows[row].record->checked = rows[row].checked ? 1 : 0;
    auto copy = std::make_unique<GearRecord>(*rows[row].record);
    copy->isMember = 1;
    copy->parent = &group;
    return copy;
}

void GearRows::addToGroup(int source, int groupRow)
{
    GearRecord& group = *rows[groupRow].record;
    auto joining = joiningCopy(source, group);
    const bool wasExpanded = group.expanded != 0;
    removeRows(source, 1);
    if (source < groupRow)
        --groupRow;
    if (wasExpanded)
        collapse(groupRow);
    group.members->add(std::move(joining));
    refreshGroup(groupRow);
    if (wasExpanded)
        expand(groupRow);
    notifyChanged(groupRow);
    updateTotal();
    notifyStates();
}

int GearRows::createGroup(int source, int target, const std::string& name, const std::string& notes)
{
    if (source == target || source < 0 || target < 0 || source >= rowCount() || target >= rowCount() ||
        kind(source) != RowKind::Item || kind(target) != RowKind::Item || changeRefusal() || groupNameProblem(name))
        return -1;
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
    groupNameList.push_back(groupName);

    removeRows(std::max(source, target), 1);
    removeRows(std::min(source, target), 1);
    const int row = insertItemSorted(std::move(group));
    updateTotal();
    notifyStates();
    return row;
}

std::optional<Message> GearRows::removeFromGroup(int memberRow)
{
    if (memberRow < 0 || memberRow >= rowCount() || !isMemberRow(memberRow))
        return std::nullopt;
    if (auto refused = changeRefusal())
        return refused;
    int groupRow = groupRowOf(memberRow);
    if (groupRow < 0)
        return std::nullopt;
    GearRecord* group = rows[groupRow].record.get();

    auto standAlone = std::make_unique<GearRecord>(*rows[memberRow].record);
    standAlone->isMember = 0;
    standAlone->parent = nullptr;
    // The member at the row's walk position: equal-looking members may differ in their texts.
    const int walkPosition = memberRow - groupRow;
    group->members->removeAt(group->members->count() - walkPosition + 1);
    if (group->members->count() == 0)
        dissolve(*group);

    removeRows(memberRow, 1);
    if (group->isGroup()) {
        refreshGroup(groupRow);
        collapse(groupRow);
        expand(groupRow);
    } else {
        removeRows(groupRow, 1);
    }
    insertItemSorted(std::move(standAlone));
    updateTotal();
    notifyStates();
    return std::nullopt;
}

void GearRows::dissolve(GearRecord& group)
{
    const auto name = std::find(groupNameList.begin(), groupNameList.end(), std::string(fieldText(group.item)));
    if (name != groupNameList.end())
        groupNameList.erase(name);
    group.members.reset();
}

void GearRows::sortByColumn(int column)
{
    if (column == 1 || column == 3 || column < 0 || column >= columnCount())
        return;
    setAllGroups(true);
    sortDirections[column] ^= 1;
    sortedByOther = column != 0;
    buttonStates.add = buttonStates.modify = !sortedByOther;

    beginReset();
    if (column == 0) {
        std::vector<std::pair<std::string, std::string>> keys;
        std::vector<std::size_t> order(rows.size());
        keys.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            keys.emplace_back(foldText(fieldText(rows[i].record->category)), foldText(fieldText(rows[i].record->item)));
            order[i] = i;
        }
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
        std::vector<Row> sorted;
        sorted.reserve(rows.size());
        for (std::size_t i : order)
            sorted.push_back(std::move(rows[i]));
        rows = std::move(sorted);
    } else if (column == 2) {
        const bool ascending = sortDirections[2] == 1;
        std::stable_sort(rows.begin(), rows.end(), [ascending](const Row& a, const Row& b) {
            return ascending ? a.weight < b.weight : b.weight < a.weight;
        });
        sortMembersByWeight();
    } else {
        const bool ascending = sortDirections[column] == 1;
        const int position = column - 3;
        auto textOf = [position](const Row& row) -> std::string_view {
            const std::string* text = row.record->columnTexts ? row.record->columnTexts->get(position) : nullptr;
            return text ? std::string_view(*text) : std::string_view();
        };
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
            return ascending ? textOf(a) < textOf(b) : textOf(b) < textOf(a);
        });
    }
    endReset();
    notifyStates();
}

void GearRows::sortMembersByWeight()
{
    {
        DisplayLock::Hold hold(displayLock);
        for (Row& row : rows) {
            if (!row.record->isGroup())
                continue;
            OwningList<GearRecord>& members = *row.record->members;
            std::vector<std::unique_ptr<GearRecord>> walk;
            while (GearRecord* front = members.first())
                walk.push_back(members.detach(*front));
            std::stable_sort(walk.begin(), walk.end(), [](const auto& a, const auto& b) { return *a < *b; });
            for (auto it = walk.rbegin(); it != walk.rend(); ++it)
                members.add(std::move(*it));
        }
    }
    for (Row& row : rows) {
        if (row.record->isGroup()) {
            updateGroupWeight(*row.record);
            refreshWeight(row);
        }
    }
}

} // namespace cairnly
