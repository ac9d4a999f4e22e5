#pragma once

#include "rows/GearRows.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class Prompts;
class QLineEdit;

// What the "Create Group" dialog transfers: the group name (40 characters) and notes (50), Windows-1252.
struct TCreateGroupDialogXfer
{
    std::string name;
    std::string notes;
};

// Names a new group for a dragged item and the item it was dropped on. OK runs the name check and keeps
// the dialog open while it answers with a message.
class TCreateGroupDialog : public QDialog
{
    Q_OBJECT
public:
    using NameCheck = std::function<std::optional<cairnly::Message>(const std::string& name)>;

    TCreateGroupDialog(const cairnly::CreateGroupRequest& request, NameCheck nameProblem, Prompts& prompts,
                       QWidget* parent = nullptr);

    TCreateGroupDialogXfer transfer() const { return xfer; }

    void accept() override;

private:
    NameCheck nameProblem;
    Prompts& prompts;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* notesEdit = nullptr;
    TCreateGroupDialogXfer xfer;
};
