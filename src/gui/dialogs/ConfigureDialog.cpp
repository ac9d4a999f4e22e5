#include "gui/dialogs/ConfigureDialog.h"

#include "gui/dialogs/ColorButton.h"
#include "gui/dialogs/PrintFontDialog.h"
#include "gui/support/DialogLayout.h"
#include "gui/support/DialogRunner.h"
#include "gui/support/Icons.h"
#include "gui/support/SystemColors.h"
#include "printout/FontDescription.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox* checkBox(const QString& text, const char* objectName, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setChecked(checked);
    return box;
}

} // namespace

ConfigureDialog::ConfigureDialog(const Fields& initial, PrintFontChanged fontChanged, DialogRunner& dialogRunner,
                                 QWidget* parent)
    : QDialog(parent), printFontChanged(std::move(fontChanged)), runner(dialogRunner), printFont(initial.printFont)
{
    setObjectName(QStringLiteral("configureDialog"));
    setWindowTitle(tr("Configure Cairnly"));
    setModal(true);

    auto* printing = new QGroupBox(tr("Printing Options"), this);
    printing->setObjectName(QStringLiteral("printingOptionsGroupBox"));
    auto* fontButton = new QPushButton(cairnlyIcon("font"), tr("Select Printing Font..."), printing);
    fontButton->setObjectName(QStringLiteral("printingFontButton"));
    fontButton->setAutoDefault(false);
    auto* whenPrinting = new QLabel(tr("When Printing..."), printing);
    whenPrinting->setObjectName(QStringLiteral("whenPrintingLabel"));
    totalEachCategoryBox =
        checkBox(tr("Total Each Category"), "totalEachCategoryCheckBox", initial.totalEachCategory, printing);
    showGrandTotalBox = checkBox(tr("Show Grand Total"), "showGrandTotalCheckBox", initial.showGrandTotal, printing);
    printNotesBox = checkBox(tr("Print Notes"), "printNotesCheckBox", initial.printNotes, printing);
    auto* printingLayout = new QVBoxLayout(printing);
    printingLayout->addWidget(fontButton);
    printingLayout->addSpacing(6);
    printingLayout->addWidget(whenPrinting);
    printingLayout->addWidget(totalEachCategoryBox);
    printingLayout->addWidget(showGrandTotalBox);
    printingLayout->addWidget(printNotesBox);
    printingLayout->addStretch();

    auto* colors = new QGroupBox(tr("List Color Options"), this);
    colors->setObjectName(QStringLiteral("listColorOptionsGroupBox"));
    auto* colorsLayout = new QGridLayout(colors);
    auto addColor = [&](const QString& text, const char* objectName, cairnly::ColorValue value) {
        auto* button = new ColorButton(value, runner, colors);
        button->setObjectName(QString::fromLatin1(objectName));
        auto* label = new QLabel(text, colors);
        label->setBuddy(button);
        button->setLabelText(label->text());
        const int row = colorsLayout->rowCount();
        colorsLayout->addWidget(label, row, 0);
        colorsLayout->addWidget(button, row, 1);
        return button;
    };
    backgroundButton = addColor(tr("Background Color"), "backgroundColorButton", initial.background);
    alternateButton = addColor(tr("Alternate Row Color"), "alternateRowColorButton", initial.alternate);
    groupButton = addColor(tr("Group Color"), "groupColorButton", initial.group);
    colorsLayout->setRowStretch(colorsLayout->rowCount(), 1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(printing);
    groups->addWidget(colors);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addSpacing(6);
    layout->addLayout(okCancelButtons(*this));

    connect(fontButton, &QPushButton::clicked, this, &ConfigureDialog::choosePrintingFont);
}

ConfigureDialog::Fields ConfigureDialog::fields() const
{
    auto resolved = [](const ColorButton* button) { return cairnly::resolveColor(button->color(), systemColor); };
    return {totalEachCategoryBox->isChecked(),
            showGrandTotalBox->isChecked(),
            printNotesBox->isChecked(),
            resolved(backgroundButton),
            resolved(alternateButton),
            resolved(groupButton),
            printFont};
}

void ConfigureDialog::choosePrintingFont()
{
    const int pixelsPerInch = logicalDpiY(); // the screen's
    printFont = cairnly::printFontForDialog(printFont, pixelsPerInch);
    printFontChanged(printFont);

    PrintFontDialog dialog(fontOf(printFont.description, printFont.size), this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const QFont chosen = dialog.selectedFont();
    printFont =
        cairnly::chosenPrintFont(descriptionOf(chosen, printFont.description), chosen.pointSizeF(), pixelsPerInch);
    printFontChanged(printFont);
}
