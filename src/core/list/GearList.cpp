#include "core/list/GearList.h"

#include "core/files/DataFile.h"
#include "core/list/GearListChange.h"
#include "core/list/GearListHistory.h"
#include "core/list/InsertionOrder.h"
#include "core/list/ListMessages.h"
#include "core/list/WeightUnits.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace cairnly {

using namespace listmessages;

GearList::GearList() : totalText(cairnly::totalLine(0.0f, false)), history(std::make_unique<History>())
{
    layout = columnLayout(Settings{}, clientWidth);
}

GearList::~GearList() = default;

void GearList::setObserver(GearListObserver* newObserver)
{
    observer = newObserver;
}

void GearList::setChangeListener(std::function<void()> listener)
{
    changeListener = std::move(listener);
}

void GearList::setDisplayLock(DisplayLock* lock)
{
    displayLock = lock;
}

// --- Reading --------------------------------------------------------------------------------------

RowKind GearList::kind(int row) const
{
    const GearRecord& r = *rows[row].record;
    if (r.isGroup())
        return RowKind::Group;
    return r.isMember ? RowKind::Member : RowKind::Item;
}

bool GearList::isChecked(int row) const
{
    return isMemberRow(row) || rows[row].checked;
}

const GearRecord& GearList::record(int row) const
{
    return *rows[row].record;
}

bool GearList::showsCategory(int row) const
{
    if (categoryRuleStale) {
        firstRowOfCategoryKey.assign(categoryKeys.size(), -1);
        for (int i = 0; i < rowCount(); ++i) {
            int& first = firstRowOfCategoryKey[static_cast<std::size_t>(rows[i].categoryKey)];
            if (first < 0)
                first = i;
        }
        categoryRuleStale = false;
    }
    return firstRowOfCategoryKey[static_cast<std::size_t>(rows[row].categoryKey)] == row;
}

std::string GearList::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    const GearRecord& r = *rows[row].record;
    switch (column) {
    case 0:
        return sortedByOther || showsCategory(row) ? std::string(fieldText(r.category)) : std::string();
    case 1:
        if (r.isGroup())
            return std::string(r.expanded ? fieldText(r.expandedLabel) : fieldText(r.collapsedLabel));
        return std::string(fieldText(r.item));
    case 2:
        return std::string(r.isGroup() ? fieldText(r.groupWeight) : fieldText(r.weight));
    case 3:
        return std::string(fieldText(r.notes));
    default: {
        const std::string* text = r.columnTexts ? r.columnTexts->get(column - 3) : nullptr;
        return text ? *text : std::string();
    }
    }
}

std::vector<std::string> GearList::columnHeadings() const
{
    std::vector<std::string> headings;
    for (const UserColumn& column : columnDefinitions)
        headings.push_back(column.heading);
    return headings;
}

uint8_t GearList::sortDirection(int column) const
{
    return column >= 0 && column < columnWidthSlots ? sortDirections[column] : 0;
}

bool GearList::anyUnticked() const
{
    for (int i = 0; i < rowCount(); ++i) {
        if (!isChecked(i))
            return true;
    }
    return false;
}

bool GearList::anyGroup() const
{
    return std::any_of(rows.begin(), rows.end(), [](const Row& row) { return row.record->isGroup(); });
}

std::vector<const GearRecord*> GearList::topLevelRecords() const
{
    std::vector<const GearRecord*> topLevel;
    topLevel.reserve(rows.size());
    for (const Row& row : rows) {
        if (row.member)
            continue;
        row.record->checked = row.checked ? 1 : 0;
        topLevel.push_back(row.record.get());
    }
    return topLevel;
}

std::optional<Message> GearList::changeRefusal(const char* action) const
{
    if (hidden.nonSelected)
        return important(std::string("Please uncheck the \"Hide Non-Selected Items\" checkbox before ") + action);
    if (hidden.selected)
        return important(std::string("Please select the \"Show Selected\" menu item before ") + action);
    return std::nullopt;
}

// --- The changing functions -----------------------------------------------------------------------

GearList::Row GearList::makeRow(std::unique_ptr<GearRecord> record, bool checked)
{
    Row row;
    const GearRecord& r = *record;
    row.weight = readWeight(r.isGroup() ? fieldText(r.groupWeight) : fieldText(r.weight));
    row.categoryKey = categoryKeyOf(fieldText(r.category));
    row.checked = checked;
    row.member = r.isMember != 0;
    row.record = std::move(record);
    return row;
}

