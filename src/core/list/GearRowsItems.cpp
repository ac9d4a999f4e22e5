#include "core/list/GearRows.h"

#include "core/list/GearRowsMessages.h"
#include "core/list/WeightUnits.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"

#include <algorithm>

namespace cairnly {

using namespace rowmessages;
namespace {

std::unique_ptr<OwningList<std::string>> textListOf(const std::vector<std::string>& texts)
{
    auto list = std::make_unique<OwningList<std::string>>();
    for (const std::string& text : texts)
        list->add(std::make_unique<std::string>(text));
    return list;
}
} // namespace

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
    sortInBoxOrder(setup.categories);
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
    sortInBoxOrder(setup.categories);
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
    sortInBoxOrder(categoryList);
    insertItemSorted(std::move(record));
    finishAdding(source == AddSource::Command);
    return std::nullopt;
}

void GearRows::finishAdding(bool sortAgain)
{
    if (sortAgain && sortedByOther) {
        // Sorting flips the column's direction, so flip it first to keep the one the list had.
        sortDirections[2] ^= 1;
        sortByColumn(2);
    }
    updateTotal();
    updateControlStates();
    notifyStates();
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
    sortInBoxOrder(categoryList);

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

} // namespace cairnly
