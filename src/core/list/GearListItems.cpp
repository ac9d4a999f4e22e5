#include "core/list/GearList.h"

#include "core/list/ColumnMarks.h"
#include "core/list/GearListChange.h"
#include "core/list/InsertionOrder.h"
#include "core/list/ListMessages.h"
#include "core/list/WeightUnits.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_set>

namespace cairnly {

using namespace listmessages;
namespace {

std::unique_ptr<OwningList<std::string>> textListOf(const std::vector<std::string>& texts)
{
    auto list = std::make_unique<OwningList<std::string>>();
    for (const std::string& text : texts)
        list->add(std::make_unique<std::string>(text));
    return list;
}

// The member at a walk position counted from 1, as a member row under its group shows it.
const GearRecord* memberAt(const GearRecord& group, int walkPosition)
{
    const GearRecord* found = nullptr;
    int position = 0;
    group.members->forEach([&](const GearRecord& member) {
        if (++position == walkPosition)
            found = &member;
    });
    return found;
}

} // namespace

int GearList::insertPosition(const GearRecord& record) const
{
    // Member rows never count: a row placed before a top-level row can never split a group from the
    // member rows shown beneath it.
    const std::string_view category = fieldText(record.category);
    const int n = rowCount();
    int block = -1;
    for (int i = 0; i < n && block < 0; ++i) {
        if (!isMemberRow(i) && equalsNoCase(fieldText(rows[i].record->category), category))
            block = i;
    }
    if (block < 0) {
        for (int i = 0; i < n; ++i) {
            if (!isMemberRow(i) && compareNoCase(fieldText(rows[i].record->category), category) >= 0)
                return i;
        }
        return n;
    }
    const std::string_view item = fieldText(record.item);
    for (int i = block; i < n; ++i) {
        if (isMemberRow(i))
            continue;
        const GearRecord& r = *rows[i].record;
        if (!equalsNoCase(fieldText(r.category), category) || compareNoCase(fieldText(r.item), item) >= 0)
            return i;
    }
    return n;
}

int GearList::insertItemSorted(std::unique_ptr<GearRecord> record)
{
    const int position = insertPosition(*record);
    const bool checked = record->checked != 0;
    std::vector<Row> one;
    one.push_back(makeRow(std::move(record), checked));
    insertRows(position, std::move(one));
    return position;
}

std::variant<Message, ItemEditorSetup> GearList::addSetup() const
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

std::variant<Message, ItemEditorSetup> GearList::modifySetup(const std::vector<int>& highlighted) const
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
    const GearRecord& r = *rows[row].record;
    if (r.isGroup())
        return Message{"Groups may not be modified.", applicationName, MessageIcon::Information, MessageButtons::Ok};

    ItemEditorSetup setup;
    setup.categories = categoryList;
    // An item keeps a category that has left the list: the box offers it as well, so an OK that changes
    // something else does not blank it.
    const std::string category(fieldText(r.category));
    if (!category.empty() && std::find(categoryList.begin(), categoryList.end(), category) == categoryList.end())
        setup.categories.push_back(category);
    sortInBoxOrder(setup.categories);
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
float GearList::groupSumWith(int memberRow, float newWeight) const
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

std::unique_ptr<GearRecord> GearList::recordFrom(const ItemEntry& entry, const GearRecord* base) const
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

std::optional<Message> GearList::entryProblem(const ItemEntry& entry, int modifiedRow) const
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

std::optional<Message> GearList::addItem(const ItemEntry& entry, AddSource source)
{
    if (auto refused = changeRefusal())
        return refused;
    auto record = recordFrom(entry, nullptr);
    if (!record)
        return weightTooLarge();
    Change change(*this, Change::Edit, "Add Item");
    const std::size_t columns = columnDefinitions.size();
    if (columns > 0 || source == AddSource::EditorButton) {
        std::vector<std::string> texts = entry.columnTexts;
        texts.resize(columns);
        record->columnTexts = textListOf(texts);
    }
    sortInBoxOrder(editCategories());
    insertItemSorted(std::move(record));
    finishAdding(source == AddSource::Command);
    return std::nullopt;
}

void GearList::finishAdding(bool sortAgain)
{
    if (sortAgain && sortedByOther) {
        // Sorting flips the column's direction, so flip it first to keep the one the list had.
        sortDirections[2] ^= 1;
        sortByColumn(2);
    }
    updateTotal();
    modifyAfterSorting.reset();
}

std::optional<Message> GearList::modifyItem(int row, const ItemEntry& entry)
{
    if (auto refused = changeRefusal())
        return refused;
    if (row < 0 || row >= rowCount() || isGroupRow(row))
        return std::nullopt;
    if (auto problem = entryProblem(entry, row); problem && problem->buttons == MessageButtons::Ok)
        return problem;
    Change change(*this, Change::Edit, "Modify Item");
    auto edited = recordFrom(entry, rows[row].record.get());
    const std::size_t columns = columnDefinitions.size();
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
    sortInBoxOrder(editCategories());

    if (isMemberRow(row)) {
        const int groupRow = groupRowOf(row);
        auto group = std::make_unique<GearRecord>(*rows[groupRow].record);
        if (const GearRecord* member = memberAt(*group, row - groupRow)) {
            auto replacement = std::make_unique<GearRecord>(*edited);
            replacement->isMember = 1;
            replacement->parent = group.get();
            replacement->checked = member->checked;
            // The member keeps its node, so its walk position and so its row stay where they were.
            OwningList<GearRecord>& members = *group->members;
            members.replaceAt(members.count() - (row - groupRow) + 1, replacement);
            updateGroupWeight(*group);
            replaceGroup(groupRow, std::move(group));
        }
    } else {
        edited->checked = rows[row].checked ? 1 : 0;
        takeRows(row, 1);
        insertItemSorted(std::move(edited));
    }
    updateTotal();
    modifyAfterSorting.reset();
    return std::nullopt;
}

Message GearList::deleteQuestion(const std::vector<int>& highlighted) const
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

int GearList::deleteRows(const std::vector<int>& highlighted)
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
    Change change(*this, Change::Edit, "Delete");

