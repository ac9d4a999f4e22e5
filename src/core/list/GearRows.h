#pragma once

#include "core/files/DataFile.h"
#include "core/files/OverwriteGuard.h"
#include "core/model/GearRecord.h"
#include "core/model/Message.h"
#include "core/platform/DisplayLock.h"
#include "core/settings/ColumnLayout.h"
#include "core/settings/PrintFont.h"
#include "core/settings/Settings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace cairnly {

enum class RowKind
{
    Item,
    Group,
    Member
};

// The Qt model learns of every change through this, so the view never keeps a copy of the rows.
class GearRowsObserver
{
public:
    virtual ~GearRowsObserver() = default;
    virtual void rowsAboutToBeInserted(int first, int last) = 0;
    virtual void rowsInserted() = 0;
    virtual void rowsAboutToBeRemoved(int first, int last) = 0;
    virtual void rowsRemoved() = 0;
    virtual void rowsChanged(int first, int last) = 0; // every cell of these rows
    virtual void aboutToReset() = 0;
    virtual void reset() = 0; // rows and columns may all be new
    // Button states, the total line, menu texts or the column headings changed.
    virtual void statesChanged() = 0;
};

// The enabled state of the main window's buttons; it depends on history (a weight sort disables Add
// and Modify, and only some later operations enable them again).
struct ButtonStates
{
    bool add = true;
    bool modify = true;
    bool remove = true; // Delete
    bool print = true;
    bool totals = true;
    bool exportList = true;
    bool convert = true;
    bool clearSelected = true;
    bool hideNonSelected = true; // the "Hide Non-Selected Items" check box

    bool operator==(const ButtonStates&) const = default;
};

// Which menu entries are enabled; entries not named here are always enabled.
struct MenuStates
{
    bool remove = false; // Delete
    bool modify = false;
    bool save = false;
    bool saveAs = false;
    bool print = false;
    bool exportList = false;
    bool clearSelected = false;
    bool hideSelected = false;
    bool hideNonSelected = false;
    bool selectAll = false;
    bool expandAll = false;
    bool collapseAll = false;
    bool deleteColumn = false;
    bool modifyColumn = false;

    bool operator==(const MenuStates&) const = default;
};

// The item editor's fields (Windows-1252).
struct ItemEntry
{
    std::string category; // empty when no category is chosen
    std::string item;
    std::string unitWeight;
    std::string multiplier = "1";
    std::string notes;
    std::vector<std::string> columnTexts; // one slot per user column, in column order
};

// What the item editor opens with.
struct ItemEditorSetup
{
    std::vector<std::string> categories; // the box's order: alphabetical without regard to case
    ItemEntry entry;
    std::vector<std::string> columnHeadings;
};

// Where a new item comes from: the Add command's OK, or the editor's own "Add" button, which always
// gives the item a text list and does not sort the list again.
enum class AddSource
{
    Command,
    EditorButton
};

// A drop that needs the "Create Group" dialog, with the two descriptions its prompt names.
struct CreateGroupRequest
{
    std::string draggedItem;
    std::string targetItem;
};

using DropReply = std::variant<std::monostate, Message, CreateGroupRequest>;

// What writing the list reports.
struct WriteReport
{
    std::vector<Message> messages; // failures and notices, in the order they arose
    bool listWritten = false;      // the data file itself was written
    bool failed = false;           // some file could not be written (a notice alone is no failure)
};

// The gear list: the rows with their records and ticks, the categories, the group names, the columns,
// the units, the running total, the sort and hide state, the button states, and the files they are read
// from and written to. Every operation takes row indexes and answers, and returns what the user must be
// shown. Texts are Windows-1252 except in Message, which is UTF-8.
class GearRows
{
public:
    // workingDirectory holds Cairnly.ini and the working file GearData.dat; currentDataFile is the file
    // named in the window title.
    GearRows(std::filesystem::path workingDirectory, std::filesystem::path currentDataFile, Settings settings);
    ~GearRows();
    GearRows(const GearRows&) = delete;
    GearRows& operator=(const GearRows&) = delete;

    void setObserver(GearRowsObserver* observer);

