#pragma once

#include "core/list/ListEntries.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class Prompts;
class QLineEdit;

// Names a new group for a dragged item and the item it was dropped on. OK runs the name check and keeps
// the dialog open while it answers with a message.
class CreateGroupDialog : public QDialog
{
    Q_OBJECT
public:
    // The group name (40 characters) and notes (50), Windows-1252.
    struct Fields
    {
        std::string name;
        std::string notes;
    };

    using NameCheck = std::function<std::optional<cairnly::Message>(const std::string& name)>;

    CreateGroupDialog(const cairnly::CreateGroupRequest& request, NameCheck nameProblem, Prompts& prompts,
                      QWidget* parent = nullptr);

    Fields fields() const { return accepted; }

    void accept() override;

private:
    NameCheck nameProblem;
    Prompts& prompts;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* notesEdit = nullptr;
    Fields accepted;
};