int GearList::categoryKeyOf(std::string_view category)
{
    const auto [entry, added] = categoryKeys.try_emplace(foldText(category), static_cast<int>(categoryKeys.size()));
    return entry->second;
}

void GearList::notifyChanged(int first, int last)
{
    if (observer && !resetting && first <= last && first < rowCount())
        observer->rowsChanged(first, std::min(last, rowCount() - 1));
}

void GearList::insertRows(int position, std::vector<Row> newRows)
{
    if (newRows.empty())
        return;
    const int count = static_cast<int>(newRows.size());
    if (Step* step = recordingStep())
        step->entries.emplace_back(Entry::Kind::Inserted, position, count);
    const bool notify = observer && !resetting;
    if (notify)
        observer->rowsAboutToBeInserted(position, position + count - 1);
    rows.insert(rows.begin() + position, std::make_move_iterator(newRows.begin()),
                std::make_move_iterator(newRows.end()));
    categoryRuleStale = true;
    if (notify)
        observer->rowsInserted();
    // The rows below change colour, and one of them may stop or start showing its category.
    notifyChanged(position + count, rowCount() - 1);
}

void GearList::takeRows(int first, int count)
{
    if (count <= 0)
        return;
    const bool notify = observer && !resetting;
    if (notify)
        observer->rowsAboutToBeRemoved(first, first + count - 1);
    const auto begin = rows.begin() + first;
    if (Step* step = recordingStep()) {
        Entry entry{Entry::Kind::Removed, first};
        entry.rows.assign(std::make_move_iterator(begin), std::make_move_iterator(begin + count));
        step->entries.push_back(std::move(entry));
    }
    rows.erase(begin, begin + count);
    categoryRuleStale = true;
    if (notify)
        observer->rowsRemoved();
    notifyChanged(first, rowCount() - 1);
}

void GearList::replaceRecord(int row, std::unique_ptr<GearRecord> record)
{
    const int oldKey = rows[row].categoryKey;
    const GearRecord* old = rows[row].record.get();
    Row replacement = makeRow(std::move(record), rows[row].checked);
    std::swap(rows[row], replacement);
    if (Step* step = recordingStep()) {
        Entry entry{Entry::Kind::Replaced, row};
        entry.rows.push_back(std::move(replacement));
        step->entries.push_back(std::move(entry));
    }
    repointMembers(row, old);
    if (rows[row].categoryKey != oldKey) {
        categoryRuleStale = true;
        notifyChanged(row, rowCount() - 1);
    } else {
        notifyChanged(row, row);
    }
}

// The member rows shown under a group belong to its record in the row now.
void GearList::repointMembers(int groupRow, const GearRecord* old)
{
    GearRecord* group = rows[groupRow].record.get();
    for (int i = groupRow + 1; i < rowCount() && rows[i].record->isMember && rows[i].record->parent == old; ++i)
        rows[i].record->parent = group;
}

std::pair<std::vector<int>, std::vector<GearList::Row>> GearList::rebuild(const std::vector<int>& sources,
                                                                          std::vector<Row> added)
{
    // The inverse names, for each place the rows had, where that row went; the rows that went and the
    // added ones are what the other way takes out and adds back.
    std::vector<int> inverse(rows.size(), -1);
    std::vector<Row> rebuilt;
    rebuilt.reserve(sources.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (sources[i] >= 0) {
            inverse[static_cast<std::size_t>(sources[i])] = static_cast<int>(i);
            rebuilt.push_back(std::move(rows[static_cast<std::size_t>(sources[i])]));
        } else {
            rebuilt.push_back(std::move(added[next++]));
        }
    }
    std::vector<Row> removed;
    for (std::size_t j = 0; j < inverse.size(); ++j) {
        if (inverse[j] < 0)
            removed.push_back(std::move(rows[j]));
    }
    rows = std::move(rebuilt);
    categoryRuleStale = true;
    return {std::move(inverse), std::move(removed)};
}

void GearList::rebuildRows(const std::vector<int>& sources, std::vector<Row> added)
{
    const bool notify = observer && !resetting;
    if (notify)
        observer->aboutToReset();
    auto [inverse, removed] = rebuild(sources, std::move(added));
    if (Step* step = recordingStep()) {
        Entry entry{Entry::Kind::Rebuilt};
        entry.sources = std::move(inverse);
        entry.rows = std::move(removed);
        step->entries.push_back(std::move(entry));
    }
    if (notify)
        observer->reset();
}