    // --- Reading the rows -------------------------------------------------------------------------
    int rowCount() const { return static_cast<int>(rows.size()); }
    int columnCount() const { return static_cast<int>(layout.columns.size()); }
    RowKind kind(int row) const;
    bool isChecked(int row) const; // member rows always show checked
    const GearRecord& record(int row) const;
    // The text a cell shows, under the display lock.
    std::string cellText(int row, int column);
    ColorValue cellColor(int row, int column) const;

    const std::vector<std::string>& categories() const { return categoryList; }
    const std::vector<std::string>& groupNames() const { return groupNameList; }
    const ColumnLayout& columns() const { return layout; }
    const Settings& settings() const { return currentSettings; }
    bool metric() const { return currentSettings.metric; }
    float selectedTotal() const { return total; }
    const std::string& totalLine() const { return totalText; }
    bool otherSort() const { return sortedByOther; }
    uint8_t sortDirection(int column) const;
    bool hideNonSelected() const { return hidingNonSelected; }
    bool hideSelected() const { return hidingSelected; }
    const ButtonStates& buttons() const { return buttonStates; }
    MenuStates menuStates(int highlightedCount) const;
    const char* hideNonSelectedMenuText() const;
    const char* hideSelectedMenuText() const;
    const std::filesystem::path& currentDataFile() const { return dataFile; }
    // The settings file of the settings last loaded: GearData.ini in the working folder after start-up,
    // the file's own after Open and Save As (not after Save, and whatever the title names).
    const std::filesystem::path& settingsFile() const { return settingsPath; }
    std::filesystem::path workingDataFile() const;
    std::filesystem::path applicationSettingsFile() const;

    // --- Files -------------------------------------------------------------------------------------
    // The list's client width, from which new columns take a quarter.
    void setClientWidth(int width) { clientWidth = width; }
    // Lays out the columns from the settings (at start-up, before the working file is loaded).
    void applySettingsLayout();
    // Empties the rows and reads the working file under the hide filters.
    std::vector<Message> loadWorkingFile();
    // Records the current data file in Cairnly.ini, writes the settings file beside the target, then
    // the target (the working file when none is given). The first two stay done when the third fails.
    // Export paths the settings file cannot hold are left out of it and reported. A data file read only in part is
    // first kept whole beside it; one that could not be read is not written over.
    WriteReport write(const std::optional<std::filesystem::path>& target = std::nullopt);
    // Open and a recent-file choice: the file is read before anything is emptied, so a file that is
    // missing or refused leaves everything as it was.
    std::vector<Message> openFile(const std::filesystem::path& file);
    std::optional<Message> saveRefusal() const;
    std::optional<Message> closeRefusal() const;
    // Save As once the name is chosen: a failed write leaves the list and the current data file alone.
    std::vector<Message> saveAs(const std::filesystem::path& file);
    // The two hide modes. Turning a mode on writes the working file first when the other mode is off;
    // if that fails the mode stays off and the list as it was.
    std::vector<Message> setHideNonSelected(bool on);
    std::vector<Message> setHideSelected(bool on);

    // --- Ticks -------------------------------------------------------------------------------------
    std::optional<Message> setChecked(int row, bool checked);
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
    std::variant<Message, ItemEditorSetup> addSetup();
    std::variant<Message, ItemEditorSetup> modifySetup(const std::vector<int>& highlighted);
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
    // yet in the list (compared exactly); refused while a hide mode is on.
    std::optional<Message> addImported(std::vector<std::unique_ptr<GearRecord>> records);

    // --- Categories --------------------------------------------------------------------------------
    // The category and column operations answer with the refusal of a hide mode and change nothing then.
    bool categoryInUse(const std::string& name) const;
    // Renames every item, group and member under the old name and sorts by category. An empty new name
    // changes nothing: it could not be read back from the data file.
    std::optional<Message> renameCategory(const std::string& oldName, const std::string& newName);
    // Empty names are left out, for the same reason.
    std::optional<Message> setCategories(std::vector<std::string> names);

