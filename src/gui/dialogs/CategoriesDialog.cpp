#include "gui/dialogs/CategoriesDialog.h"

#include "gui/support/DialogLayout.h"
#include "gui/support/Prompts.h"
#include "gui/support/Text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The longest category name the data file keeps.
constexpr int categoryCapacity = 20;

// The list's buttons leave Enter to OK.
QPushButton* listButton(const QString& text, const char* objectName, QWidget* parent)
{
    QPushButton* button = namedButton(text, objectName, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CategoriesDialog::CategoriesDialog(const Fields& initial, Hooks dialogHooks, Prompts& prompter, QWidget* parent)
    : QDialog(parent), hooks(std::move(dialogHooks)), prompts(prompter), list(initial.categories)
{
    setObjectName(QStringLiteral("categoriesDialog"));
    setWindowTitle(tr("Configure Categories"));
    setModal(true);

    auto* label = new QLabel(tr("Current Categories:"), this);
    label->setObjectName(QStringLiteral("currentCategoriesLabel"));
    categoryBox = new QComboBox(this);
    categoryBox->setObjectName(QStringLiteral("categoryComboBox"));
    categoryBox->setEditable(false);
    labelField(label, categoryBox);
    addButton = listButton(tr("&Add..."), "addButton", this);
    deleteButton = listButton(tr("&Delete"), "deleteButton", this);
    renameButton = listButton(tr("&Rename..."), "renameButton", this);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(label);
    listColumn->addWidget(categoryBox);
    listColumn->addStretch();
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(addButton);
    buttonColumn->addWidget(deleteButton);
    buttonColumn->addWidget(renameButton);
    buttonColumn->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(listColumn, 1);
    body->addSpacing(8);
    body->addLayout(buttonColumn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(okCancelButtons(*this));
    setMinimumWidth(340);

    connect(categoryBox, &QComboBox::currentIndexChanged, this, &CategoriesDialog::updateButtons);
    connect(addButton, &QPushButton::clicked, this, &CategoriesDialog::addClicked);
    connect(deleteButton, &QPushButton::clicked, this, &CategoriesDialog::deleteClicked);
    connect(renameButton, &QPushButton::clicked, this, &CategoriesDialog::renameClicked);

    showList(list.names().empty() ? std::string() : list.names().front());
}

CategoriesDialog::Fields CategoriesDialog::fields() const
{
    return {shown};
}

void CategoriesDialog::showList(const std::string& selected)
{
    shown = list.inBoxOrder();
    const QSignalBlocker quiet(categoryBox);
    categoryBox->clear();
    for (const std::string& name : shown)
        categoryBox->addItem(fromCp1252(name));
    const auto at = std::find(shown.begin(), shown.end(), selected);
    categoryBox->setCurrentIndex(at == shown.end() ? -1 : static_cast<int>(at - shown.begin()));
    updateButtons();
}

std::optional<std::string> CategoriesDialog::selectedName() const
{
    const int index = categoryBox->currentIndex();
    if (index < 0 || index >= static_cast<int>(shown.size()))
        return std::nullopt;
    return shown[index];
}

void CategoriesDialog::updateButtons()
{
    const bool selected = selectedName().has_value();
    deleteButton->setEnabled(selected);
    renameButton->setEnabled(selected);
}

void CategoriesDialog::addClicked()
{
    const auto typed = prompts.inputText(this, tr("Add New Category"), tr("Enter New Category (20 characters max.)"),
                                         categoryCapacity);
    if (!typed)
        return;
    const std::string name = toCp1252(*typed);
    if (list.add(name))
        showList(name);
}

void CategoriesDialog::deleteClicked()
{
    const auto name = selectedName();
    if (!name)
        return;
    if (hooks.inUse(*name) && !prompts.ask(this, cairnly::deleteCategoryQuestion(*name)))
        return;
    list.remove(*name);
    showList(std::string());
}

void CategoriesDialog::renameClicked()
{
    const auto oldName = selectedName();
    if (!oldName)
        return;
    if (hooks.inUse(*oldName) && !prompts.ask(this, cairnly::renameCategoryQuestion(*oldName)))
        return;
    const auto typed = prompts.inputText(
        this, tr("Rename Category"), QString::fromStdString(cairnly::renameCategoryPrompt(*oldName)), categoryCapacity);
    if (!typed)
        return;
    const std::string newName = toCp1252(*typed);
    switch (list.rename(*oldName, newName)) {
    case cairnly::CategoryList::Rename::Ignored:
        return;
    case cairnly::CategoryList::Rename::NameExists:
        prompts.show(this, cairnly::categoryExists(*oldName));
        return;
    case cairnly::CategoryList::Rename::Done:
        showList(newName);
        // The items are renamed now, not at OK: the user has just agreed to rename them, and Cancel drops
        // only the edits of the list. So after Cancel the items keep the new name and the list the old one.
        hooks.renameItems(*oldName, newName);
        return;
    }
}