    // Work out every effect on the records first, top to bottom as the rows were when "Yes" was
    // answered, then take the rows out in one go. A group that loses members gets a new record.
    std::vector<char> dies(rows.size(), 0);
    std::vector<int> detachedFrom(rows.size(), 0);
    std::map<int, std::unique_ptr<GearRecord>> shrunkGroups;
    for (int row : targets) {
        if (dies[row])
            continue;
        const GearRecord& r = *rows[row].record;
        dies[row] = 1;
        if (r.isGroup()) {
            forgetGroupName(r);
            for (int i = row + 1; i < rowCount() && rows[i].record->isMember && rows[i].record->parent == &r; ++i)
                dies[i] = 1;
        } else if (r.isMember) {
            const int groupRow = groupRowOf(row);
            if (groupRow < 0 || dies[groupRow])
                continue;
            auto& group = shrunkGroups[groupRow];
            if (!group)
                group = std::make_unique<GearRecord>(*rows[groupRow].record);
            const int walkPosition = row - groupRow - detachedFrom[groupRow];
            group->members->removeAt(group->members->count() - walkPosition + 1);
            ++detachedFrom[groupRow];
            if (group->members->count() == 0) {
                forgetGroupName(*group);
                dies[groupRow] = 1;
            }
        }
    }
    for (auto& [groupRow, group] : shrunkGroups) {
        if (dies[groupRow])
            continue;
        updateGroupWeight(*group);
        replaceRecord(groupRow, std::move(group));
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
            takeRows(it->first, it->second);
    } else {
        std::vector<int> kept;
        kept.reserve(rows.size());
        for (int i = 0; i < rowCount(); ++i) {
            if (!dies[i])
                kept.push_back(i);
        }
        rebuildRows(kept, {});
    }

    updateTotal(true);
    modifyAfterSorting.reset();
    if (targets.size() > 1 || rows.empty())
        return -1;
    return std::min(firstDeleted, rowCount() - 1);
}

