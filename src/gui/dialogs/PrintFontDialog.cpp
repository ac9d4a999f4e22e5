#include "gui/dialogs/PrintFontDialog.h"

#include "core/settings/PrintFont.h"
#include "gui/support/DialogLayout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

PrintFontDialog::PrintFontDialog(const QFont& current, QWidget* parent) : QDialog(parent), base(current)
{
    setObjectName(QStringLiteral("fontDialog"));
    setWindowTitle(tr("Printing Font"));
    setModal(true);

    familyList = new QListWidget(this);
    familyList->setObjectName(QStringLiteral("familyListWidget"));
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family) && !QFontDatabase::isPrivateFamily(family))
            familyList->addItem(family);
    }
    auto* familyLabel = new QLabel(tr("&Font:"), this);
    familyLabel->setObjectName(QStringLiteral("familyLabel"));
    labelField(familyLabel, familyList);

    sizeBox = new QSpinBox(this);
    sizeBox->setObjectName(QStringLiteral("sizeSpinBox"));
    sizeBox->setRange(cairnly::smallestPrintFontSize, cairnly::largestPrintFontSize);
    sizeBox->setValue(std::clamp(current.pointSize(), cairnly::smallestPrintFontSize, cairnly::largestPrintFontSize));
    auto* sizeLabel = new QLabel(tr("&Size:"), this);
    sizeLabel->setObjectName(QStringLiteral("sizeLabel"));
    labelField(sizeLabel, sizeBox);

    auto* sampleBox = new QGroupBox(tr("Sample"), this);
    sampleBox->setObjectName(QStringLiteral("sampleGroupBox"));
    sample = new QLabel(tr("AaBbYyZz 0123456789"), sampleBox);
    sample->setObjectName(QStringLiteral("sampleLabel"));
    sample->setAlignment(Qt::AlignCenter);
    // Room for the largest size, so the dialog does not change its size with the sample.
    QFont largest = current;
    largest.setPointSize(cairnly::largestPrintFontSize);
    sample->setMinimumHeight(QFontMetrics(largest).height() * 2);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(sample);

    auto* fields = new QGridLayout;
    fields->addWidget(familyLabel, 0, 0);
    fields->addWidget(familyList, 1, 0);
    fields->addWidget(sizeLabel, 0, 1);
    fields->addWidget(sizeBox, 1, 1, Qt::AlignTop);
    fields->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(sampleBox);
    layout->addLayout(okCancelButtons(*this, false));
    setMinimumWidth(360);

    // The family the current font stands for here: "Courier New" may be drawn by another one.
    const QString shown = QFontInfo(current).family();
    QList<QListWidgetItem*> found = familyList->findItems(shown, Qt::MatchFixedString);
    if (found.isEmpty())
        found = familyList->findItems(current.family(), Qt::MatchFixedString);
    if (!found.isEmpty())
        familyList->setCurrentItem(found.front());
    else if (familyList->count() > 0)
        familyList->setCurrentRow(0);
    familyList->scrollToItem(familyList->currentItem(), QAbstractItemView::PositionAtCenter);

    connect(familyList, &QListWidget::currentRowChanged, this, &PrintFontDialog::showSample);
    connect(sizeBox, &QSpinBox::valueChanged, this, &PrintFontDialog::showSample);
    showSample();
}

QFont PrintFontDialog::selectedFont() const
{
    QFont font = base;
    if (const QListWidgetItem* family = familyList->currentItem())
        font.setFamily(family->text());
    font.setPointSize(sizeBox->value());
    return font;
}

void PrintFontDialog::showSample()
{
    sample->setFont(selectedFont());
}
