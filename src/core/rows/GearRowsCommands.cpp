#include "GearRows.h"

#include "model/Cp1252.h"
#include "model/Numbers.h"
#include "rows/WeightUnits.h"

#include <algorithm>

namespace cairnly {
namespace {

Message oops(const char* text)
{
    return {text, "Oops!", MessageIcon::Exclamation, MessageButtons::Ok};
}

Message weightTooLarge()
{
    return oops("Weight too large. Please enter a smaller weight or quantity.");
}

Message groupWeightTooLarge()
{
    return oops("The group's weight would be too large.");
}

bool fitsWeight(float weight)
{
    return formatFixed(static_cast<double>(weight), 2).size() <= weightTextCapacity;
}

// Sorts names as a sorted combo box shows them: alphabetically without regard to case.
void sortAsBox(std::vector<std::string>& names)
{
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return compareNoCase(a, b) < 0; });
}

std::unique_ptr<OwningList<std::string>> textListOf(const std::vector<std::string>& texts)
{
    auto list = std::make_unique<OwningList<std::string>>();
    for (const std::string& text : texts)
        list->add(std::make_unique<std::string>(text));
    return list;
}

} // namespace

// --- Groups ---------------------------------------------------------------------------------------

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

// --- Sorting --------------------------------------------------------------------------------------

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

// --- Items ----------------------------------------------------------------------------------------

std::vector<std::string> GearRows::columnHeadings() const
{
    std::vector<std::string> headings;
    for (const UserColumn& column : currentSettings.userColumns)
        headings.push_back(column.heading);
    return headings;
}

std::variant<Message, ItemEditorSetup> GearRows::addSetup()
{
    if (auto refused = changeRefusal())
        return *refused;
    ItemEditorSetup setup;
    setup.categories = categoryList;
    sortAsBox(setup.categories);
    if (!categoryList.empty())
        setup.entry.category = categoryList.front();
    setup.columnHeadings = columnHeadings();
    setup.entry.columnTexts.assign(setup.columnHeadings.size(), std::string());
    return setup;
}

std::variant<Message, ItemEditorSetup> GearRows::modifySetup(const std::vector<int>& highlighted)
{
    if (auto refused = changeRefusal())
        return *refused;
    std::vector<int> valid;
    for (int row : highlighted) {
        if (row >= 0 && row < rowCount())
            valid.push_back(row);
    }
    if (valid.empty())
        return oops("No name selected!");
    const int row = *std::min_element(valid.begin(), valid.end());
    GearRecord& r = *rows[row].record;
    if (r.isGroup())
        return Message{"Groups may not be modified.", applicationName, MessageIcon::Information, MessageButtons::Ok};
    r.checked = isChecked(row) ? 1 : 0;

    ItemEditorSetup setup;
    setup.categories = categoryList;
    sortAsBox(setup.categories);
    const std::string category(fieldText(r.category));
    if (std::find(categoryList.begin(), categoryList.end(), category) != categoryList.end())
        setup.entry.category = category;
    setup.entry.item = fieldText(r.item);
    setup.entry.unitWeight = fieldText(r.unitWeight);
    setup.entry.multiplier = fieldText(r.multiplier);
    setup.entry.notes = fieldText(r.notes);
    setup.columnHeadings = columnHeadings();
    for (std::size_t i = 0; i < setup.columnHeadings.size(); ++i) {
        const std::string* text = r.columnTexts ? r.columnTexts->get(static_cast<int32_t>(i) + 1) : nullptr;
        setup.entry.columnTexts.push_back(text ? *text : std::string());
    }
    return setup;
}

// The group's sum with the member shown at memberRow weighing newWeight, added as groupSum adds.
float GearRows::groupSumWith(int memberRow, float newWeight) const
{
    const int groupRow = groupRowOf(memberRow);
    if (groupRow < 0)
        return newWeight;
    const GearRecord& group = *rows[groupRow].record;
    float sum = readWeight(fieldText(group.weight));
    int walkPosition = 0;
    group.members->forEach([&](const GearRecord& member) {
        ++walkPosition;
        sum += walkPosition == memberRow - groupRow ? newWeight : readWeight(fieldText(member.weight));
    });
    return sum;
}