    // --- Columns -----------------------------------------------------------------------------------
    std::optional<Message> changeRefusal() const;
    // The refusal of a hide mode, or of a column beyond what the settings can hold.
    std::optional<Message> addColumnRefusal() const;
    std::optional<Message> addColumn(const std::string& heading, ColumnFormat format);
    // Headings' user-column indexes, in any order.
    std::optional<Message> deleteColumns(std::vector<int> userColumns);
    std::optional<Message> modifyColumn(int userColumn, const std::string& heading, ColumnFormat format);
    void setColumnWidth(int column, int width);
    void setColumnOrder(const std::vector<int>& order);
    // The client area grew by dx: every column grows by dx divided by the number of columns.
    void widenColumns(int dx);
    void setWindowRect(const std::array<int32_t, 4>& rect) { currentSettings.coords = rect; }
    // The Export dialog's OK: the paths and the notes flag reach the settings file at the next write.
    void setExportSettings(const std::array<std::filesystem::path, 4>& paths, bool includeNotes);

    // --- Configure ---------------------------------------------------------------------------------
    // The list colours; every row and the empty area are drawn again.
    void setListColors(ColorValue background, ColorValue alternate, ColorValue group);
    void setPrintOptions(bool totalEachCategory, bool showGrandTotal, bool printNotes);
    void setPrintFont(const PrintFont& font);

private:
    struct Row
    {
        std::unique_ptr<GearRecord> record;
        bool checked = false;
        float weight = 0; // the weight shown, as the total and the weight sort read it
        // The category, folded and numbered: the category rule then scans the rows alone, not every record.
        int categoryKey = 0;
    };

    bool isGroupRow(int row) const { return rows[row].record->isGroup(); }
    bool isMemberRow(int row) const { return rows[row].record->isMember != 0; }
    void refreshWeight(Row& row);
    int categoryKeyOfFolded(std::string folded);
    void refreshCategoryKey(Row& row);
    void refreshGroup(int groupRow);
    void notifyChanged(int first);
    void notifyStates();
    void beginReset();
    void endReset();
    void insertRows(int position, std::vector<Row> newRows);
    void removeRows(int first, int count);
    int insertPosition(const GearRecord& record) const;
    int insertItemSorted(std::unique_ptr<GearRecord> record);
    std::vector<Row> memberRowsOf(const GearRecord& group);
    void expand(int groupRow);
    void collapse(int groupRow);
    int groupRowOf(int memberRow) const;
    static GearRecord* memberAt(GearRecord& group, int walkPosition);
    float groupSumWith(int memberRow, float newWeight) const;
    std::unique_ptr<GearRecord> joiningCopy(int row, GearRecord& group);
    void addToGroup(int source, int groupRow);
    void dissolve(GearRecord& group);
    void sortMembersByWeight();
    void updateTotal(bool rewriteLine = false);
    void updateCheckDependentStates();
    void updateControlStates();
    // After new items: a list sorted by weight or by a user column is sorted by weight again (when
    // sortAgain), in the direction the weight column had; then the total and the states follow.
    void finishAdding(bool sortAgain);
    std::optional<Message> setAllChecked(bool checked);
    void insertContents(DataFileContents contents);
    void loadData(DataFileContents contents);
    std::vector<Message> guardAfterReading(const std::filesystem::path& file, const DataFileContents& contents);
    std::vector<Message> reloadFrom(const std::filesystem::path& file, DataFileContents contents);
    std::vector<Message> switchHideMode(bool& mode, bool on, bool otherMode);
    std::optional<Message> refusal(const char* action) const;
    bool showsCategory(int row);
    std::vector<std::string> columnHeadings() const;
    std::unique_ptr<GearRecord> recordFrom(const ItemEntry& entry, const GearRecord* base) const;
    void syncUserColumns();

    std::filesystem::path workingFolder;
    std::filesystem::path dataFile;
    std::filesystem::path settingsPath;
    Settings currentSettings;
    ColumnLayout layout;
    int clientWidth = 400;

    std::vector<Row> rows;
    std::vector<std::string> categoryList;
    std::vector<std::string> groupNameList;
    float total = 0;
    std::string totalText;
    bool sortedByOther = false;
    std::array<uint8_t, columnWidthSlots> sortDirections{};
    bool hidingNonSelected = false;
    bool hidingSelected = false;
    ButtonStates buttonStates;

    // The numbers of the folded categories met so far, and the first row of each number, rebuilt after the
    // rows change.
    std::unordered_map<std::string, int> categoryKeys;
    std::vector<int> firstRowOfCategoryKey;
    bool categoryRuleStale = true;

    OverwriteGuard overwriteGuard;
    DisplayLock displayLock;
    GearRowsObserver* observer = nullptr;
};

} // namespace cairnly
