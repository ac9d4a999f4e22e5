#include "gui/app/MainPanel.h"

#include "core/document/ControlStates.h"
#include "core/document/GearDocument.h"
#include "core/list/ColumnMarks.h"
#include "core/list/ReportRows.h"
#include "core/reports/Totals.h"
#include "core/reports/TripWeights.h"
#include "gui/dialogs/AddColumnDialog.h"
#include "gui/dialogs/CategoriesDialog.h"
#include "gui/dialogs/ConfigureDialog.h"
#include "gui/dialogs/CreateGroupDialog.h"
#include "gui/dialogs/DeleteColumnsDialog.h"
#include "gui/dialogs/ItemEditorDialog.h"
#include "gui/dialogs/ModifyColumnDialog.h"
#include "gui/dialogs/TotalsDialog.h"
#include "gui/listview/GearListView.h"
#include "gui/listview/GearTableModel.h"
#include "gui/support/Actions.h"
#include "gui/support/BusyCursor.h"
#include "gui/support/DialogRunner.h"
#include "gui/support/Icons.h"
#include "gui/support/Prompts.h"
#include "gui/support/SystemColors.h"
#include "gui/support/Text.h"

#include <QAction>
#include <QCheckBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>

using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::RowKind;

namespace {

std::vector<int> toVector(const QList<int>& rows)
{
    return std::vector<int>(rows.begin(), rows.end());
}

// Where "MS Sans Serif" is not installed the desktop's stand-in for it can be far wider, and the total line
// would no longer fit beside the check box; Arial's keeps close to its metrics.
QFont totalLineFont()
{
    const QString family = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")) ? QStringLiteral("MS Sans Serif")
                                                                                     : QStringLiteral("Arial");
    return QFont(family, 8, QFont::Bold);
}

} // namespace

MainPanel::MainPanel(cairnly::GearDocument& document, Prompts& prompts, DialogRunner& runner, QWidget* parent)
    : QWidget(parent), document(document), list(document.list()), prompts(prompts), runner(runner)
{
    setObjectName(QStringLiteral("mainPanel"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    const QFontMetrics metrics(font());
    unitX =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0 / 4.0;
    unitY = metrics.height() / 8.0;

    model = new GearTableModel(document, systemColor, this);
    buildCommands();
    buildControls();
    placeControls(designSize());
    resize(designSize());
    lastWidth = width();

    connect(model, &GearTableModel::messageRaised, this, &MainPanel::show, Qt::QueuedConnection);
    connect(model, &QAbstractItemModel::modelReset, this, &MainPanel::applyColumnLayout);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainPanel::selectionChanged);
    connect(view, &GearListView::rowDropped, this, &MainPanel::dropOnRow);
    connect(view, &QAbstractItemView::clicked, this, &MainPanel::rowClicked);
    connect(view, &QAbstractItemView::doubleClicked, this, &MainPanel::rowDoubleClicked);
    connect(view, &GearListView::rowRightClicked, this, &MainPanel::rowRightClicked);
    connect(view, &GearListView::tickKeyPressed, this, &MainPanel::toggleTicks);
    QHeaderView* header = view->horizontalHeader();
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) { list.sortByColumn(column); });
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!applyingLayout)
            list.setColumnWidth(column, width);
    });
    connect(header, &QHeaderView::sectionMoved, this, [this, header] {
        if (applyingLayout)
            return;
        std::vector<int> order;
        for (int visual = 0; visual < header->count(); ++visual)
            order.push_back(header->logicalIndex(visual));
        list.setColumnOrder(order);
    });
}

// --- Building -------------------------------------------------------------------------------------