void GearList::setRowChecked(int row, bool checked)
{
    if (Step* step = recordingStep())
        step->entries.emplace_back(Entry::Kind::Ticked, row, 0, rows[row].checked);
    rows[row].checked = checked;
    notifyChanged(row, row);
}

void GearList::setTicks(std::vector<char> ticks)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool checked = ticks[i] != 0;
        ticks[i] = rows[i].checked ? 1 : 0;
        rows[i].checked = checked;
    }
    if (Step* step = recordingStep()) {
        Entry entry{Entry::Kind::Ticks};
        entry.ticks = std::move(ticks);
        step->entries.push_back(std::move(entry));
    }
    notifyChanged(0, rowCount() - 1);
}

void GearList::swapWeightTexts(std::vector<WeightTexts>& texts)
{
    auto swapField = [](auto& field, WeightTexts::Field& other) {
        std::swap_ranges(std::begin(field), std::end(field), other.begin());
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        GearRecord& r = *rows[i].record;
        WeightTexts& t = texts[i];
        swapField(r.unitWeight, t.unitWeight);
        swapField(r.weight, t.weight);
        swapField(r.groupWeight, t.groupWeight);
        if (r.isGroup()) {
            std::size_t k = 0;
            r.members->forEach([&](GearRecord& member) {
                swapField(member.unitWeight, t.members[k].first);
                swapField(member.weight, t.members[k++].second);
            });
        }
        rows[i].weight = readWeight(r.isGroup() ? fieldText(r.groupWeight) : fieldText(r.weight));
    }
}

void GearList::setWeightTexts(std::vector<WeightTexts> texts)
{
    swapWeightTexts(texts);
    if (Step* step = recordingStep()) {
        Entry entry(Entry::Kind::Weights);
        entry.weights = std::move(texts);
        step->entries.push_back(std::move(entry));
    }
    notifyChanged(0, rowCount() - 1);
}

void GearList::setExpanded(int groupRow, bool expanded)
{
    GearRecord& group = *rows[groupRow].record;
    if (Step* step = recordingStep())
        step->entries.emplace_back(Entry::Kind::Expanded, groupRow, 0, group.expanded != 0);
    group.expanded = expanded ? 1 : 0;
    notifyChanged(groupRow, groupRow);
}

// --- Totals -----------------------------------------------------------------------------------------

void GearList::updateTotal(bool rewriteLine)
{
    // Summed afresh in double and kept in single precision: the total is the sum of the ticked rows
    // whatever their order, never drifts, and is exactly 0 when nothing is ticked.
    double exact = 0.0;
    for (const Row& row : rows) {
        if (row.checked && !row.member)
            exact += row.weight;
    }
    const auto sum = static_cast<float>(exact);
    const bool changed = sum != total || std::signbit(sum) != std::signbit(total);
    total = sum;
    if (changed || rewriteLine)
        totalText = cairnly::totalLine(total, inGrams);
}

// --- Loading and the columns' layout --------------------------------------------------------------

void GearList::loadColumns(const Settings& settings)
{
    Change change(*this, Change::Reset);
    history->current.reset(); // columns laid out afresh are no step
    inGrams = settings.metric;
    columnDefinitions = settings.userColumns;
    layout = columnLayout(settings, clientWidth);
}

void GearList::storeColumns(Settings& settings) const
{
    settings.metric = inGrams;
    settings.userColumns = columnDefinitions;
    for (std::size_t i = 0; i < layout.columns.size() && i < columnWidthSlots; ++i)
        settings.columnWidths[i] = layout.columns[i].width;
    if (layout.order.empty()) {
        std::vector<int32_t> identity(layout.columns.size());
        std::iota(identity.begin(), identity.end(), 0);
        settings.columnOrder = identity;
    } else {
        settings.columnOrder = std::vector<int32_t>(layout.order.begin(), layout.order.end());
    }
}

void GearList::load(DataFileContents contents, HideModes modes)
{
    Change change(*this, Change::Reset);
    *history = History{};
    hidden = modes;
    categoryList = std::move(contents.categories);
    groupNameList = std::move(contents.groupNames);

    // Every row is new, so the numbering can start afresh.
    rows.clear();
    categoryKeys.clear();
    std::vector<AddOrderEntry<Row>> loaded;
    loaded.reserve(contents.records.size());
    // The rows are made in file order, while each record is still near the last in memory.
    for (auto& record : contents.records) {
        if ((modes.nonSelected && !record->checked) || (modes.selected && record->checked) ||
            (modes.any() && record->isMember))
            continue;
        // A top-level record is never a member row, and groups start collapsed.
        record->isMember = 0;
        record->expanded = 0;
        if (record->isGroup())
            updateGroupWeight(*record);
        const bool checked = record->checked != 0;
        const GearRecord& made = *record; // the row takes the pointer; the record stays where it is
        loaded.push_back(addOrderEntry(made, makeRow(std::move(record), checked)));
    }
    // Read in file order, placed as Add would place them.
    sortAsAddedOneByOne(loaded);
    rows.reserve(loaded.size());
    for (auto& entry : loaded)
        rows.push_back(std::move(entry.value));
    categoryRuleStale = true;
    modifyAfterSorting.reset();
    updateTotal(true);
}

