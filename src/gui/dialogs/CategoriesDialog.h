#pragma once

#include "core/model/CategoryList.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Prompts;
class QComboBox;
class QPushButton;

// "Configure Categories": adds, deletes and renames categories in a working list that OK keeps and Cancel
// drops. A rename renames the items at once.
class CategoriesDialog : public QDialog
{
    Q_OBJECT
public:
    // The category names, Windows-1252: in list order going in, in the box's order coming out.
    struct Fields
    {
        std::vector<std::string> categories;
    };

    // What the dialog asks of the list while it is open.
    struct Hooks
    {
        std::function<bool(const std::string& name)> inUse;
        std::function<void(const std::string& oldName, const std::string& newName)> renameItems;
    };

    CategoriesDialog(const Fields& initial, Hooks hooks, Prompts& prompts, QWidget* parent = nullptr);

    Fields fields() const;

private:
    // Shows the working list in box order with this name selected (none when it is not listed).
    void showList(const std::string& selected);
    std::optional<std::string> selectedName() const;
    void updateButtons();
    void addClicked();
    void deleteClicked();
    void renameClicked();

    Hooks hooks;
    Prompts& prompts;
    cairnly::CategoryList list;
    std::vector<std::string> shown; // the box's entries
    QComboBox* categoryBox = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* renameButton = nullptr;
};