void MainPanel::buildCommands()
{
    Commands& c = command;
    c.undo = addCommand(this, "undoAction", tr("&Undo"), &MainPanel::undo);
    c.undo->setShortcut(QKeySequence::Undo);
    c.redo = addCommand(this, "redoAction", tr("&Redo"), &MainPanel::redo);
    c.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    c.add = addCommand(this, "addAction", tr("&Add..."), &MainPanel::addItem);
    c.remove = addCommand(this, "deleteAction", tr("&Delete"), &MainPanel::deleteItems);
    c.remove->setShortcut(QKeySequence::Delete);
    c.modify = addCommand(this, "modifyAction", tr("&Modify..."), &MainPanel::modifyItem);
    c.selectAll = addCommand(this, "selectAllAction", tr("&Select All"), &MainPanel::selectAll);
    c.clearSelected = addCommand(this, "clearSelectedAction", tr("&Clear Selected"), &MainPanel::clearSelected);
    c.hideSelected = addCommand(this, "hideSelectedAction", tr("&Hide Selected"), &MainPanel::toggleHideSelected);
    c.hideNonSelected =
        addCommand(this, "hideNonSelectedAction", tr("Hide &Non-Selected"), &MainPanel::toggleHideNonSelected);
    c.expandAll = addCommand(this, "expandAllAction", tr("&Expand All Groups"), &MainPanel::expandAll);
    c.collapseAll = addCommand(this, "collapseAllAction", tr("C&ollapse All Groups"), &MainPanel::collapseAll);
    c.totals = addCommand(this, "totalsAction", tr("View &Totals..."), &MainPanel::showTotals);
    // The button's own text has no letter to reach it by; the menu entry has one.
    c.convert = addCommand(this, "convertAction", tr("Con&vert..."), &MainPanel::convert);
    c.categories = addCommand(this, "categoriesAction", tr("&Categories..."), &MainPanel::configureCategories);
    c.generalOptions = addCommand(this, "generalOptionsAction", tr("&General Options..."), &MainPanel::configure);
    c.addColumn = addCommand(this, "addColumnAction", tr("&Add New Column..."), &MainPanel::addColumn);
    c.deleteColumn = addCommand(this, "deleteColumnAction", tr("&Delete Column..."), &MainPanel::deleteColumns);
    c.modifyColumn = addCommand(this, "modifyColumnAction", tr("&Modify Column..."), &MainPanel::modifyColumn);
    c.removeFromGroup =
        addCommand(this, "removeFromGroupAction", tr("&Remove from Group"), &MainPanel::removeFromGroup);
    c.markWorn = addCommand(this, "markWornAction", tr("Mark &Worn"), &MainPanel::markWorn);
    c.markConsumable = addCommand(this, "markConsumableAction", tr("Mark Consuma&ble"), &MainPanel::markConsumable);
    listMenu = new QMenu(this);
    listMenu->setObjectName(QStringLiteral("listMenu"));
    listMenu->addActions({c.undo, c.redo});
    memberSeparator = listMenu->addSeparator();
    listMenu->addAction(c.removeFromGroup);
}

QPushButton* MainPanel::makeButton(const char* name, const QString& text, const char* icon)
{
    auto* made = new QPushButton(cairnlyIcon(icon), text, this);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(false);
    made->installEventFilter(this); // for its mnemonic, see eventFilter
    return made;
}

