#include "gui/app/MainPanel.h"

#include "core/interchange/LighterPack.h"
#include "core/list/ReportRows.h"
#include "core/reports/Totals.h"
#include "core/settings/SettingsStore.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/AddColumnDialog.h"
#include "gui/dialogs/CategoriesDialog.h"
#include "gui/dialogs/ConfigureDialog.h"
#include "gui/dialogs/CreateGroupDialog.h"
#include "gui/dialogs/DeleteColumnsDialog.h"
#include "gui/dialogs/ExportDialog.h"
#include "gui/dialogs/ItemEditorDialog.h"
#include "gui/dialogs/ModifyColumnDialog.h"
#include "gui/dialogs/Printing.h"
#include "gui/dialogs/TotalsDialog.h"
#include "gui/listview/GearListView.h"
#include "gui/listview/GearTableModel.h"
#include "gui/support/Desktop.h"
#include "gui/support/DialogRunner.h"
#include "gui/support/Icons.h"
#include "gui/support/Prompts.h"
#include "gui/support/SystemColors.h"
#include "gui/support/Text.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <QUrl>

using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::RowKind;

namespace {

// The wait cursor for as long as the list is rebuilt.
class BusyCursor
{
public:
    explicit BusyCursor(bool on = true) : on(on)
    {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (on)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool on;
};

const FileDialogSpec openSpec{QStringLiteral("Open a Gear Weight Data File"),
                              QStringLiteral("Gear Weight Files (*.dat);;Text Files (*.txt)")};
const FileDialogSpec saveAsSpec{QStringLiteral("Save Current Configuration As..."), openSpec.filters};
const QString lighterPackFilters = QStringLiteral("LighterPack CSV (*.csv);;All Files (*)");

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

MainPanel::MainPanel(const cairnly::StartupState& startup, Prompts& prompts, DialogRunner& runner, Desktop& desktop,
                     cairnly::RecentFiles& recentFiles, QWidget* parent)
    : QWidget(parent), prompts(prompts), runner(runner), desktop(desktop), recentFiles(recentFiles),
      rows(std::make_unique<cairnly::GearRows>(startup.appSettingsFile.parent_path(), startup.currentDataFile,
                                               startup.settings))
{
    setObjectName(QStringLiteral("mainPanel"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    const QFontMetrics metrics(font());
    unitX =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0 / 4.0;
    unitY = metrics.height() / 8.0;

    model = new GearTableModel(*rows, systemColor, this);
    buildCommands();
    buildControls();
    placeControls(designSize());
    resize(designSize());
    // The list's client width, of which new columns take a quarter.
    rows->setClientWidth(view->contentsRect().width());
    lastWidth = width();

    connect(model, &GearTableModel::messageRaised, this, &MainPanel::show, Qt::QueuedConnection);
    // Queued: the drop is handled once the drag has ended.
    connect(model, &GearTableModel::rowDropped, this, &MainPanel::dropOnRow, Qt::QueuedConnection);
    connect(model, &GearTableModel::listStatesChanged, this, &MainPanel::updateStates);
    connect(model, &QAbstractItemModel::modelReset, this, &MainPanel::applyColumnLayout);
    connect(model, &QAbstractItemModel::modelReset, this, &MainPanel::showBackground);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainPanel::updateStates);
    connect(view, &QAbstractItemView::clicked, this, &MainPanel::rowClicked);
    connect(view, &QAbstractItemView::doubleClicked, this, &MainPanel::rowDoubleClicked);
    connect(view, &GearListView::rowRightClicked, this, &MainPanel::rowRightClicked);
    QHeaderView* header = view->horizontalHeader();
    connect(header, &QHeaderView::sectionClicked, this, &MainPanel::headerClicked);
    connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (!applyingLayout)
            rows->setColumnWidth(column, width);
    });
    connect(header, &QHeaderView::sectionMoved, this, [this, header] {
        if (applyingLayout)
            return;
        std::vector<int> order;
        for (int visual = 0; visual < header->count(); ++visual)
            order.push_back(header->logicalIndex(visual));
        rows->setColumnOrder(order);
    });
    updateStates();
}

MainPanel::~MainPanel()
{
    // The view and its model go while the rows they show still exist.
    delete view;
    delete model;
}

// --- Building -------------------------------------------------------------------------------------

QAction* MainPanel::makeAction(const char* name, const QString& text, void (MainPanel::*handler)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    addAction(action); // the shortcuts work wherever the focus is in the window
    return action;
}

void MainPanel::buildCommands()
{
    Commands& c = command;
    c.open = makeAction("openAction", tr("&Open..."), &MainPanel::openFile);
    c.open->setShortcut(QKeySequence::Open);
    c.save = makeAction("saveAction", tr("&Save"), &MainPanel::saveFile);
    c.save->setShortcut(QKeySequence::Save);
    c.saveAs = makeAction("saveAsAction", tr("Save &As..."), &MainPanel::saveFileAs);
    c.saveAs->setShortcut(QKeySequence::SaveAs);
    c.print = makeAction("printAction", tr("&Print..."), &MainPanel::printList);
    c.printPreview = makeAction("printPreviewAction", tr("Print Pre&view..."), &MainPanel::previewList);
    c.exportList = makeAction("exportAction", tr("&Export..."), &MainPanel::exportList);
    c.importLighterPack =
        makeAction("importLighterPackAction", tr("&Import LighterPack CSV..."), &MainPanel::importLighterPackCsv);
    // Not "&Export": the Export entry has that letter.
    c.exportLighterPack =
        makeAction("exportLighterPackAction", tr("Export &LighterPack CSV..."), &MainPanel::exportLighterPackCsv);
    c.exit = makeAction("exitAction", tr("E&xit\tAlt+F4"), &MainPanel::exitProgram);
    c.exit->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_F4), QKeySequence::Quit});
    c.add = makeAction("addAction", tr("&Add..."), &MainPanel::addItem);
    c.remove = makeAction("deleteAction", tr("&Delete"), &MainPanel::deleteItems);
    c.remove->setShortcut(QKeySequence::Delete);
    c.modify = makeAction("modifyAction", tr("&Modify..."), &MainPanel::modifyItem);
    c.selectAll = makeAction("selectAllAction", tr("&Select All"), &MainPanel::selectAll);
    c.clearSelected = makeAction("clearSelectedAction", tr("&Clear Selected"), &MainPanel::clearSelected);
    c.hideSelected = makeAction("hideSelectedAction", tr("&Hide Selected"), &MainPanel::toggleHideSelected);
    c.hideNonSelected =
        makeAction("hideNonSelectedAction", tr("Hide &Non-Selected"), &MainPanel::toggleHideNonSelected);
    c.expandAll = makeAction("expandAllAction", tr("&Expand All Groups"), &MainPanel::expandAll);
    c.collapseAll = makeAction("collapseAllAction", tr("C&ollapse All Groups"), &MainPanel::collapseAll);
    c.totals = makeAction("totalsAction", tr("View &Totals..."), &MainPanel::showTotals);
    c.categories = makeAction("categoriesAction", tr("&Categories..."), &MainPanel::configureCategories);
    c.generalOptions = makeAction("generalOptionsAction", tr("&General Options..."), &MainPanel::configure);
    c.addColumn = makeAction("addColumnAction", tr("&Add New Column..."), &MainPanel::addColumn);
    c.deleteColumn = makeAction("deleteColumnAction", tr("&Delete Column..."), &MainPanel::deleteColumns);
    c.modifyColumn = makeAction("modifyColumnAction", tr("&Modify Column..."), &MainPanel::modifyColumn);
    c.about = makeAction("aboutAction", tr("&About..."), &MainPanel::showAbout);
    c.emailMe = makeAction("emailMeAction", tr("&Email me!"), &MainPanel::emailMe);
    c.removeFromGroup = makeAction("removeFromGroupAction", tr("&Remove from Group"), &MainPanel::removeFromGroup);
    memberMenu = new QMenu(this);
    memberMenu->setObjectName(QStringLiteral("memberMenu"));
    memberMenu->addAction(c.removeFromGroup);
}