void GearList::showPart(DataFileContents contents, HideModes modes)
{
    if (!wholeList) {
        wholeList =
            std::make_unique<SetAside>(SetAside{std::move(rows), std::move(categoryList), std::move(groupNameList),
                                                scalars(), std::move(categoryKeys), std::move(history)});
        history = std::make_unique<History>();
    }
    load(std::move(contents), modes);
}

void GearList::showWhole()
{
    if (!wholeList)
        return;
    Change change(*this, Change::Reset);
    SetAside whole = std::move(*wholeList);
    wholeList.reset();
    rows = std::move(whole.rows);
    categoryList = std::move(whole.categoryList);
    groupNameList = std::move(whole.groupNameList);
    swapScalars(whole.scalars);
    categoryKeys = std::move(whole.categoryKeys);
    history = std::move(whole.history);
    hidden = {};
    // Shown as a fresh load of the working file would show it: groups collapsed, in category and item
    // order, the equal ones in reverse. Recorded as a change of the view, so undo finds its rows again.
    beginStep("");
    setAllGroups(true);
    std::vector<AddOrderEntry<int>> keys;
    keys.reserve(rows.size());
    for (int i = 0; i < rowCount(); ++i)
        keys.push_back(addOrderEntry(*rows[i].record, i));
    sortAsAddedOneByOne(keys);
    std::vector<int> order;
    order.reserve(keys.size());
    for (const auto& key : keys)
        order.push_back(key.value);
    rebuildRows(order, {});
    updateTotal(true);
}

void GearList::setColumnWidth(int column, int width)
{
    if (column >= 0 && column < columnCount())
        layout.columns[column].width = std::clamp(width, 0, 10000);
}

void GearList::setColumnOrder(const std::vector<int>& order)
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

void GearList::widenColumns(int dx)
{
    if (columnCount() == 0)
        return;
    const int step = dx / columnCount();
    for (ListColumn& column : layout.columns)
        column.width = std::clamp(column.width + step, 0, 10000);
}

// --- Ticks ----------------------------------------------------------------------------------------

std::optional<Message> GearList::setChecked(int row, bool checked)
{
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    return setCheckedRows({row}, checked);
}

std::optional<Message> GearList::setCheckedRows(const std::vector<int>& rowsToSet, bool checked)
{
    std::vector<int> inList;
    for (const int row : rowsToSet) {
        if (row >= 0 && row < rowCount())
            inList.push_back(row);
    }
    const bool changes = std::any_of(inList.begin(), inList.end(), [&](int row) { return isChecked(row) != checked; });
    if (auto refused = changeRefusal(); refused || !changes) {
        for (const int row : inList)
            notifyChanged(row, row); // the boxes show their states again
        return refused;
    }
    Change change(*this, Change::Edit, checked ? "Tick" : "Untick");
    // As for one row: member rows only show checked again, and the total line is written afresh.
    for (const int row : inList) {
        if (isMemberRow(row))
            notifyChanged(row, row);
        else
            setRowChecked(row, checked);
    }
    updateTotal(true);
    return std::nullopt;
}

std::optional<Message> GearList::setAllChecked(bool checked)
{
    if (auto refused = changeRefusal())
        return refused;
    const bool changes =
        std::any_of(rows.begin(), rows.end(), [&](const Row& row) { return !row.member && row.checked != checked; });
    if (!changes)
        return std::nullopt;
    Change change(*this, Change::Edit, checked ? "Select All" : "Clear Selected");
    std::vector<char> ticks(rows.size(), checked ? 1 : 0);
    setTicks(std::move(ticks));
    updateTotal();
    return std::nullopt;
}

std::optional<Message> GearList::selectAll()
{
    return setAllChecked(true);
}

std::optional<Message> GearList::clearSelected()
{
    return setAllChecked(false);
}

} // namespace cairnly