void MainPanel::buildControls()
{
    view = new GearListView(this);
    view->setModel(model);

    Buttons& b = button;
    b.add = makeButton("addButton", tr("&Add..."), "add");
    connect(b.add, &QPushButton::clicked, command.add, &QAction::trigger);
    // The buttons below run their commands whatever the menu entries' states: they have their own.
    b.remove = makeButton("deleteButton", tr("&Delete"), "delete");
    connect(b.remove, &QPushButton::clicked, this, &MainPanel::deleteItems);
    b.modify = makeButton("modifyButton", tr("&Modify..."), "modify");
    connect(b.modify, &QPushButton::clicked, this, &MainPanel::modifyItem);
    b.configure = makeButton("configureButton", tr("&Configure..."), "configure");
    connect(b.configure, &QPushButton::clicked, command.generalOptions, &QAction::trigger);
    b.totals = makeButton("totalsButton", tr("&Totals..."), "totals");
    connect(b.totals, &QPushButton::clicked, command.totals, &QAction::trigger);
    // Print, Export and Close are the window's commands: it connects them.
    b.print = makeButton("printButton", tr("&Print..."), "print");
    b.exportList = makeButton("exportButton", tr("&Export to..."), "export");
    b.convert = makeButton("convertButton", tr("Convert..."), "convert");
    connect(b.convert, &QPushButton::clicked, this, &MainPanel::convert);
    b.close = makeButton("closeButton", tr("Close"), "close");

    totalCaption = new QLabel(tr("Total:"), this);
    totalCaption->setObjectName(QStringLiteral("totalCaptionLabel"));
    totalLine = new QLabel(this);
    totalLine->setObjectName(QStringLiteral("totalLabel"));
    totalLine->setFont(totalLineFont());
    totalLine->setTextFormat(Qt::PlainText);
    hideNonSelectedBox = new QCheckBox(tr("Hide Non-Selected Items"), this);
    hideNonSelectedBox->setObjectName(QStringLiteral("hideNonSelectedCheckBox"));
    connect(hideNonSelectedBox, &QCheckBox::clicked, this, &MainPanel::setHideNonSelected);
    b.clearSelected = makeButton("clearSelectedButton", tr("Clear &Selected"), "clearselected");
    connect(b.clearSelected, &QPushButton::clicked, this, &MainPanel::clearSelected);

    // Tab order as the controls stand in the window.
    QWidget* order[] = {view,         b.add,     b.remove, b.modify,  b.configure,        b.totals,       b.print,
                        b.exportList, b.convert, b.close,  totalLine, hideNonSelectedBox, b.clearSelected};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QRect MainPanel::fromLayoutUnits(int x, int y, int width, int height) const
{
    return QRect(qRound(x * unitX), qRound(y * unitY), qRound(width * unitX), qRound(height * unitY));
}

QSize MainPanel::designSize() const
{
    return fromLayoutUnits(0, 0, 360, 210).size();
}

// The controls keep their places from the design, moved by how much the client is larger: the buttons
// on the right follow the right edge, the lines below the list follow the bottom, the list takes the rest.
void MainPanel::placeControls(QSize size)
{
    const QSize design = designSize();
    const int dx = size.width() - design.width();
    const int dy = size.height() - design.height();
    auto place = [&](QWidget* widget, int x, int y, int w, int h, bool right, bool down) {
        widget->setGeometry(fromLayoutUnits(x, y, w, h).translated(right ? dx : 0, down ? dy : 0));
    };
    view->setGeometry(fromLayoutUnits(8, 8, 276, 172).adjusted(0, 0, dx, dy));
    place(button.add, 292, 8, 60, 14, true, false);
    place(button.remove, 292, 26, 60, 14, true, false);
    place(button.modify, 292, 44, 60, 14, true, false);
    place(button.configure, 292, 70, 60, 14, true, false);
    place(button.totals, 292, 88, 60, 14, true, false);
    place(button.print, 292, 106, 60, 14, true, false);
    place(button.exportList, 292, 124, 60, 14, true, false);
    place(button.convert, 292, 146, 60, 14, true, false);
    place(button.close, 292, 166, 60, 14, true, false);
    place(totalCaption, 8, 184, 20, 8, false, true);
    place(hideNonSelectedBox, 118, 190, 92, 12, true, true);
    // The total line reaches to the check box, which moves right as the window widens.
    const QRect line = fromLayoutUnits(8, 192, 110, 8).translated(0, dy);
    totalLine->setGeometry(QRect(line.topLeft(), QPoint(hideNonSelectedBox->x() - 1, line.bottom())));
    place(button.clearSelected, 214, 189, 70, 14, true, true);
}

void MainPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (event->size().width() < 1)
        return;
    placeControls(event->size());
    list.setClientWidth(view->contentsRect().width());
    if (trackingResizes && event->size().width() != lastWidth) {
        list.widenColumns(event->size().width() - lastWidth);
        applyColumnLayout();
    }
    lastWidth = event->size().width();
}

void MainPanel::prepareColumns()
{
    // The list's client width, of which new columns take a quarter.
    list.setClientWidth(view->contentsRect().width());
}

void MainPanel::startTrackingResizes()
{
    lastWidth = width();
    trackingResizes = true;
}