QPushButton* MainPanel::makeButton(const char* name, const QString& text, const char* icon, QAction* action)
{
    auto* button = new QPushButton(cairnlyIcon(icon), text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->installEventFilter(this); // for its mnemonic, see eventFilter
    if (action)
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
}

void MainPanel::buildControls()
{
    view = new GearListView(this);
    view->setModel(model);

    addButton = makeButton("addButton", tr("&Add..."), "add", command.add);
    // The button runs the command whatever its menu entry's state: it has its own.
    deleteButton = makeButton("deleteButton", tr("&Delete"), "delete", nullptr);
    connect(deleteButton, &QPushButton::clicked, this, &MainPanel::deleteItems);
    modifyButton = makeButton("modifyButton", tr("&Modify..."), "modify", nullptr);
    connect(modifyButton, &QPushButton::clicked, this, &MainPanel::modifyItem);
    configureButton = makeButton("configureButton", tr("&Configure..."), "configure", command.generalOptions);
    totalsButton = makeButton("totalsButton", tr("&Totals..."), "totals", command.totals);
    printButton = makeButton("printButton", tr("&Print..."), "print", nullptr);
    connect(printButton, &QPushButton::clicked, this, &MainPanel::printList);
    exportButton = makeButton("exportButton", tr("&Export to..."), "export", nullptr);
    connect(exportButton, &QPushButton::clicked, this, &MainPanel::exportList);
    convertButton = makeButton("convertButton", tr("Convert..."), "convert", nullptr);
    connect(convertButton, &QPushButton::clicked, this, &MainPanel::convert);
    closeButton = makeButton("closeButton", tr("Close"), "close", nullptr);
    connect(closeButton, &QPushButton::clicked, this, &MainPanel::closeRequested);

    totalCaption = new QLabel(tr("Total:"), this);
    totalCaption->setObjectName(QStringLiteral("totalCaptionLabel"));
    totalLine = new QLabel(this);
    totalLine->setObjectName(QStringLiteral("totalLabel"));
    totalLine->setFont(totalLineFont());
    totalLine->setTextFormat(Qt::PlainText);
    hideNonSelectedBox = new QCheckBox(tr("Hide Non-Selected Items"), this);
    hideNonSelectedBox->setObjectName(QStringLiteral("hideNonSelectedCheckBox"));
    connect(hideNonSelectedBox, &QCheckBox::clicked, this, &MainPanel::setHideNonSelected);
    clearSelectedButton = makeButton("clearSelectedButton", tr("Clear &Selected"), "clearselected", nullptr);
    connect(clearSelectedButton, &QPushButton::clicked, this, &MainPanel::clearSelected);

    // Tab order as the controls stand in the window.
    QWidget* order[] = {view,         addButton,          deleteButton,       modifyButton,  configureButton,
                        totalsButton, printButton,        exportButton,       convertButton, closeButton,
                        totalLine,    hideNonSelectedBox, clearSelectedButton};
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
    place(addButton, 292, 8, 60, 14, true, false);
    place(deleteButton, 292, 26, 60, 14, true, false);
    place(modifyButton, 292, 44, 60, 14, true, false);
    place(configureButton, 292, 70, 60, 14, true, false);
    place(totalsButton, 292, 88, 60, 14, true, false);
    place(printButton, 292, 106, 60, 14, true, false);
    place(exportButton, 292, 124, 60, 14, true, false);
    place(convertButton, 292, 146, 60, 14, true, false);
    place(closeButton, 292, 166, 60, 14, true, false);
    place(totalCaption, 8, 184, 20, 8, false, true);
    place(hideNonSelectedBox, 118, 190, 92, 12, true, true);
    // The total line reaches to the check box, which moves right as the window widens.
    const QRect line = fromLayoutUnits(8, 192, 110, 8).translated(0, dy);
    totalLine->setGeometry(QRect(line.topLeft(), QPoint(hideNonSelectedBox->x() - 1, line.bottom())));
    place(clearSelectedButton, 214, 189, 70, 14, true, true);
}

void MainPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (event->size().width() < 1)
        return;
    placeControls(event->size());
    rows->setClientWidth(view->contentsRect().width());
    if (trackingResizes && event->size().width() != lastWidth) {
        rows->widenColumns(event->size().width() - lastWidth);
        applyColumnLayout();
    }
    lastWidth = event->size().width();
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

QString MainPanel::title() const
{
    return QStringLiteral("%1 - %2").arg(QString::fromLatin1(cairnly::applicationName),
                                         QString::fromStdString(rows->currentDataFile().string()));
}

void MainPanel::showBackground()
{
    // The list's empty area below the rows and right of the columns.
    const QColor background = model->color(rows->settings().backColor);
    if (view->palette().color(QPalette::Base) == background)
        return;
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, background);
    view->setPalette(palette);
}