std::unique_ptr<GearRecord> GearRows::recordFrom(const ItemEntry& entry, const GearRecord* base) const
{
    auto record = base ? std::make_unique<GearRecord>(*base) : std::make_unique<GearRecord>();
    setFieldText(record->category, entry.category);
    setFieldText(record->item, entry.item);
    setFieldText(record->unitWeight, entry.unitWeight);
    setFieldText(record->multiplier, entry.multiplier);
    setFieldText(record->notes, entry.notes);
    if (!computeWeight(*record))
        return nullptr;
    return record;
}

std::optional<Message> GearRows::entryProblem(const ItemEntry& entry, int modifiedRow) const
{
    if (entry.item.empty())
        return Message{"Please enter an item description or press Cancel", "Oops", MessageIcon::None,
                       MessageButtons::Ok};
    const auto record = recordFrom(entry, nullptr);
    if (!record)
        return weightTooLarge();
    if (modifiedRow >= 0 && modifiedRow < rowCount() && isMemberRow(modifiedRow) &&
        !fitsWeight(groupSumWith(modifiedRow, readWeight(fieldText(record->weight)))))
        return groupWeightTooLarge();
    if (entry.unitWeight.empty())
        return Message{"Are you sure you want to continue with no weight specified?", "No Weight",
                       MessageIcon::Question, MessageButtons::YesNo};
    return std::nullopt;
}

std::optional<Message> GearRows::addItem(const ItemEntry& entry, AddSource source)
{
    if (auto refused = changeRefusal())
        return refused;
    auto record = recordFrom(entry, nullptr);
    if (!record)
        return weightTooLarge();
    const std::size_t columns = currentSettings.userColumns.size();
    if (columns > 0 || source == AddSource::EditorButton) {
        std::vector<std::string> texts = entry.columnTexts;
        texts.resize(columns);
        record->columnTexts = textListOf(texts);
    }
    sortAsBox(categoryList);
    insertItemSorted(std::move(record));
    if (source == AddSource::Command && sortedByOther) {
        sortDirections[2] ^= 1;
        sortByColumn(2);
    }
    updateTotal();
    updateControlStates();
    notifyStates();
    return std::nullopt;
}

std::optional<Message> GearRows::modifyItem(int row, const ItemEntry& entry)
{
    if (auto refused = changeRefusal())
        return refused;
    if (row < 0 || row >= rowCount() || isGroupRow(row))
        return std::nullopt;
    if (auto problem = entryProblem(entry, row); problem && problem->buttons == MessageButtons::Ok)
        return problem;
    auto edited = recordFrom(entry, rows[row].record.get());
    const std::size_t columns = currentSettings.userColumns.size();
    if (edited->columnTexts || columns > 0) {
        if (!edited->columnTexts)
            edited->columnTexts = std::make_unique<OwningList<std::string>>();
        for (std::size_t i = 0; i < columns; ++i) {
            const std::string slot = i < entry.columnTexts.size() ? entry.columnTexts[i] : std::string();
            auto text = std::make_unique<std::string>(slot);
            const auto position = static_cast<int32_t>(i) + 1;
            if (position <= edited->columnTexts->count())
                edited->columnTexts->replaceAt(position, text);
            else
                edited->columnTexts->add(std::move(text));
        }
    }
    sortAsBox(categoryList);

    if (isMemberRow(row)) {
        const int groupRow = groupRowOf(row);
        GearRecord* member = memberAt(*rows[groupRow].record, row - groupRow);
        if (member) {
            auto replacement = std::make_unique<GearRecord>(*edited);
            replacement->isMember = 1;
            replacement->parent = rows[groupRow].record.get();
            replacement->checked = member->checked;
            // The member keeps its node, so its walk position and so its row stay where they were.
            OwningList<GearRecord>& members = *rows[groupRow].record->members;
            members.replaceAt(members.count() - (row - groupRow) + 1, replacement);
            refreshGroup(groupRow);
            collapse(groupRow);
            expand(groupRow);
        }
    } else {
        edited->checked = rows[row].checked ? 1 : 0;
        removeRows(row, 1);
        insertItemSorted(std::move(edited));
    }
    updateTotal();
    updateControlStates();
    notifyStates();
    return std::nullopt;
}