bool MainPanel::eventFilter(QObject* watched, QEvent* event)
{
    // "&Export to..." and "&Configure..." share their letters with the menus "&Entry" and "&Configure". As
    // in a dialog on Windows, the button's mnemonic comes first; the menus stay reachable with F10, or Alt
    // and the arrow keys. Qt sends an ambiguous shortcut to one owner after the other, so either may get it.
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if ((shortcut->isAmbiguous() || qobject_cast<QMenuBar*>(watched)) && pressButtonWithMnemonic(shortcut->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool MainPanel::pressButtonWithMnemonic(const QKeySequence& key)
{
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->isEnabled() && button->isVisible() && QKeySequence::mnemonic(button->text()) == key) {
            button->setFocus(Qt::ShortcutFocusReason);
            button->animateClick();
            return true;
        }
    }
    return false;
}

void MainPanel::keyPressEvent(QKeyEvent* event)
{
    // An apostrophe typed while the window itself has the focus does nothing.
    if (event->text() == QStringLiteral("'")) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// --- State ----------------------------------------------------------------------------------------

int MainPanel::highlightedCount() const
{
    return static_cast<int>(view->highlightedRows().size());
}

void MainPanel::selectionChanged()
{
    showStates(cairnly::controlStates(list, highlightedCount()));
}

void MainPanel::showBackground()
{
    // The list's empty area below the rows and right of the columns.
    const QColor background = model->color(document.settings().backColor);
    if (view->palette().color(QPalette::Base) != background) {
        QPalette palette = view->palette();
        palette.setColor(QPalette::Base, background);
        view->setPalette(palette);
    }
    view->viewport()->update(); // the rows' colours may have changed too
}

void MainPanel::showStates(const cairnly::ControlStates& states)
{
    showBackground();
    const cairnly::ButtonStates& b = states.buttons;
    button.add->setEnabled(b.add);
    button.remove->setEnabled(b.remove);
    button.modify->setEnabled(b.modify);
    button.print->setEnabled(b.print);
    button.totals->setEnabled(b.totals);
    button.exportList->setEnabled(b.exportList);
    button.convert->setEnabled(b.convert);
    command.convert->setEnabled(b.convert);
    button.clearSelected->setEnabled(b.clearSelected);
    hideNonSelectedBox->setEnabled(b.hideNonSelected);
    hideNonSelectedBox->setChecked(document.hideNonSelected());
    const QString total = fromCp1252(list.totalLine());
    if (totalLine->text() != total) {
        totalLine->setText(total);
        // Read as one with its caption; a change of the name is announced.
        totalLine->setAccessibleName(totalCaption->text() + QLatin1Char(' ') + total);
    }

    const cairnly::MenuStates& m = states.menus;
    command.remove->setEnabled(m.remove);
    command.modify->setEnabled(m.modify);
    command.clearSelected->setEnabled(m.clearSelected);
    command.hideSelected->setEnabled(m.hideSelected);
    command.hideNonSelected->setEnabled(m.hideNonSelected);
    command.selectAll->setEnabled(m.selectAll);
    command.expandAll->setEnabled(m.expandAll);
    command.collapseAll->setEnabled(m.collapseAll);
    command.deleteColumn->setEnabled(m.deleteColumn);
    command.modifyColumn->setEnabled(m.modifyColumn);
    command.undo->setEnabled(m.undo);
    command.redo->setEnabled(m.redo);
    command.undo->setText(fromCp1252(states.undoText));
    command.redo->setText(fromCp1252(states.redoText));
    command.markWorn->setEnabled(m.markWorn);
    command.markConsumable->setEnabled(m.markConsumable);
    command.hideNonSelected->setText(QString::fromLatin1(states.hideNonSelectedText));
    command.hideSelected->setText(QString::fromLatin1(states.hideSelectedText));
}

void MainPanel::applyColumnLayout()
{
    const cairnly::ColumnLayout& layout = list.columns();
    QHeaderView* header = view->horizontalHeader();
    applyingLayout = true;
    for (int column = 0; column < static_cast<int>(layout.columns.size()) && column < header->count(); ++column)
        header->resizeSection(column, layout.columns[column].width);
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = layout.order.empty() ? visual : layout.order[visual];
        header->moveSection(header->visualIndex(logical), visual);
    }
    applyingLayout = false;
}

void MainPanel::show(const Message& message)
{
    prompts.show(this, message);
}

bool MainPanel::refused(const std::optional<Message>& refusal)
{
    return prompts.refused(this, refusal);
}

// --- Entry commands -------------------------------------------------------------------------------

void MainPanel::addItem()
{
    auto setup = list.addSetup();
    if (auto* refusal = std::get_if<Message>(&setup)) {
        show(*refusal);
        return;
    }
    const auto& editor = std::get<cairnly::ItemEditorSetup>(setup);
    ItemEditorDialog::Hooks hooks;
    hooks.entryProblem = [this](const cairnly::ItemEntry& entry) { return list.entryProblem(entry); };
    hooks.addNow = [this](const cairnly::ItemEntry& entry) {
        return list.addItem(entry, cairnly::AddSource::EditorButton);
    };
    hooks.converter = &weightConverter;
    hooks.metric = list.metric();
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add,
                            ItemEditorDialog::Fields{editor.categories, editor.entry, editor.columnHeadings}, hooks,
                            prompts, this);
    if (runner.run(dialog) == QDialog::Accepted)
        refused(list.addItem(dialog.fields().entry, cairnly::AddSource::Command));
}

