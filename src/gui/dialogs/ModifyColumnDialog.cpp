#include "gui/dialogs/ModifyColumnDialog.h"

#include "gui/dialogs/AlignmentBox.h"
#include "gui/support/DialogLayout.h"
#include "gui/support/Text.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

ModifyColumnDialog::ModifyColumnDialog(const std::vector<cairnly::UserColumn>& userColumns, QWidget* parent)
    : QDialog(parent), columns(userColumns)
{
    setObjectName(QStringLiteral("modifyColumnDialog"));
    setWindowTitle(tr("Modify Custom Column"));
    setModal(true);

    auto* chooseLabel = new QLabel(tr("Choose Column"), this);
    chooseLabel->setObjectName(QStringLiteral("chooseLabel"));
    columnList = new QListWidget(this);
    columnList->setObjectName(QStringLiteral("columnListWidget"));
    columnList->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const cairnly::UserColumn& column : columns)
        columnList->addItem(fromCp1252(column.heading));
    labelField(chooseLabel, columnList);
    // Room for a handful of headings; more scroll.
    columnList->setFixedHeight(columnList->fontMetrics().height() * 6 + 2 * columnList->frameWidth() + 8);

    headingEdit = cp1252Edit("headingEdit", 40, this);
    auto* headingLabel = new QLabel(tr("Heading:"), this);
    headingLabel->setObjectName(QStringLiteral("headingLabel"));
    labelField(headingLabel, headingEdit);
    auto* heading = new QFormLayout;
    heading->addRow(headingLabel, headingEdit);
    alignment = new AlignmentBox(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chooseLabel);
    layout->addWidget(columnList);
    layout->addLayout(heading);
    layout->addWidget(alignment);
    layout->addLayout(okCancelButtons(*this));
    setMinimumWidth(340);

    connect(columnList, &QListWidget::currentRowChanged, this, &ModifyColumnDialog::showChosenColumn);
    if (!columns.empty())
        columnList->setCurrentRow(0);
}

void ModifyColumnDialog::showChosenColumn()
{
    const int row = columnList->currentRow();
    if (row < 0 || row >= static_cast<int>(columns.size()))
        return;
    headingEdit->setText(fromCp1252(columns[row].heading));
    alignment->setFormat(static_cast<cairnly::ColumnFormat>(columns[row].format));
}

ModifyColumnDialog::Fields ModifyColumnDialog::fields() const
{
    return {columnList->currentRow(), toCp1252(headingEdit->text()), alignment->format()};
}