Message GearRows::deleteQuestion(const std::vector<int>& highlighted) const
{
    if (auto refused = changeRefusal())
        return *refused;
    if (highlighted.empty())
        return oops("Nothing Selected!");
    if (highlighted.size() == 1 && highlighted.front() >= 0 && highlighted.front() < rowCount())
        return Message{"Are you sure you want to delete\r\n" +
                           toUtf8(fieldText(rows[highlighted.front()].record->item)) + "?",
                       "Confirm Delete", MessageIcon::Question, MessageButtons::YesNo};
    return Message{"Are you sure you want to delete these items?", "Confirm Delete", MessageIcon::Question,
                   MessageButtons::YesNo};
}

int GearRows::deleteRows(const std::vector<int>& highlighted)
{
    if (changeRefusal())
        return -1;
    std::vector<int> targets;
    for (int row : highlighted) {
        if (row >= 0 && row < rowCount())
            targets.push_back(row);
    }
    std::sort(targets.begin(), targets.end());
    targets.erase(std::unique(targets.begin(), targets.end()), targets.end());
    if (targets.empty())
        return -1;

    // Work out every effect on the records first, top to bottom as the rows were when "Yes" was
    // answered, then take the rows out in one go.
    std::vector<char> dies(rows.size(), 0);
    std::vector<int> detachedFrom(rows.size(), 0);
    std::vector<int> touchedGroups;
    for (int row : targets) {
        if (dies[row])
            continue;
        GearRecord& r = *rows[row].record;
        dies[row] = 1;
        if (r.isGroup()) {
            dissolve(r);
            for (int i = row + 1; i < rowCount() && rows[i].record->isMember && rows[i].record->parent == &r; ++i)
                dies[i] = 1;
        } else if (r.isMember) {
            const int groupRow = groupRowOf(row);
            if (groupRow < 0 || dies[groupRow])
                continue;
            GearRecord& group = *rows[groupRow].record;
            const int walkPosition = row - groupRow - detachedFrom[groupRow];
            group.members->removeAt(group.members->count() - walkPosition + 1);
            ++detachedFrom[groupRow];
            if (group.members->count() == 0) {
                dissolve(group);
                dies[groupRow] = 1;
            } else {
                touchedGroups.push_back(groupRow);
            }
        }
    }
    for (int groupRow : touchedGroups) {
        if (!dies[groupRow])
            refreshGroup(groupRow);
    }

    const int firstDeleted = targets.front();
    std::vector<std::pair<int, int>> runs; // first row and length, top to bottom
    for (int i = 0; i < rowCount(); ++i) {
        if (!dies[i])
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == i)
            ++runs.back().second;
        else
            runs.emplace_back(i, 1);
    }
    if (runs.size() <= 8) {
        for (auto it = runs.rbegin(); it != runs.rend(); ++it)
            removeRows(it->first, it->second);
    } else {
        beginReset();
        std::vector<Row> kept;
        kept.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (!dies[i])
                kept.push_back(std::move(rows[i]));
        }
        rows = std::move(kept);
        endReset();
    }
    for (int groupRow : touchedGroups)
        notifyChanged(groupRow);

    updateTotal(true);
    updateControlStates();
    notifyStates();
    if (targets.size() > 1 || rows.empty())
        return -1;
    return std::min(firstDeleted, rowCount() - 1);
}