std::optional<Message> GearList::convert()
{
    if (auto refused = changeRefusal("converting"))
        return refused;
    const bool toGrams = !inGrams;

    // Every new text must fit before anything changes.
    std::vector<WeightTexts> converted(rows.size());
    auto fill = [](WeightTexts::Field& field, std::string_view text) {
        field.fill(0);
        std::copy_n(text.begin(), std::min(text.size(), field.size() - 1), field.begin());
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const GearRecord& r = *rows[i].record;
        WeightTexts& texts = converted[i];
        std::copy(std::begin(r.unitWeight), std::end(r.unitWeight), texts.unitWeight.begin());
        std::copy(std::begin(r.weight), std::end(r.weight), texts.weight.begin());
        std::copy(std::begin(r.groupWeight), std::end(r.groupWeight), texts.groupWeight.begin());
        bool fits = true;
        if (r.isGroup()) {
            if (const auto group = convertGroup(r, toGrams)) {
                for (const ConvertedWeights& member : group->members) {
                    texts.members.emplace_back();
                    fill(texts.members.back().first, member.unitWeight);
                    fill(texts.members.back().second, member.weight);
                }
                fill(texts.groupWeight, group->groupWeight);
            } else {
                fits = false;
            }
        } else if (const auto item = convertItem(r, toGrams)) {
            fill(texts.unitWeight, item->unitWeight);
            fill(texts.weight, item->weight);
        } else {
            fits = false;
        }
        if (!fits)
            return Message{"Some weights would be too large after converting. Nothing was converted.\r\nThe first "
                           "that would not fit is \"" +
                               toUtf8(fieldText(r.item)) + "\".",
                           "Important!", MessageIcon::Exclamation, MessageButtons::Ok};
    }

    Change change(*this, Change::Reset, "Convert");
    setWeightTexts(std::move(converted));
    editColumns();
    inGrams = toGrams;
    layout.columns[2].heading = weightHeading(toGrams);

    const bool anyChecked =
        std::any_of(rows.begin(), rows.end(), [](const Row& row) { return row.checked && !row.member; });
    if (anyChecked) {
        updateTotal(true);
    } else {
        updateTotal();
        totalText = zeroTotalLine(toGrams);
    }
    return std::nullopt;
}

std::optional<Message> GearList::addImported(std::vector<std::unique_ptr<GearRecord>> records,
                                             const std::vector<ImportedColumn>& texts)
{
    if (auto refused = changeRefusal())
        return refused;
    if (records.empty())
        return std::nullopt;
    Change change(*this, Change::Reset, "Import");

    std::vector<int> textColumns; // of each entry of texts, -1 when it brings nothing or there is no room
    for (const ImportedColumn& imported : texts) {
        int column = -1;
        if (std::any_of(imported.texts.begin(), imported.texts.end(), [](const auto& t) { return !t.empty(); })) {
            column = columnHeaded(columnDefinitions, imported.heading);
            if (column < 0 && !addColumnRefusal()) {
                addColumn(imported.heading, FormatLeft);
                column = static_cast<int>(columnDefinitions.size()) - 1;
            }
        }
        textColumns.push_back(column);
    }

    std::unordered_set<std::string> known(categoryList.begin(), categoryList.end());
    const std::size_t columns = columnDefinitions.size();
    std::vector<AddOrderEntry<Row>> added;
    added.reserve(records.size());
    for (std::size_t n = 0; n < records.size(); ++n) {
        auto& record = records[n];
        std::string category(fieldText(record->category));
        if (known.insert(category).second)
            editCategories().push_back(category);
        record->checked = 0;
        record->isMember = 0;
        if (columns > 0) {
            record->columnTexts = std::make_unique<OwningList<std::string>>();
            for (std::size_t i = 0; i < columns; ++i)
                record->columnTexts->add(std::make_unique<std::string>());
        }
        for (std::size_t t = 0; t < texts.size(); ++t) {
            if (textColumns[t] >= 0 && n < texts[t].texts.size() && !texts[t].texts[n].empty())
                setColumnText(*record, textColumns[t], texts[t].texts[n].substr(0, columnTextCapacity));
        }
        const GearRecord& made = *record; // the row takes the pointer; the record stays where it is
        added.push_back(addOrderEntry(made, makeRow(std::move(record), false)));
    }
    // Add puts a record before the equal ones already there, so of equal new records the last comes first.
    sortAsAddedOneByOne(added);

    // Merged in as Add places a record: before the first top-level row whose category and item are not
    // below its own; member rows stay under their group.
    std::vector<int> sources;
    std::vector<Row> addedRows;
    sources.reserve(rows.size() + added.size());
    addedRows.reserve(added.size());
    std::size_t next = 0;
    for (int i = 0; i < rowCount(); ++i) {
        if (!isMemberRow(i)) {
            const std::string category = foldText(fieldText(rows[i].record->category));
            const std::string item = foldText(fieldText(rows[i].record->item));
            while (next < added.size() &&
                   std::tie(added[next].category, added[next].item) <= std::tie(category, item)) {
                sources.push_back(-1);
                addedRows.push_back(std::move(added[next++].value));
            }
        }
        sources.push_back(i);
    }
    for (; next < added.size(); ++next) {
        sources.push_back(-1);
        addedRows.push_back(std::move(added[next].value));
    }
    rebuildRows(sources, std::move(addedRows));

    finishAdding(true);
    return std::nullopt;
}

} // namespace cairnly
