#include "gui/dialogs/ItemEditorDialog.h"

#include "core/list/ListMessages.h"
#include "gui/support/DialogLayout.h"
#include "gui/support/Prompts.h"
#include "gui/support/Text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using cairnly::ItemEntry;
using cairnly::Message;

namespace {

// Short fields such as the weight get room for their own characters, not the whole row.
void fitToCharacters(QLineEdit* edit, int characters)
{
    const QFontMetrics metrics(edit->font());
    edit->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('0')) * characters + 16);
}

// Shows the message or asks the question; true when the caller may go on.
bool passes(const std::optional<Message>& problem, Prompts& prompts, QWidget* parent)
{
    if (!problem)
        return true;
    if (problem->buttons == cairnly::MessageButtons::YesNo)
        return prompts.ask(parent, *problem);
    prompts.show(parent, *problem);
    return false;
}

} // namespace

ItemEditorDialog::ItemEditorDialog(Mode editorMode, const Fields& initial, Hooks editorHooks, Prompts& prompter,
                                   QWidget* parent)
    : QDialog(parent), mode(editorMode), hooks(std::move(editorHooks)), prompts(prompter),
      categories(initial.categories), columnHeadings(initial.columnHeadings), columnSlots(initial.entry.columnTexts)
{
    setObjectName(QStringLiteral("itemEditorDialog"));
    setWindowTitle(tr("Gear Information"));
    setModal(true);
    columnSlots.resize(columnHeadings.size());

    categoryBox = new QComboBox(this);
    categoryBox->setObjectName(QStringLiteral("categoryComboBox"));
    categoryBox->setEditable(false);
    for (const auto& category : categories)
        categoryBox->addItem(fromCp1252(category));
    itemEdit = cp1252Edit("itemEdit", 40, this);
    weightEdit = cp1252Edit("weightEdit", 9, this);
    fitToCharacters(weightEdit, 10);
    convertButton = namedButton(QString(), "convertButton", this);
    multiplierEdit = cp1252Edit("multiplierEdit", 4, this);
    fitToCharacters(multiplierEdit, 5);
    notesEdit = cp1252Edit("notesEdit", 50, this);

    auto* columnsLabel = new QLabel(tr("Custom Column(s) text. Click column title, then enter text below"), this);
    columnsLabel->setObjectName(QStringLiteral("columnsLabel"));
    columnsLabel->setWordWrap(true);
    columnList = new QListWidget(this);
    columnList->setObjectName(QStringLiteral("columnListWidget"));
    labelField(columnsLabel, columnList);
    columnList->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const auto& heading : columnHeadings)
        columnList->addItem(fromCp1252(heading));
    // Room for a handful of headings; more scroll.
    columnList->setFixedHeight(columnList->fontMetrics().height() * 5 + 2 * columnList->frameWidth() + 8);
    columnTextEdit = cp1252Edit("columnTextEdit", 50, this);

    addButton = namedButton(tr("Add"), "addButton", this);
    okButton = ::okButton(*this, false);
    cancelButton = ::cancelButton(*this, false);

    auto* weightRow = new QHBoxLayout;
    weightRow->addWidget(weightEdit);
    weightRow->addWidget(convertButton);
    weightRow->addStretch();
    auto* multiplierRow = new QHBoxLayout;
    multiplierRow->addWidget(multiplierEdit);
    multiplierRow->addStretch();

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    // One form for the item's fields and the column text, so that all the labels line up.
    auto* fields = new QFormLayout;
    fields->addRow(tr("Category:"), categoryBox);
    fields->addRow(tr("Item:"), itemEdit);
    // Rows that hold more than their field: the label names the field, for screen readers too.
    auto labelFor = [this](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        labelField(label, field);
        return label;
    };
    fields->addRow(labelFor(tr("Weight (oz or gm):"), weightEdit), weightRow);
    fields->addRow(labelFor(tr("Multiply by:"), multiplierEdit), multiplierRow);
    fields->addRow(tr("Notes:"), notesEdit);
    fields->addRow(separator);
    fields->addRow(columnsLabel);
    fields->addRow(columnList);
    fields->addRow(tr("Text for selected column:"), columnTextEdit);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(addButton);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    QWidget::setTabOrder(categoryBox, itemEdit);
    QWidget::setTabOrder(itemEdit, weightEdit);
    QWidget::setTabOrder(weightEdit, convertButton);
    QWidget::setTabOrder(convertButton, multiplierEdit);
    QWidget::setTabOrder(multiplierEdit, notesEdit);
    QWidget::setTabOrder(notesEdit, columnList);
    QWidget::setTabOrder(columnList, columnTextEdit);
    QWidget::setTabOrder(columnTextEdit, addButton);
    QWidget::setTabOrder(addButton, cancelButton);
    QWidget::setTabOrder(cancelButton, okButton);

    connect(addButton, &QPushButton::clicked, this, &ItemEditorDialog::addClicked);
    connect(convertButton, &QPushButton::clicked, this, &ItemEditorDialog::convertClicked);
    connect(columnList, &QListWidget::itemSelectionChanged, this, &ItemEditorDialog::showSelectedColumn);

    fillFields(initial.entry);
    if (mode == Mode::Modify) {
        addButton->setEnabled(false);
        addButton->hide(); // OK takes its place
        convertButton->hide();
    } else {
        okButton->hide();
    }
    if (hooks.converter)
        convertButton->setText(fromCp1252(hooks.converter->caption(hooks.metric)));
    else
        convertButton->setEnabled(false);
    if (columnHeadings.empty()) {
        columnTextEdit->setEnabled(false);
    } else {
        columnTextEdit->clear();
        columnList->setCurrentRow(0);
    }
    fitToWidth(*this);
}

