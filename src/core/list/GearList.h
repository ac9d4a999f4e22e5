#pragma once

#include "core/list/ListEntries.h"
#include "core/model/GearRecord.h"
#include "core/settings/ColumnLayout.h"
#include "core/settings/Settings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

namespace cairnly {

class DisplayLock;
struct DataFileContents;
enum class Mark;

// The Qt model learns of every change of the rows through this, so the view never keeps a copy of them.
class GearListObserver
{
public:
    virtual ~GearListObserver() = default;
    virtual void rowsAboutToBeInserted(int first, int last) = 0;
    virtual void rowsInserted() = 0;
    virtual void rowsAboutToBeRemoved(int first, int last) = 0;
    virtual void rowsRemoved() = 0;
    virtual void rowsChanged(int first, int last) = 0; // every cell of these rows
    virtual void aboutToReset() = 0;
    virtual void reset() = 0; // rows and columns may all be new
};

// The gear list in memory: the rows with their records and ticks, the groups, the categories, the user
// columns and their texts, the units, the sort, the total of the ticked rows and the history of changes.
// Every operation takes row indexes and answers with what the user must be shown. Every change of the rows
// goes through a few private functions (insertRows, takeRows, replaceRecord, rebuildRows, setRowChecked,
// setTicks, setExpanded, setWeightTexts) inside a Change: each records in the command's step what undoes
// it, and the change listener hears of the command once the outermost Change ends. A record is replaced
// rather than changed, so the step can keep the old one; only its weight texts and its expanded flag change
// in place, their old values kept in the step.
class GearList
{
    class Change; // one command's change of the list (GearListChange.h)

public:
    GearList();
    ~GearList();
    GearList(const GearList&) = delete;
    GearList& operator=(const GearList&) = delete;

    void setObserver(GearListObserver* observer);
    // Called once after every command that changed the list, a tick and an expanded group included.
    void setChangeListener(std::function<void()> listener);
    // Held while the members of every group are re-ordered after a sort by weight.
    void setDisplayLock(DisplayLock* lock);

    // --- Reading ------------------------------------------------------------------------------------
    int rowCount() const { return static_cast<int>(rows.size()); }
    int columnCount() const { return static_cast<int>(layout.columns.size()); }
    RowKind kind(int row) const;
    bool isChecked(int row) const; // member rows always show checked
    const GearRecord& record(int row) const;
    std::string cellText(int row, int column) const;
    const std::vector<std::string>& categories() const { return categoryList; }
    const std::vector<std::string>& groupNames() const { return groupNameList; }
    const std::vector<UserColumn>& userColumns() const { return columnDefinitions; }
    std::vector<std::string> columnHeadings() const;
    const ColumnLayout& columns() const { return layout; }
    bool metric() const { return inGrams; }
    float selectedTotal() const { return total; }
    const std::string& totalLine() const { return totalText; }
    bool otherSort() const { return sortedByOther; }
    uint8_t sortDirection(int column) const;
    // Modify as the last sort left it (off after a sort by weight or a user column), until the list is next
    // loaded, added to, modified or deleted from; empty then, when Modify follows whether there are rows.
    std::optional<bool> modifyAfterSort() const { return modifyAfterSorting; }
    const HideModes& hideModes() const { return hidden; }
    bool anyUnticked() const;
    bool anyGroup() const;
    // The top-level records in list order, their check bytes set from the ticks, as the data file holds them.
    std::vector<const GearRecord*> topLevelRecords() const;

    // --- Loading and the columns' layout ------------------------------------------------------------
    // The list's client width, from which new columns take a quarter.
    void setClientWidth(int width) { clientWidth = width; }
    // The units, the user columns and their layout from the settings.
    void loadColumns(const Settings& settings);
    // Puts the units, the user columns and their widths and order into the settings.
    void storeColumns(Settings& settings) const;
    // Replaces the rows with the file's records as the hide modes show them, in category and item order,
    // with the file's categories and group names; a new history starts.
    void load(DataFileContents contents, HideModes modes);
    // The hide modes: the whole list is set aside, history and all, and the file's records are shown as
    // the modes show them; showWhole brings the whole list back, in the order load would give it.
    void showPart(DataFileContents contents, HideModes modes);
    void showWhole();
    void setColumnWidth(int column, int width);
    void setColumnOrder(const std::vector<int>& order);
    // The client area grew by dx: every column grows by dx divided by the number of columns.
    void widenColumns(int dx);

    // --- Ticks -------------------------------------------------------------------------------------
    std::optional<Message> setChecked(int row, bool checked);
    // Ticks or unticks every row named, as one change; rows outside the list are left out.
    std::optional<Message> setCheckedRows(const std::vector<int>& rows, bool checked);
    std::optional<Message> selectAll();
    std::optional<Message> clearSelected();

