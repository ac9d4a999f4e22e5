#include "gui/dialogs/CreateGroupDialog.h"

#include "gui/support/DialogLayout.h"
#include "gui/support/Prompts.h"
#include "gui/support/Text.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CreateGroupDialog::CreateGroupDialog(const cairnly::CreateGroupRequest& request, NameCheck nameProblem,
                                     Prompts& prompts, QWidget* parent)
    : QDialog(parent), nameProblem(std::move(nameProblem)), prompts(prompts)
{
    setObjectName(QStringLiteral("createGroupDialog"));
    setWindowTitle(tr("Create Group"));
    setModal(true);

    // One arg() call for both names, so a "%2" typed into the first never takes the second's place.
    auto* prompt = new QLabel(QStringLiteral("If you would like to add \"%1\" and \"%2\" to a group, enter a group "
                                             "name below, and click OK")
                                  .arg(fromCp1252(request.draggedItem), fromCp1252(request.targetItem)),
                              this);
    prompt->setObjectName(QStringLiteral("promptLabel"));
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);

    nameEdit = cp1252Edit("groupNameEdit", 40, this);
    notesEdit = cp1252Edit("groupNotesEdit", 50, this);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Group Name:"), nameEdit);
    fields->addRow(tr("Group Notes:"), notesEdit);

    QHBoxLayout* buttons = okCancelButtons(*this, false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addSpacing(6);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(440);
    fitToWidth(*this);
}

void CreateGroupDialog::accept()
{
    const std::string name = toCp1252(nameEdit->text());
    if (nameProblem) {
        if (const auto problem = nameProblem(name)) {
            prompts.show(this, *problem);
            if (name.empty())
                nameEdit->setFocus();
            return;
        }
    }
    accepted = {name, toCp1252(notesEdit->text())};
    QDialog::accept();
}
