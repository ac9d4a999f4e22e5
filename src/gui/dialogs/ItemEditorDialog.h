#pragma once

#include "core/list/ListEntries.h"
#include "core/list/WeightFieldConverter.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Prompts;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Gear Information": adds items (several in a row through its own "Add" button) or modifies one.
class ItemEditorDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        Add,
        Modify
    };

    // What moves into and out of the controls, in Windows-1252, with the category list the box shows.
    struct Fields
    {
        std::vector<std::string> categories; // in the box's order
        cairnly::ItemEntry entry;            // entry.category empty: no category selected
        std::vector<std::string> columnHeadings;
    };

    // What the editor asks of the list while it is open.
    struct Hooks
    {
        // The OK check: a message with an OK button keeps the dialog open; a Yes/No question lets Yes go on.
        std::function<std::optional<cairnly::Message>(const cairnly::ItemEntry&)> entryProblem;
        // The "Add" button: makes an item now; a returned message is shown and the fields stay.
        std::function<std::optional<cairnly::Message>(const cairnly::ItemEntry&)> addNow;
        // The run-wide direction of the Convert button, and the units shown.
        cairnly::WeightFieldConverter* converter = nullptr;
        bool metric = false;
    };

    ItemEditorDialog(Mode mode, const Fields& initial, Hooks hooks, Prompts& prompts, QWidget* parent = nullptr);

    // The fields as they stand, the selected column's text committed.
    Fields fields() const;

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fillFields(const cairnly::ItemEntry& entry);
    cairnly::ItemEntry entryFromFields() const;
    int selectedColumn() const;
    void commitColumnText();
    void showSelectedColumn();
    void addClicked();
    void convertClicked();

    Mode mode;
    Hooks hooks;
    Prompts& prompts;
    std::vector<std::string> categories;
    std::vector<std::string> columnHeadings;
    std::vector<std::string> columnSlots;
    // The column whose slot the column text edit stands for. Its text counts as that slot wherever a slot
    // is read (a change of column, "Add", OK, fields()), which is what committing it on leaving comes to.
    int shownColumn = -1;
    QComboBox* categoryBox = nullptr;
    QLineEdit* itemEdit = nullptr;
    QLineEdit* weightEdit = nullptr;
    QPushButton* convertButton = nullptr;
    QLineEdit* multiplierEdit = nullptr;
    QLineEdit* notesEdit = nullptr;
    QListWidget* columnList = nullptr;
    QLineEdit* columnTextEdit = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* okButton = nullptr;
};