void ItemEditorDialog::fillFields(const ItemEntry& entry)
{
    const auto found = std::find(categories.begin(), categories.end(), entry.category);
    categoryBox->setCurrentIndex(found == categories.end() ? -1 : static_cast<int>(found - categories.begin()));
    itemEdit->setText(fromCp1252(entry.item));
    weightEdit->setText(fromCp1252(entry.unitWeight));
    multiplierEdit->setText(fromCp1252(entry.multiplier));
    notesEdit->setText(fromCp1252(entry.notes));
}

ItemEntry ItemEditorDialog::entryFromFields() const
{
    ItemEntry entry;
    const int category = categoryBox->currentIndex();
    if (category >= 0 && category < static_cast<int>(categories.size()))
        entry.category = categories[static_cast<std::size_t>(category)];
    entry.item = toCp1252(itemEdit->text());
    entry.unitWeight = toCp1252(weightEdit->text());
    entry.multiplier = toCp1252(multiplierEdit->text());
    entry.notes = toCp1252(notesEdit->text());
    entry.columnTexts = columnSlots;
    // The edit holds the shown column's newest text even before it has been committed.
    if (shownColumn >= 0)
        entry.columnTexts[static_cast<std::size_t>(shownColumn)] = toCp1252(columnTextEdit->text());
    return entry;
}

ItemEditorDialog::Fields ItemEditorDialog::fields() const
{
    return {categories, entryFromFields(), columnHeadings};
}

int ItemEditorDialog::selectedColumn() const
{
    const auto selected = columnList->selectedItems();
    return selected.isEmpty() ? -1 : columnList->row(selected.front());
}

void ItemEditorDialog::commitColumnText()
{
    if (shownColumn >= 0)
        columnSlots[static_cast<std::size_t>(shownColumn)] = toCp1252(columnTextEdit->text());
}

void ItemEditorDialog::showSelectedColumn()
{
    const int selected = selectedColumn();
    if (selected < 0) {
        // A Ctrl+click must not leave the text edit without a column: the list keeps its line selected.
        if (shownColumn >= 0)
            columnList->item(shownColumn)->setSelected(true);
        return;
    }
    commitColumnText();
    shownColumn = selected;
    columnTextEdit->setText(fromCp1252(columnSlots[static_cast<std::size_t>(shownColumn)]));
}

void ItemEditorDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter is OK in both modes, also while OK itself is hidden behind "Add". A focused push button
    // takes Enter itself before it gets here.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ItemEditorDialog::accept()
{
    commitColumnText();
    if (hooks.entryProblem && !passes(hooks.entryProblem(entryFromFields()), prompts, this))
        return;
    QDialog::accept();
}

void ItemEditorDialog::addClicked()
{
    commitColumnText();
    const ItemEntry entry = entryFromFields();
    if (entry.item.empty())
        return;
    if (hooks.entryProblem && !passes(hooks.entryProblem(entry), prompts, this))
        return;
    if (!hooks.addNow)
        return;
    if (const auto refused = hooks.addNow(entry)) {
        prompts.show(this, *refused);
        return;
    }
    itemEdit->clear();
    weightEdit->clear();
    notesEdit->clear();
    multiplierEdit->setText(QStringLiteral("1"));
    std::fill(columnSlots.begin(), columnSlots.end(), std::string());
    columnTextEdit->clear();
    itemEdit->setFocus(); // ready for the next item
}

void ItemEditorDialog::convertClicked()
{
    if (!hooks.converter)
        return;
    const auto converted = hooks.converter->click(toCp1252(weightEdit->text()), hooks.metric);
    if (!converted) {
        prompts.show(this, cairnly::listmessages::weightTooLarge());
        return;
    }
    weightEdit->setText(fromCp1252(converted->field));
    convertButton->setText(fromCp1252(converted->caption));
}
