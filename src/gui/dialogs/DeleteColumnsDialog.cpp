#include "gui/dialogs/DeleteColumnsDialog.h"

#include "gui/support/DialogLayout.h"
#include "gui/support/Text.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

DeleteColumnsDialog::DeleteColumnsDialog(const std::vector<std::string>& columnHeadings, QWidget* parent)
    : QDialog(parent), headings(columnHeadings)
{
    setObjectName(QStringLiteral("deleteColumnsDialog"));
    setWindowTitle(tr("Delete User Columns"));
    setModal(true);

    auto* prompt = new QLabel(tr("Select Column(s) to delete."), this);
    prompt->setObjectName(QStringLiteral("promptLabel"));
    columnList = new QListWidget(this);
    columnList->setObjectName(QStringLiteral("columnListWidget"));
    // A click adds a column to the choice or takes it out again.
    columnList->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const std::string& heading : headings)
        columnList->addItem(fromCp1252(heading));
    labelField(prompt, columnList);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(columnList);
    layout->addLayout(okCancelButtons(*this));
    setMinimumWidth(300);
}

DeleteColumnsDialog::Fields DeleteColumnsDialog::fields() const
{
    Fields fields{headings, {}};
    for (int row = 0; row < columnList->count(); ++row) {
        if (columnList->item(row)->isSelected())
            fields.selected.push_back(row);
    }
    return fields;
}
