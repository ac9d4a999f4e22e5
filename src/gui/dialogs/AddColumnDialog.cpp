#include "gui/dialogs/AddColumnDialog.h"

#include "gui/dialogs/AlignmentBox.h"
#include "gui/support/DialogLayout.h"
#include "gui/support/Text.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

AddColumnDialog::AddColumnDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("addColumnDialog"));
    setWindowTitle(tr("Add New Column"));
    setModal(true);

    headingEdit = cp1252Edit("headingEdit", 40, this);
    auto* headingLabel = new QLabel(tr("Heading: "), this);
    headingLabel->setObjectName(QStringLiteral("headingLabel"));
    labelField(headingLabel, headingEdit);
    auto* heading = new QFormLayout;
    heading->addRow(headingLabel, headingEdit);
    alignment = new AlignmentBox(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(alignment);
    layout->addStretch();
    layout->addLayout(okCancelButtons(*this));
    setMinimumWidth(340);
}

AddColumnDialog::Fields AddColumnDialog::fields() const
{
    return {toCp1252(headingEdit->text()), alignment->format()};
}