std::optional<Message> GearRows::convert()
{
    if (hidingNonSelected)
        return Message{"Please uncheck the \"Hide Non-Selected Items\" checkbox before converting", "Important!",
                       MessageIcon::Exclamation, MessageButtons::Ok};
    if (hidingSelected)
        return Message{"Please select the \"Show Selected\" menu item before converting", "Important!",
                       MessageIcon::Exclamation, MessageButtons::Ok};
    const bool toGrams = !currentSettings.metric;

    // Every new text must fit before anything changes.
    std::vector<std::optional<ConvertedGroup>> groups(rows.size());
    std::vector<std::optional<ConvertedWeights>> items(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const GearRecord& r = *rows[i].record;
        const bool fits = r.isGroup() ? (groups[i] = convertGroup(r, toGrams)).has_value()
                                      : (items[i] = convertItem(r, toGrams)).has_value();
        if (!fits)
            return Message{"Some weights would be too large after converting. Nothing was converted.", "Important!",
                           MessageIcon::Exclamation, MessageButtons::Ok};
    }

    beginReset();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        GearRecord& r = *rows[i].record;
        if (r.isGroup()) {
            std::size_t k = 0;
            r.members->forEach([&](GearRecord& member) {
                setFieldText(member.unitWeight, groups[i]->members[k].unitWeight);
                setFieldText(member.weight, groups[i]->members[k++].weight);
            });
            setFieldText(r.groupWeight, groups[i]->groupWeight);
        } else {
            setFieldText(r.unitWeight, items[i]->unitWeight);
            setFieldText(r.weight, items[i]->weight);
        }
        refreshWeight(rows[i]);
    }
    currentSettings.metric = toGrams;
    layout.columns[2].heading = weightHeading(toGrams);
    endReset();

    const bool anyChecked =
        std::any_of(rows.begin(), rows.end(), [](const Row& row) { return row.checked && !row.record->isMember; });
    if (anyChecked) {
        updateTotal(true);
    } else {
        updateTotal();
        totalText = zeroTotalLine(toGrams);
    }
    notifyStates();
    return std::nullopt;
}

// --- Categories -----------------------------------------------------------------------------------

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

void GearRows::renameCategory(const std::string& oldName, const std::string& newName)
{
    if (changeRefusal())
        return;
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
}

void GearRows::setCategories(std::vector<std::string> names)
{
    if (changeRefusal())
        return;
    categoryList = std::move(names);
    notifyStates();
}

// --- Columns --------------------------------------------------------------------------------------

void GearRows::syncUserColumns()
{
    for (std::size_t k = 0; k < currentSettings.userColumns.size(); ++k)
        currentSettings.userColumns[k].subItem = fixedColumnCount + static_cast<int32_t>(k);
}

void GearRows::addColumn(const std::string& heading, ColumnFormat format)
{
    if (changeRefusal() || static_cast<int>(currentSettings.userColumns.size()) >= maxUserColumns)
        return;
    beginReset();
    currentSettings.userColumns.push_back(UserColumn{heading.substr(0, 40), format, 0});
    syncUserColumns();
    layout.columns.push_back(ListColumn{heading.substr(0, 40), format, clientWidth / 4});
    if (!layout.order.empty())
        layout.order.push_back(columnCount() - 1);
    endReset();
    notifyStates();
}

void GearRows::deleteColumns(std::vector<int> userColumns)
{
    if (changeRefusal())
        return;
    std::sort(userColumns.begin(), userColumns.end());
    userColumns.erase(std::unique(userColumns.begin(), userColumns.end()), userColumns.end());
    userColumns.erase(
        std::remove_if(userColumns.begin(), userColumns.end(),
                       [&](int k) { return k < 0 || k >= static_cast<int>(currentSettings.userColumns.size()); }),
        userColumns.end());
    if (userColumns.empty())
        return;
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
}

void GearRows::modifyColumn(int userColumn, const std::string& heading, ColumnFormat format)
{
    if (changeRefusal() || userColumn < 0 || userColumn >= static_cast<int>(currentSettings.userColumns.size()))
        return;
    beginReset();
    currentSettings.userColumns[userColumn].heading = heading.substr(0, 40);
    currentSettings.userColumns[userColumn].format = format;
    layout.columns[fixedColumnCount + userColumn].heading = heading.substr(0, 40);
    layout.columns[fixedColumnCount + userColumn].format = format;
    endReset();
    notifyStates();
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