    // --- Groups ------------------------------------------------------------------------------------
    void toggleGroup(int row);
    // With true collapses every expanded group, with false expands every collapsed one.
    void setAllGroups(bool expanded);
    // The drop of a dragged row: nothing, a refusal, or the "Create Group" dialog to run first.
    DropReply dropOnRow(int source, int target);
    // The "Create Group" dialog's OK check: a message keeps the dialog open.
    std::optional<Message> groupNameProblem(const std::string& name) const;
    // Forms the group after the dialog's OK; returns the new group row, to scroll into view (-1 for none).
    int createGroup(int source, int target, const std::string& name, const std::string& notes);
    std::optional<Message> removeFromGroup(int memberRow);

    // --- Sorting -----------------------------------------------------------------------------------
    void sortByColumn(int column);

    // --- Items -------------------------------------------------------------------------------------
    std::variant<Message, ItemEditorSetup> addSetup() const;
    std::variant<Message, ItemEditorSetup> modifySetup(const std::vector<int>& highlighted) const;
    // The editor's OK check: a refusal keeps it open; a Yes/No question lets Yes go on.
    // modifiedRow is the row under Modify (-1 for a new item), whose group's sum must still fit.
    std::optional<Message> entryProblem(const ItemEntry& entry, int modifiedRow = -1) const;
    std::optional<Message> addItem(const ItemEntry& entry, AddSource source);
    std::optional<Message> modifyItem(int row, const ItemEntry& entry);
    // Nothing highlighted, a refusal, or the Yes/No question to ask before deleteRows.
    Message deleteQuestion(const std::vector<int>& highlighted) const;
    // Deletes exactly these rows; returns the row to highlight afterwards (-1 for none).
    int deleteRows(const std::vector<int>& highlighted);
    std::optional<Message> convert();
    // Adds the records as unticked items in one go, each where Add would put it, with the categories not
    // yet in the list (compared exactly). A column with a text for some record is found by its heading, or
    // added when there is room.
    std::optional<Message> addImported(std::vector<std::unique_ptr<GearRecord>> records,
                                       const std::vector<ImportedColumn>& texts = {});

    // --- Categories --------------------------------------------------------------------------------
    bool categoryInUse(const std::string& name) const;
    // Renames every item, group and member under the old name and sorts by category. An empty new name
    // changes nothing: it could not be read back from the data file.
    std::optional<Message> renameCategory(const std::string& oldName, const std::string& newName);
    // Empty names are left out, for the same reason.
    std::optional<Message> setCategories(std::vector<std::string> names);

    // --- Columns -----------------------------------------------------------------------------------
    // The refusal of a hide mode, or of a column beyond what the settings can hold.
    std::optional<Message> addColumnRefusal() const;
    std::optional<Message> addColumn(const std::string& heading, ColumnFormat format);
    // User-column indexes, in any order.
    std::optional<Message> deleteColumns(std::vector<int> userColumns);
    std::optional<Message> modifyColumn(int userColumn, const std::string& heading, ColumnFormat format);
    // Marks the highlighted rows (a member row: its group row) worn or consumable, or clears the mark when
    // every one has it; the mark's column is added first, as Add New Column would add it, when there is none.
    std::optional<Message> toggleMark(const std::vector<int>& highlighted, Mark mark);

    // The refusal every change meets while a hide mode is on; action says what was tried.
    std::optional<Message> changeRefusal(const char* action = "changing the list") const;

    // --- Undo --------------------------------------------------------------------------------------
    // Every command above that changes the list is one step, as far back as the history's memory allows.
    // Undo and redo answer with the refusal of a hide mode, or with the rows the step touched.
    bool canUndo() const;
    bool canRedo() const;
    // The command a step undoes or redoes, as "Delete" or "Add Item"; empty when there is none.
    std::string undoLabel() const;
    std::string redoLabel() const;
    std::variant<Message, std::vector<int>> undo();
    std::variant<Message, std::vector<int>> redo();
    // Several commands as one step, for as long as the object lives (a dialog's changes, say).
    class CompoundStep
    {
    public:
        explicit CompoundStep(GearList& list);
        ~CompoundStep();
        CompoundStep(const CompoundStep&) = delete;
        CompoundStep& operator=(const CompoundStep&) = delete;

    private:
        std::unique_ptr<Change> change;
    };

private:
    struct Row
    {
        std::unique_ptr<GearRecord> record;
        bool checked = false;
        bool member = false; // the record's own flag, kept here so the total scans the rows alone
        float weight = 0;    // the weight shown, as the total and the weight sort read it
        // The category, folded and numbered: the category rule then scans the rows alone, not every record.
        int categoryKey = 0;
    };
    struct Entry;
    struct WeightTexts;
    struct Scalars;
    struct Step;
    struct History;
    struct SetAside;