void MainPanel::updateStates()
{
    showBackground();
    const cairnly::ButtonStates& b = rows->buttons();
    addButton->setEnabled(b.add);
    deleteButton->setEnabled(b.remove);
    modifyButton->setEnabled(b.modify);
    printButton->setEnabled(b.print);
    totalsButton->setEnabled(b.totals);
    exportButton->setEnabled(b.exportList);
    convertButton->setEnabled(b.convert);
    clearSelectedButton->setEnabled(b.clearSelected);
    hideNonSelectedBox->setEnabled(b.hideNonSelected);
    hideNonSelectedBox->setChecked(rows->hideNonSelected());
    totalLine->setText(fromCp1252(rows->totalLine()));

    const cairnly::MenuStates m = rows->menuStates(static_cast<int>(view->highlightedRows().size()));
    command.remove->setEnabled(m.remove);
    command.modify->setEnabled(m.modify);
    command.save->setEnabled(m.save);
    command.saveAs->setEnabled(m.saveAs);
    command.print->setEnabled(m.print);
    command.printPreview->setEnabled(m.print);
    command.exportList->setEnabled(m.exportList);
    command.exportLighterPack->setEnabled(m.exportList);
    command.clearSelected->setEnabled(m.clearSelected);
    command.hideSelected->setEnabled(m.hideSelected);
    command.hideNonSelected->setEnabled(m.hideNonSelected);
    command.selectAll->setEnabled(m.selectAll);
    command.expandAll->setEnabled(m.expandAll);
    command.collapseAll->setEnabled(m.collapseAll);
    command.deleteColumn->setEnabled(m.deleteColumn);
    command.modifyColumn->setEnabled(m.modifyColumn);
    command.hideNonSelected->setText(QString::fromLatin1(rows->hideNonSelectedMenuText()));
    command.hideSelected->setText(QString::fromLatin1(rows->hideSelectedMenuText()));
}