void MainPanel::modifyItem()
{
    const QList<int> highlighted = view->highlightedRows();
    auto setup = list.modifySetup(toVector(highlighted));
    if (auto* refusal = std::get_if<Message>(&setup)) {
        show(*refusal);
        return;
    }
    const int row = highlighted.front();
    const auto& editor = std::get<cairnly::ItemEditorSetup>(setup);
    ItemEditorDialog::Hooks hooks;
    hooks.entryProblem = [this, row](const cairnly::ItemEntry& entry) { return list.entryProblem(entry, row); };
    hooks.converter = &weightConverter;
    hooks.metric = list.metric();
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Modify,
                            ItemEditorDialog::Fields{editor.categories, editor.entry, editor.columnHeadings}, hooks,
                            prompts, this);
    if (runner.run(dialog) == QDialog::Accepted)
        refused(list.modifyItem(row, dialog.fields().entry));
}

void MainPanel::deleteItems()
{
    const QList<int> highlighted = view->highlightedRows();
    const Message question = list.deleteQuestion(toVector(highlighted));
    if (question.buttons != MessageButtons::YesNo) {
        show(question);
        return;
    }
    if (!prompts.ask(this, question))
        return;
    const int next = list.deleteRows(toVector(highlighted));
    if (next >= 0) {
        const QModelIndex index = model->index(next, 0);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    view->setFocus();
}

void MainPanel::selectAll()
{
    refused(list.selectAll());
}

void MainPanel::clearSelected()
{
    refused(list.clearSelected());
}

void MainPanel::expandAll()
{
    list.setAllGroups(false);
}

void MainPanel::collapseAll()
{
    list.setAllGroups(true);
}

void MainPanel::toggleHideSelected()
{
    const bool on = !document.hideSelected();
    std::vector<Message> messages;
    {
        BusyCursor busy(on);
        messages = document.setHideSelected(on);
    }
    prompts.showAll(this, messages);
}

void MainPanel::toggleHideNonSelected()
{
    setHideNonSelected(!document.hideNonSelected());
}

void MainPanel::setHideNonSelected(bool on)
{
    std::vector<Message> messages;
    {
        BusyCursor busy(!on);
        messages = document.setHideNonSelected(on);
    }
    prompts.showAll(this, messages);
    hideNonSelectedBox->setChecked(document.hideNonSelected());
}

void MainPanel::showTotals()
{
    const cairnly::Settings settings = document.settings();
    const std::vector<cairnly::ReportRow> rows = cairnly::reportRows(list);
    TotalsDialog dialog(cairnly::categoryTotals(rows), cairnly::tripWeights(list),
                        cairnly::tripWeightsByRun(rows, list.userColumns()), list.metric(),
                        {toQColor(settings.backColor), toQColor(settings.altColor), toQColor(settings.groupColor)},
                        this);
    runner.run(dialog);
}

void MainPanel::configureCategories()
{
    if (refused(list.changeRefusal()))
        return;
    CategoriesDialog::Hooks hooks;
    hooks.inUse = [this](const std::string& name) { return list.categoryInUse(name); };
    hooks.renameItems = [this](const std::string& oldName, const std::string& newName) {
        BusyCursor busy;
        list.renameCategory(oldName, newName);
    };
    // The renames made in the dialog and its list at OK are one step.
    cairnly::GearList::CompoundStep step(list);
    CategoriesDialog dialog({list.categories()}, hooks, prompts, this);
    if (runner.run(dialog) == QDialog::Accepted)
        list.setCategories(dialog.fields().categories);
}

void MainPanel::configure()
{
    const cairnly::Settings settings = document.settings();
    const ConfigureDialog::Fields initial{settings.totalCategories,
                                          settings.showGrandTotal,
                                          settings.printNotes,
                                          settings.backColor,
                                          settings.altColor,
                                          settings.groupColor,
                                          {settings.printFont, settings.printFontSize}};
    ConfigureDialog dialog(
        initial, [this](const cairnly::PrintFont& font) { document.setPrintFont(font); }, runner, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const ConfigureDialog::Fields chosen = dialog.fields();
    document.setPrintOptions(chosen.totalEachCategory, chosen.showGrandTotal, chosen.printNotes);
    document.setPrintFont(chosen.printFont);
    document.setListColors(chosen.background, chosen.alternate, chosen.group);
}

void MainPanel::addColumn()
{
    if (refused(list.addColumnRefusal()))
        return;
    AddColumnDialog dialog(this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const AddColumnDialog::Fields column = dialog.fields();
    list.addColumn(column.heading, column.format);
}

void MainPanel::deleteColumns()
{
    if (refused(list.changeRefusal()))
        return;
    const std::vector<std::string> headings = list.columnHeadings();
    if (headings.empty())
        return;
    DeleteColumnsDialog dialog(headings, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const std::vector<int> chosen = dialog.fields().selected;
    BusyCursor busy(!chosen.empty());
    list.deleteColumns(chosen);
}

void MainPanel::modifyColumn()
{
    if (refused(list.changeRefusal()) || list.userColumns().empty())
        return;
    ModifyColumnDialog dialog(list.userColumns(), this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const ModifyColumnDialog::Fields column = dialog.fields();
    list.modifyColumn(column.column, column.heading, column.format);
}

void MainPanel::convert()
{
    refused(list.convert());
}

void MainPanel::markWorn()
{
    toggleMark(cairnly::Mark::Worn);
}

void MainPanel::markConsumable()
{
    toggleMark(cairnly::Mark::Consumable);
}

void MainPanel::toggleMark(cairnly::Mark mark)
{
    const QList<int> highlighted = view->highlightedRows();
    if (refused(list.toggleMark(toVector(highlighted), mark)) || highlighted.isEmpty())
        return;
    // The rows stay highlighted, and the marks show in their column, which may be new and out of sight.
    view->highlightRows(toVector(highlighted));
    const int column = cairnly::markColumn(list.userColumns(), mark);
    view->scrollTo(model->index(highlighted.front(), cairnly::fixedColumnCount + column));
}

// --- The list -------------------------------------------------------------------------------------

void MainPanel::removeFromGroup()
{
    if (rightClickedRow < 0)
        return;
    refused(list.removeFromGroup(rightClickedRow));
    rightClickedRow = -1;
}

void MainPanel::dropOnRow(int source, int target)
{
    const cairnly::DropReply reply = list.dropOnRow(source, target);
    if (const auto* refusal = std::get_if<Message>(&reply)) {
        show(*refusal);
        return;
    }
    const auto* request = std::get_if<cairnly::CreateGroupRequest>(&reply);
    if (!request)
        return;
    CreateGroupDialog dialog(
        *request, [this](const std::string& name) { return list.groupNameProblem(name); }, prompts, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const int row = list.createGroup(source, target, dialog.fields().name, dialog.fields().notes);
    if (row >= 0)
        view->scrollTo(model->index(row, 0));
}

void MainPanel::toggleTicks(int currentRow)
{
    // The current row takes the opposite of its tick, and every highlighted row with it.
    QList<int> rows = view->highlightedRows();
    if (rows.size() < 2)
        rows.clear();
    if (!rows.contains(currentRow))
        rows.append(currentRow);
    refused(list.setCheckedRows(toVector(rows), !list.isChecked(currentRow)));
}

void MainPanel::rowClicked(const QModelIndex& index)
{
    if (index.isValid() && index.column() == 1)
        list.toggleGroup(index.row());
}

void MainPanel::rowDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= list.rowCount())
        return;
    if (list.kind(index.row()) == RowKind::Group && index.column() == 1)
        return;
    modifyItem();
}

void MainPanel::rowRightClicked(int row, const QPoint& globalPosition)
{
    // Undo and Redo everywhere; a member row also leaves its group from here.
    const bool member = row >= 0 && row < list.rowCount() && list.kind(row) == RowKind::Member;
    if (member)
        view->selectionModel()->setCurrentIndex(model->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    rightClickedRow = member ? row : -1;
    memberSeparator->setVisible(member);
    command.removeFromGroup->setVisible(member);
    listMenu->popup(globalPosition);
}

void MainPanel::undo()
{
    showStep(list.undo());
}

void MainPanel::redo()
{
    showStep(list.redo());
}

void MainPanel::showStep(const std::variant<Message, std::vector<int>>& step)
{
    if (const auto* refusal = std::get_if<Message>(&step)) {
        show(*refusal);
        return;
    }
    // The rows the step touched are highlighted, the first of them in view.
    const auto& touched = std::get<std::vector<int>>(step);
    view->highlightRows(touched);
    if (!touched.empty()) {
        view->selectionModel()->setCurrentIndex(model->index(touched.front(), 0), QItemSelectionModel::NoUpdate);
        view->scrollTo(model->index(touched.front(), 0));
    }
}