    bool isGroupRow(int row) const { return rows[row].record->isGroup(); }
    bool isMemberRow(int row) const { return rows[row].member; }
    bool showsCategory(int row) const;
    Row makeRow(std::unique_ptr<GearRecord> record, bool checked);
    int categoryKeyOf(std::string_view category);

    // The changing functions: each records what undoes it in the command's step.
    void insertRows(int position, std::vector<Row> newRows);
    void takeRows(int first, int count);
    void replaceRecord(int row, std::unique_ptr<GearRecord> record);
    // Entry i of sources is the row that comes to place i, or -1 for the next of the added rows; rows not
    // named go.
    void rebuildRows(const std::vector<int>& sources, std::vector<Row> added);
    void setRowChecked(int row, bool checked);
    // Every row's tick from the flags, one per row.
    void setTicks(std::vector<char> ticks);
    void setExpanded(int groupRow, bool expanded);
    // Every row's weight texts, one per row, rewritten in place: what Convert changes of a whole list.
    void setWeightTexts(std::vector<WeightTexts> texts);
    void swapWeightTexts(std::vector<WeightTexts>& texts);
    // The larger parts beside the rows, for a command to change.
    std::vector<std::string>& editCategories();
    std::vector<std::string>& editGroupNames();
    // The user columns and the columns' layout.
    void editColumns();
    void notifyChanged(int first, int last);
    // The steps' mechanics (GearListHistory.cpp).
    Step* recordingStep();
    const History& shownHistory() const;
    Scalars scalars() const;
    void swapScalars(Scalars& other);
    void beginStep(const char* label);
    void endStep();
    void keepStep(Step step);
    void dropOldestSteps();
    void applyStep(Step& step, bool backwards, std::vector<const GearRecord*>& touched);
    void applyEntry(Entry& entry, std::vector<const GearRecord*>& touched);
    void revertPendingView(std::vector<const GearRecord*>& touched);
    std::vector<int> rowsHolding(std::vector<const GearRecord*> records) const;
    std::pair<std::vector<int>, std::vector<Row>> rebuild(const std::vector<int>& sources, std::vector<Row> added);
    void repointMembers(int groupRow, const GearRecord* old);

    int insertPosition(const GearRecord& record) const;
    int insertItemSorted(std::unique_ptr<GearRecord> record);
    std::vector<Row> memberRowsOf(const GearRecord& group);
    void expand(int groupRow);
    void collapse(int groupRow);
    int memberRowCount(int groupRow) const;
    // Replaces a group's record; an expanded group shows the new record's members.
    void replaceGroup(int groupRow, std::unique_ptr<GearRecord> group);
    int groupRowOf(int memberRow) const;
    float groupSumWith(int memberRow, float newWeight) const;
    std::unique_ptr<GearRecord> joiningCopy(int row, GearRecord& group) const;
    void addToGroup(int source, int groupRow);
    void forgetGroupName(const GearRecord& group);
    void sortMembersByWeight();
    void updateTotal(bool rewriteLine = false);
    // After new items: a list sorted by weight or by a user column is sorted by weight again (when
    // sortAgain), in the direction the weight column had; then the total follows.
    void finishAdding(bool sortAgain);
    std::optional<Message> setAllChecked(bool checked);
    std::unique_ptr<GearRecord> recordFrom(const ItemEntry& entry, const GearRecord* base) const;
    void syncUserColumns();

    std::vector<Row> rows;
    std::vector<std::string> categoryList;
    std::vector<std::string> groupNameList;
    std::vector<UserColumn> columnDefinitions;
    ColumnLayout layout;
    int clientWidth = 400;
    bool inGrams = false;
    float total = 0;
    std::string totalText;
    bool sortedByOther = false;
    std::optional<bool> modifyAfterSorting;
    std::array<uint8_t, columnWidthSlots> sortDirections{};
    HideModes hidden;

    // The numbers of the folded categories met so far, and the first row of each number, rebuilt after the
    // rows change.
    std::unordered_map<std::string, int> categoryKeys;
    mutable std::vector<int> firstRowOfCategoryKey;
    mutable bool categoryRuleStale = true;

    std::unique_ptr<History> history;
    std::unique_ptr<SetAside> wholeList; // while a hide mode shows a part of it

    GearListObserver* observer = nullptr;
    std::function<void()> changeListener;
    DisplayLock* displayLock = nullptr;
    int openChanges = 0; // commands in progress: the listener hears of the outermost only
    bool resetting = false;
};

} // namespace cairnly