void MainPanel::applyColumnLayout()
{
    const cairnly::ColumnLayout& layout = rows->columns();
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

void MainPanel::showAll(const std::vector<Message>& messages)
{
    for (const Message& message : messages)
        show(message);
}

void MainPanel::rememberFile()
{
    recentFiles.add(rows->currentDataFile());
    if (const auto error = recentFiles.save())
        show(cairnly::writeError(cairnly::settingsWriteFailureText(rows->applicationSettingsFile(), *error)));
    emit recentFilesChanged();
}

// --- Start and close ------------------------------------------------------------------------------

void MainPanel::loadWorkingList()
{
    rows->applySettingsLayout();
    showAll(rows->loadWorkingFile());
}

bool MainPanel::canClose()
{
    if (auto refusal = rows->closeRefusal()) {
        show(*refusal);
        return false;
    }
    return true;
}

bool MainPanel::saveAtClose(const QRect& frameGeometry)
{
    // Right and bottom are exclusive, as the stored rectangle has them.
    rows->setWindowRect({frameGeometry.left(), frameGeometry.top(), frameGeometry.left() + frameGeometry.width(),
                         frameGeometry.top() + frameGeometry.height()});
    const cairnly::WriteReport report = rows->write();
    showAll(report.messages);
    if (!report.failed)
        return true;
    return prompts.ask(this, Message{"The list could not be saved. Close anyway and lose the changes?", "Error",
                                     cairnly::MessageIcon::Question, MessageButtons::YesNo});
}

// --- File commands --------------------------------------------------------------------------------

void MainPanel::openFile()
{
    const auto name = prompts.openFileName(this, openSpec);
    if (!name)
        return;
    const std::filesystem::path file = toPath(*name);
    std::vector<Message> messages;
    {
        BusyCursor busy;
        messages = rows->openFile(file);
    }
    showAll(messages);
    if (rows->currentDataFile() == file) {
        rememberFile();
        emit titleChanged(title());
    }
}

void MainPanel::openRecentFile(const QString& name)
{
    const std::filesystem::path file = toPath(name);
    showAll(rows->openFile(file));
    if (rows->currentDataFile() == file) {
        rememberFile();
        emit titleChanged(title());
    }
}

void MainPanel::saveFile()
{
    if (auto refusal = rows->saveRefusal()) {
        show(*refusal);
        return;
    }
    rememberFile();
    showAll(rows->write(rows->currentDataFile()).messages);
}

void MainPanel::saveFileAs()
{
    if (auto refusal = rows->saveRefusal()) {
        show(*refusal);
        return;
    }
    const auto name = prompts.saveFileName(this, saveAsSpec);
    if (!name)
        return;
    const std::filesystem::path file = toPath(*name);
    std::vector<Message> messages;
    {
        BusyCursor busy;
        messages = rows->saveAs(file);
    }
    showAll(messages);
    if (rows->currentDataFile() == file) {
        emit titleChanged(title());
        rememberFile();
    }
}

void MainPanel::exitProgram()
{
    emit closeRequested();
}

// --- Entry commands -------------------------------------------------------------------------------

void MainPanel::addItem()
{
    auto setup = rows->addSetup();
    if (auto* refusal = std::get_if<Message>(&setup)) {
        show(*refusal);
        return;
    }
    const auto& editor = std::get<cairnly::ItemEditorSetup>(setup);
    ItemEditorDialog::Hooks hooks;
    hooks.entryProblem = [this](const cairnly::ItemEntry& entry) { return rows->entryProblem(entry); };
    hooks.addNow = [this](const cairnly::ItemEntry& entry) {
        return rows->addItem(entry, cairnly::AddSource::EditorButton);
    };
    hooks.converter = &weightConverter;
    hooks.metric = rows->metric();
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add,
                            ItemEditorDialog::Fields{editor.categories, editor.entry, editor.columnHeadings}, hooks,
                            prompts, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    if (auto refusal = rows->addItem(dialog.fields().entry, cairnly::AddSource::Command))
        show(*refusal);
}

void MainPanel::modifyItem()
{
    const QList<int> highlighted = view->highlightedRows();
    auto setup = rows->modifySetup(toVector(highlighted));
    if (auto* refusal = std::get_if<Message>(&setup)) {
        show(*refusal);
        return;
    }
    const int row = highlighted.front();
    const auto& editor = std::get<cairnly::ItemEditorSetup>(setup);
    ItemEditorDialog::Hooks hooks;
    hooks.entryProblem = [this, row](const cairnly::ItemEntry& entry) { return rows->entryProblem(entry, row); };
    hooks.converter = &weightConverter;
    hooks.metric = rows->metric();
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Modify,
                            ItemEditorDialog::Fields{editor.categories, editor.entry, editor.columnHeadings}, hooks,
                            prompts, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    if (auto refusal = rows->modifyItem(row, dialog.fields().entry))
        show(*refusal);
}

void MainPanel::deleteItems()
{
    const QList<int> highlighted = view->highlightedRows();
    const Message question = rows->deleteQuestion(toVector(highlighted));
    if (question.buttons != MessageButtons::YesNo) {
        show(question);
        return;
    }
    if (!prompts.ask(this, question))
        return;
    const int next = rows->deleteRows(toVector(highlighted));
    if (next >= 0) {
        const QModelIndex index = model->index(next, 0);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    view->setFocus();
}

void MainPanel::selectAll()
{
    if (auto refusal = rows->selectAll())
        show(*refusal);
}

void MainPanel::clearSelected()
{
    if (auto refusal = rows->clearSelected())
        show(*refusal);
}

void MainPanel::toggleHideSelected()
{
    const bool on = !rows->hideSelected();
    std::vector<Message> messages;
    {
        BusyCursor busy(on);
        messages = rows->setHideSelected(on);
    }
    showAll(messages);
}

void MainPanel::toggleHideNonSelected()
{
    setHideNonSelected(!rows->hideNonSelected());
}

void MainPanel::setHideNonSelected(bool on)
{
    std::vector<Message> messages;
    {
        BusyCursor busy(!on);
        messages = rows->setHideNonSelected(on);
    }
    showAll(messages);
    hideNonSelectedBox->setChecked(rows->hideNonSelected());
}

void MainPanel::expandAll()
{
    rows->setAllGroups(false);
}

void MainPanel::collapseAll()
{
    rows->setAllGroups(true);
}

void MainPanel::printList()
{
    if (auto error = printGearList(*rows, runner, this))
        show(*error);
}

void MainPanel::previewList()
{
    previewGearList(*rows, runner, this);
}

void MainPanel::exportList()
{
    cairnly::readExportSettings(exportChoices, rows->settingsFile());
    ExportDialog dialog(exportChoices, desktop.canSendMail(), prompts, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    exportChoices = dialog.choices();
    rows->setExportSettings(exportChoices.paths, exportChoices.includeNotes);
    cairnly::ExportOutcome outcome;
    {
        BusyCursor busy;
        outcome = cairnly::runExport(*rows, exportChoices, systemColor);
    }
    showAll(outcome.messages);
    if (outcome.mailAttachment)
        desktop.sendMail(this, fromPath(*outcome.mailAttachment), fromPath(outcome.mailAttachment->filename()));
}

void MainPanel::importLighterPackCsv()
{
    if (auto refusal = rows->changeRefusal()) {
        show(*refusal);
        return;
    }
    const auto name = prompts.openFileName(this, {QStringLiteral("Import LighterPack CSV"), lighterPackFilters});
    if (!name)
        return;
    cairnly::FileCommandOutcome outcome;
    {
        BusyCursor busy;
        outcome = cairnly::importLighterPack(*rows, toPath(*name));
    }
    show(outcome.message);
}

void MainPanel::exportLighterPackCsv()
{
    const auto name = prompts.saveFileName(this, {QStringLiteral("Export LighterPack CSV"), lighterPackFilters});
    if (name)
        show(cairnly::exportLighterPack(*rows, toPath(*name)).message);
}

void MainPanel::showTotals()
{
    const cairnly::Settings& settings = rows->settings();
    TotalsDialog dialog(cairnly::categoryTotals(cairnly::reportRows(*rows)), rows->metric(),
                        {toQColor(settings.backColor), toQColor(settings.altColor), toQColor(settings.groupColor)},
                        this);
    runner.run(dialog);
}

void MainPanel::configureCategories()
{
    if (auto refusal = rows->changeRefusal()) {
        show(*refusal);
        return;
    }
    CategoriesDialog::Hooks hooks;
    hooks.inUse = [this](const std::string& name) { return rows->categoryInUse(name); };
    hooks.renameItems = [this](const std::string& oldName, const std::string& newName) {
        BusyCursor busy;
        rows->renameCategory(oldName, newName);
    };
    CategoriesDialog dialog({rows->categories()}, hooks, prompts, this);
    if (runner.run(dialog) == QDialog::Accepted)
        rows->setCategories(dialog.fields().categories);
}

void MainPanel::configure()
{
    const cairnly::Settings& settings = rows->settings();
    const ConfigureDialog::Fields initial{settings.totalCategories != 0,
                                          settings.showGrandTotal != 0,
                                          settings.printNotes != 0,
                                          settings.backColor,
                                          settings.altColor,
                                          settings.groupColor,
                                          {settings.printFont, settings.printFontSize}};
    ConfigureDialog dialog(
        initial, [this](const cairnly::PrintFont& font) { rows->setPrintFont(font); }, runner, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const ConfigureDialog::Fields chosen = dialog.fields();
    rows->setPrintOptions(chosen.totalEachCategory, chosen.showGrandTotal, chosen.printNotes);
    rows->setPrintFont(chosen.printFont);
    rows->setListColors(chosen.background, chosen.alternate, chosen.group);
}

void MainPanel::addColumn()
{
    if (auto refusal = rows->addColumnRefusal()) {
        show(*refusal);
        return;
    }
    AddColumnDialog dialog(this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const AddColumnDialog::Fields column = dialog.fields();
    rows->addColumn(column.heading, column.format);
}

void MainPanel::deleteColumns()
{
    if (auto refusal = rows->changeRefusal()) {
        show(*refusal);
        return;
    }
    std::vector<std::string> headings;
    for (const cairnly::UserColumn& column : rows->settings().userColumns)
        headings.push_back(column.heading);
    if (headings.empty())
        return;
    DeleteColumnsDialog dialog(headings, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const std::vector<int> chosen = dialog.fields().selected;
    BusyCursor busy(!chosen.empty());
    rows->deleteColumns(chosen);
}

void MainPanel::modifyColumn()
{
    if (auto refusal = rows->changeRefusal()) {
        show(*refusal);
        return;
    }
    if (rows->settings().userColumns.empty())
        return;
    ModifyColumnDialog dialog(rows->settings().userColumns, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const ModifyColumnDialog::Fields column = dialog.fields();
    rows->modifyColumn(column.column, column.heading, column.format);
}

void MainPanel::showAbout()
{
    AboutDialog dialog(AboutDialog::tutorialLocation(), desktop, prompts, this);
    runner.run(dialog);
}

void MainPanel::emailMe()
{
    // Whether a mail program answers is not checked: there is nothing more the program could do.
    desktop.openUrl(QUrl(QStringLiteral("mailto:%1?subject=Cairnly Help").arg(QString::fromLatin1(supportAddress))));
}

void MainPanel::convert()
{
    if (auto refusal = rows->convert())
        show(*refusal);
}

// --- The list -------------------------------------------------------------------------------------

void MainPanel::removeFromGroup()
{
    if (rightClickedRow < 0)
        return;
    if (auto refusal = rows->removeFromGroup(rightClickedRow))
        show(*refusal);
    rightClickedRow = -1;
}

void MainPanel::dropOnRow(int source, int target)
{
    // The list changes and the dialog opens only once the drag has ended.
    if (view->isDragging()) {
        QTimer::singleShot(0, this, [this, source, target] { dropOnRow(source, target); });
        return;
    }
    const cairnly::DropReply reply = rows->dropOnRow(source, target);
    if (const auto* refusal = std::get_if<Message>(&reply)) {
        show(*refusal);
        return;
    }
    const auto* request = std::get_if<cairnly::CreateGroupRequest>(&reply);
    if (!request)
        return;
    CreateGroupDialog dialog(
        *request, [this](const std::string& name) { return rows->groupNameProblem(name); }, prompts, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const int row = rows->createGroup(source, target, dialog.fields().name, dialog.fields().notes);
    if (row >= 0)
        view->scrollTo(model->index(row, 0));
}

void MainPanel::rowClicked(const QModelIndex& index)
{
    if (index.isValid() && index.column() == 1)
        rows->toggleGroup(index.row());
}

void MainPanel::rowDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= rows->rowCount())
        return;
    if (rows->kind(index.row()) == RowKind::Group && index.column() == 1)
        return;
    modifyItem();
}

void MainPanel::rowRightClicked(int row, const QPoint& globalPosition)
{
    if (row < 0 || row >= rows->rowCount() || rows->kind(row) != RowKind::Member)
        return;
    view->selectionModel()->setCurrentIndex(model->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    rightClickedRow = row;
    memberMenu->popup(globalPosition);
}

void MainPanel::headerClicked(int column)
{
    rows->sortByColumn(column);
}
