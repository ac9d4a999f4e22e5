#include "core/list/GearRows.h"

#include "core/list/GearRowsMessages.h"
#include "core/list/WeightUnits.h"
#include "core/settings/SettingsStore.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace fs = std::filesystem;

namespace cairnly {

using namespace rowmessages;

GearRows::GearRows(fs::path workingDirectory, fs::path currentDataFile, Settings settings)
    : workingFolder(std::move(workingDirectory)), dataFile(std::move(currentDataFile)),
      settingsPath(workingFolder / workingSettingsFileName), currentSettings(std::move(settings))
{
    totalText = cairnly::totalLine(0.0f, currentSettings.metric);
    layout = columnLayout(currentSettings, clientWidth);
    updateControlStates();
}

GearRows::~GearRows() = default;

void GearRows::setObserver(GearRowsObserver* newObserver)
{
    observer = newObserver;
}

// --- Reading the rows -----------------------------------------------------------------------------

RowKind GearRows::kind(int row) const
{
    const GearRecord& r = *rows[row].record;
    if (r.isGroup())
        return RowKind::Group;
    return r.isMember ? RowKind::Member : RowKind::Item;
}

bool GearRows::isChecked(int row) const
{
    return isMemberRow(row) || rows[row].checked;
}

const GearRecord& GearRows::record(int row) const
{
    return *rows[row].record;
}

bool GearRows::showsCategory(int row)
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

std::string GearRows::cellText(int row, int column)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    DisplayLock::Hold hold(displayLock);
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

ColorValue GearRows::cellColor(int row, int column) const
{
    if (column == 1 && (isGroupRow(row) || isMemberRow(row)))
        return currentSettings.groupColor;
    return row % 2 == 0 ? currentSettings.altColor : currentSettings.backColor;
}

uint8_t GearRows::sortDirection(int column) const
{
    return column >= 0 && column < columnWidthSlots ? sortDirections[column] : 0;
}

MenuStates GearRows::menuStates(int highlightedCount) const
{
    MenuStates states;
    states.remove = states.modify = highlightedCount > 0;
    states.save = states.saveAs = states.print = states.exportList = !rows.empty();
    states.clearSelected = buttonStates.clearSelected;
    states.hideSelected = hidingSelected || buttonStates.clearSelected;
    states.hideNonSelected = buttonStates.hideNonSelected;
    for (int i = 0; i < rowCount() && !(states.selectAll && states.expandAll); ++i) {
        states.selectAll = states.selectAll || !isChecked(i);
        states.expandAll = states.expandAll || isGroupRow(i);
    }
    states.collapseAll = states.expandAll;
    states.deleteColumn = states.modifyColumn = !currentSettings.userColumns.empty();
    return states;
}

const char* GearRows::hideNonSelectedMenuText() const
{
    return hidingNonSelected ? "Show &Non-Selected" : "Hide &Non-Selected";
}

const char* GearRows::hideSelectedMenuText() const
{
    return hidingSelected ? "S&how Selected" : "&Hide Selected";
}

fs::path GearRows::workingDataFile() const
{
    return workingFolder / "GearData.dat";
}

fs::path GearRows::applicationSettingsFile() const
{
    return workingFolder / "Cairnly.ini";
}

// --- Row mechanics --------------------------------------------------------------------------------

void GearRows::refreshWeight(Row& row)
{
    const GearRecord& r = *row.record;
    row.weight = readWeight(r.isGroup() ? fieldText(r.groupWeight) : fieldText(r.weight));
}

int GearRows::categoryKeyOfFolded(std::string folded)
{
    const auto [entry, added] = categoryKeys.try_emplace(std::move(folded), static_cast<int>(categoryKeys.size()));
    return entry->second;
}

// Every row's key must follow its record's category: rows are made through here and renames call it.
void GearRows::refreshCategoryKey(Row& row)
{
    row.categoryKey = categoryKeyOfFolded(foldText(fieldText(row.record->category)));
}

void GearRows::notifyChanged(int first)
{
    if (observer && first < rowCount())
        observer->rowsChanged(first, rowCount() - 1);
}

void GearRows::notifyStates()
{
    if (observer)
        observer->statesChanged();
}

void GearRows::beginReset()
{
    if (observer)
        observer->aboutToReset();
}

void GearRows::endReset()
{
    categoryRuleStale = true;
    if (observer)
        observer->reset();
}

void GearRows::insertRows(int position, std::vector<Row> newRows)
{
    if (newRows.empty())
        return;
    const int count = static_cast<int>(newRows.size());
    if (observer)
        observer->rowsAboutToBeInserted(position, position + count - 1);
    rows.insert(rows.begin() + position, std::make_move_iterator(newRows.begin()),
                std::make_move_iterator(newRows.end()));
    categoryRuleStale = true;
    if (observer)
        observer->rowsInserted();
    // The rows below change colour, and one of them may stop or start showing its category.
    notifyChanged(position + count);
}

void GearRows::removeRows(int first, int count)
{
    if (count <= 0)
        return;
    if (observer)
        observer->rowsAboutToBeRemoved(first, first + count - 1);
    rows.erase(rows.begin() + first, rows.begin() + first + count);
    categoryRuleStale = true;
    if (observer)
        observer->rowsRemoved();
    notifyChanged(first);
}

int GearRows::insertPosition(const GearRecord& record) const
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

int GearRows::insertItemSorted(std::unique_ptr<GearRecord> record)
{
    const int position = insertPosition(*record);
    Row row;
    row.checked = record->checked != 0;
    row.record = std::move(record);
    refreshWeight(row);
    refreshCategoryKey(row);
    std::vector<Row> one;
    one.push_back(std::move(row));
    insertRows(position, std::move(one));
    return position;
}

std::vector<GearRows::Row> GearRows::memberRowsOf(const GearRecord& group)
{
    std::vector<Row> memberRows;
    group.members->forEach([&](const GearRecord& member) {
        Row row;
        row.record = std::make_unique<GearRecord>(member);
        row.checked = true;
        refreshWeight(row);
        refreshCategoryKey(row);
        memberRows.push_back(std::move(row));
    });
    return memberRows;
}

void GearRows::expand(int groupRow)
{
    GearRecord& group = *rows[groupRow].record;
    group.expanded = 1;
    insertRows(groupRow + 1, memberRowsOf(group));
    notifyChanged(groupRow);
}

void GearRows::collapse(int groupRow)
{
    GearRecord* group = rows[groupRow].record.get();
    group->expanded = 0;
    // Only the rows that really belong to this group go, however many members it has now.
    int count = 0;
    while (groupRow + 1 + count < rowCount() && rows[groupRow + 1 + count].record->isMember &&
           rows[groupRow + 1 + count].record->parent == group)
        ++count;
    removeRows(groupRow + 1, count);
    notifyChanged(groupRow);
}

int GearRows::groupRowOf(int memberRow) const
{
    const GearRecord* group = rows[memberRow].record->parent;
    for (int i = memberRow - 1; i >= 0; --i) {
        if (rows[i].record.get() == group)
            return i;
    }
    return -1;
}

GearRecord* GearRows::memberAt(GearRecord& group, int walkPosition)
{
    GearRecord* member = group.members->first();
    for (int i = 1; member && i < walkPosition; ++i)
        member = group.members->next();
    return member;
}

void GearRows::refreshGroup(int groupRow)
{
    updateGroupWeight(*rows[groupRow].record);
    refreshWeight(rows[groupRow]);
}

// --- Totals and states ----------------------------------------------------------------------------

void GearRows::updateTotal(bool rewriteLine)
{
    // Summed afresh in double and kept in single precision: the total is the sum of the ticked rows
    // whatever their order, never drifts, and is exactly 0 when nothing is ticked.
    double exact = 0.0;
    for (const Row& row : rows) {
        if (row.checked && !row.record->isMember)
            exact += row.weight;
    }
    const auto sum = static_cast<float>(exact);
    const bool changed = sum != total || std::signbit(sum) != std::signbit(total);
    total = sum;
    if (changed || rewriteLine)
        totalText = cairnly::totalLine(total, currentSettings.metric);
    updateCheckDependentStates();
}

void GearRows::updateCheckDependentStates()
{
    buttonStates.clearSelected = static_cast<double>(total) >= smallestCheckedTotal;
    // While the mode is on its switch must stay reachable, or a list whose ticks all went would be
    // stuck in it.
    buttonStates.hideNonSelected = buttonStates.clearSelected || hidingNonSelected;
}

void GearRows::updateControlStates()
{
    const bool any = !rows.empty();
    buttonStates.remove = buttonStates.modify = buttonStates.print = buttonStates.totals = any;
    buttonStates.exportList = buttonStates.convert = any;
    updateCheckDependentStates();
}

// --- Files ----------------------------------------------------------------------------------------

void GearRows::applySettingsLayout()
{
    beginReset();
    layout = columnLayout(currentSettings, clientWidth);
    endReset();
    notifyStates();
}

void GearRows::insertContents(DataFileContents contents)
{
    categoryList = std::move(contents.categories);
    groupNameList = std::move(contents.groupNames);
    const bool hiding = hidingNonSelected || hidingSelected;

    struct Loaded
    {
        std::string category;
        std::string item;
        Row row;
    };
    std::vector<Loaded> loaded;
    loaded.reserve(contents.records.size());
    for (auto& record : contents.records) {
        if ((hidingNonSelected && !record->checked) || (hidingSelected && record->checked) ||
            (hiding && record->isMember))
            continue;
        // A top-level record is never a member row, and groups start collapsed.
        record->isMember = 0;
        record->expanded = 0;
        if (record->isGroup())
            updateGroupWeight(*record);
        Loaded entry{foldText(fieldText(record->category)), foldText(fieldText(record->item)), Row{}};
        entry.row.checked = record->checked != 0;
        entry.row.record = std::move(record);
        refreshWeight(entry.row);
        loaded.push_back(std::move(entry));
    }
    // Inserting one record after another in category and item order places a record before the equal
    // ones already there: the same as a stable sort of the records in reverse file order.
    std::reverse(loaded.begin(), loaded.end());
    std::stable_sort(loaded.begin(), loaded.end(), [](const Loaded& a, const Loaded& b) {
        if (const int c = a.category.compare(b.category))
            return c < 0;
        return a.item < b.item;
    });
    rows.clear();
    rows.reserve(loaded.size());
    // Every row is new, so the numbering can start afresh.
    categoryKeys.clear();
    for (Loaded& entry : loaded) {
        entry.row.categoryKey = categoryKeyOfFolded(std::move(entry.category));
        rows.push_back(std::move(entry.row));
    }
}

void GearRows::loadData(DataFileContents contents)
{
    beginReset();
    insertContents(std::move(contents));
    endReset();
    updateTotal(true);
    updateControlStates();
    notifyStates();
}

// The reader's messages, and what its outcome means for a later write over the file, which the list
// then stands for.
std::vector<Message> GearRows::guardAfterReading(const fs::path& file, const DataFileContents& contents)
{
    std::vector<Message> messages = contents.messages;
    switch (contents.outcome) {
    case DataFileContents::Outcome::Unreadable:
        overwriteGuard.neverOverwrite(file, contents.readError);
        break;
    case DataFileContents::Outcome::Refused:
        messages.push_back(overwriteGuard.keepBeforeOverwriting(file, std::nullopt));
        break;
    case DataFileContents::Outcome::Read:
        if (contents.damaged)
            messages.push_back(overwriteGuard.keepBeforeOverwriting(file, contents.records.size()));
        else
            overwriteGuard.readWhole(file);
        break;
    case DataFileContents::Outcome::Missing:
        break;
    }
    return messages;
}

std::vector<Message> GearRows::loadWorkingFile()
{
    const fs::path file = workingDataFile();
    DataFileContents contents = readDataFile(file);
    std::vector<Message> messages = guardAfterReading(file, contents);
    loadData(std::move(contents));
    return messages;
}

WriteReport GearRows::write(const std::optional<fs::path>& target)
{
    WriteReport report;
    auto fail = [&report](Message message) {
        report.messages.push_back(std::move(message));
        report.failed = true;
    };
    const fs::path appSettingsFile = applicationSettingsFile();
    if (!pathToProfileText(dataFile))
        report.messages.push_back(notice(unrecordablePathText(pathText(dataFile))));
    if (const auto error = recordLastFile(appSettingsFile, dataFile))
        fail(writeError(settingsWriteFailureText(appSettingsFile, *error)));
    const fs::path file = target ? *target : workingDataFile();

    for (std::size_t i = 0; i < layout.columns.size() && i < columnWidthSlots; ++i)
        currentSettings.columnWidths[i] = layout.columns[i].width;
    if (layout.order.empty()) {
        std::vector<int32_t> identity(layout.columns.size());
        std::iota(identity.begin(), identity.end(), 0);
        currentSettings.columnOrder = identity;
    } else {
        currentSettings.columnOrder = std::vector<int32_t>(layout.order.begin(), layout.order.end());
    }
    const fs::path settingsFile = settingsFileFor(file);
    std::vector<std::string> unrecordedPaths;
    const auto settingsError = saveSettings(settingsFile, currentSettings, &unrecordedPaths);
    for (const std::string& path : unrecordedPaths)
        report.messages.push_back(notice(unrecordablePathText(path)));
    if (settingsError)
        fail(writeError(settingsWriteFailureText(settingsFile, *settingsError)));

    std::vector<const GearRecord*> topLevel;
    topLevel.reserve(rows.size());
    for (Row& row : rows) {
        if (row.record->isMember)
            continue;
        row.record->checked = row.checked ? 1 : 0;
        topLevel.push_back(row.record.get());
    }
    if (!overwriteGuard.beforeWrite(file, report.messages)) {
        report.failed = true;
        return report;
    }
    if (const auto error = writeDataFile(file, categoryList, topLevel)) {
        fail(writeError(*error));
        return report;
    }
    report.listWritten = true;
    return report;
}

void GearRows::setExportSettings(const std::array<fs::path, 4>& paths, bool includeNotes)
{
    currentSettings.exportPaths = paths;
    currentSettings.exportNotes = includeNotes ? 1 : 0;
}

std::optional<Message> GearRows::refusal(const char* action) const
{
    if (hidingNonSelected)
        return important(std::string("Please uncheck the \"Hide Non-Selected Items\" checkbox before ") + action);
    if (hidingSelected)
        return important(std::string("Please select the \"Show Selected\" menu item before ") + action);
    return std::nullopt;
}

std::optional<Message> GearRows::changeRefusal() const
{
    return refusal("changing the list");
}

std::optional<Message> GearRows::saveRefusal() const
{
    return refusal("saving");
}

std::optional<Message> GearRows::closeRefusal() const
{
    return refusal("closing");
}

std::vector<Message> GearRows::reloadFrom(const fs::path& file, DataFileContents contents)
{
    dataFile = file;
    settingsPath = settingsFileFor(file);
    std::vector<Message> messages;
    if (loadSettings(settingsPath, currentSettings))
        messages.push_back(unableToOpen(settingsPath));
    layout = columnLayout(currentSettings, clientWidth);
    for (Message& message : guardAfterReading(file, contents))
        messages.push_back(std::move(message));
    loadData(std::move(contents));
    return messages;
}

std::vector<Message> GearRows::openFile(const fs::path& file)
{
    if (auto refused = refusal("opening a file"))
        return {*refused};
    std::error_code ec;
    if (!fs::exists(file, ec))
        return {Message{pathText(file), "File Does Not Exist!", MessageIcon::Exclamation, MessageButtons::Ok}};
    DataFileContents contents = readDataFile(file);
    if (contents.outcome == DataFileContents::Outcome::Missing)
        return {Message{pathText(file), "File Does Not Exist!", MessageIcon::Exclamation, MessageButtons::Ok}};
    if (contents.outcome != DataFileContents::Outcome::Read)
        return contents.messages;
    return reloadFrom(file, std::move(contents));
}

std::vector<Message> GearRows::saveAs(const fs::path& file)
{
    if (auto refused = saveRefusal())
        return {*refused};
    const fs::path previous = dataFile;
    dataFile = file;
    WriteReport report = write(file);
    if (!report.listWritten) {
        dataFile = previous;
        return std::move(report.messages);
    }
    for (Message& message : reloadFrom(file, readDataFile(file)))
        report.messages.push_back(std::move(message));
    return std::move(report.messages);
}

std::vector<Message> GearRows::switchHideMode(bool& mode, bool on, bool otherMode)
{
    if (on == mode)
        return {};
    std::vector<Message> messages;
    if (on && !otherMode) {
        WriteReport report = write();
        messages = std::move(report.messages);
        if (!report.listWritten)
            return messages;
    }
    mode = on;
    for (Message& message : loadWorkingFile())
        messages.push_back(std::move(message));
    return messages;
}

std::vector<Message> GearRows::setHideNonSelected(bool on)
{
    return switchHideMode(hidingNonSelected, on, hidingSelected);
}

std::vector<Message> GearRows::setHideSelected(bool on)
{
    return switchHideMode(hidingSelected, on, hidingNonSelected);
}

// --- Ticks ----------------------------------------------------------------------------------------

std::optional<Message> GearRows::setChecked(int row, bool checked)
{
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    if (auto refused = changeRefusal()) {
        if (observer)
            observer->rowsChanged(row, row);
        return refused;
    }
    if (isChecked(row) == checked) {
        if (observer)
            observer->rowsChanged(row, row);
        return std::nullopt;
    }
    // A member row's box carries no weight and always shows checked again; but every change of a tick
    // writes the total line afresh, in the normal format.
    if (!isMemberRow(row))
        rows[row].checked = checked;
    updateTotal(true);
    if (observer)
        observer->rowsChanged(row, row);
    notifyStates();
    return std::nullopt;
}

std::optional<Message> GearRows::setAllChecked(bool checked)
{
    if (auto refused = changeRefusal())
        return refused;
    for (Row& row : rows) {
        if (!row.record->isMember)
            row.checked = checked;
    }
    updateTotal();
    notifyChanged(0);
    notifyStates();
    return std::nullopt;
}

std::optional<Message> GearRows::selectAll()
{
    return setAllChecked(true);
}

std::optional<Message> GearRows::clearSelected()
{
    return setAllChecked(false);
}

} // namespace cairnly
