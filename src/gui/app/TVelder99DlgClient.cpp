#include "TVelder99DlgClient.h"

#include "app/DialogRunner.h"
#include "app/Prompts.h"
#include "app/SystemColors.h"
#include "app/Text.h"
#include "dialogs/TCreateGroupDialog.h"
#include "dialogs/TPubInfo.h"
#include "icons/Icons.h"
#include "listview/GearTableModel.h"
#include "listview/TSAListWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>

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

std::vector<int> toVector(const QList<int>& rows)
{
    return std::vector<int>(rows.begin(), rows.end());
}

} // namespace

TVelder99DlgClient::TVelder99DlgClient(const cairnly::StartupState& startup, Prompts& prompts, DialogRunner& runner,
                                       cairnly::RecentFiles& recentFiles, QWidget* parent)
    : QWidget(parent), prompts(prompts), runner(runner), recentFiles(recentFiles),
      rows(std::make_unique<cairnly::GearRows>(startup.appSettingsFile.parent_path(), startup.currentDataFile,
                                               startup.settings))
{
    setObjectName(QStringLiteral("mainClient"));
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

    connect(model, &GearTableModel::messageRaised, this, &TVelder99DlgClient::show, Qt::QueuedConnection);
    // Queued: the drop is handled once the drag has ended.
    connect(model, &GearTableModel::rowDropped, this, &TVelder99DlgClient::dropOnRow, Qt::QueuedConnection);
    connect(model, &GearTableModel::listStatesChanged, this, &TVelder99DlgClient::updateStates);
    connect(model, &QAbstractItemModel::modelReset, this, &TVelder99DlgClient::applyColumnLayout);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TVelder99DlgClient::updateStates);
    connect(view, &QAbstractItemView::clicked, this, &TVelder99DlgClient::rowClicked);
    connect(view, &QAbstractItemView::doubleClicked, this, &TVelder99DlgClient::rowDoubleClicked);
    connect(view, &TSAListWindow::rowRightClicked, this, &TVelder99DlgClient::rowRightClicked);
    QHeaderView* header = view->horizontalHeader();
    connect(header, &QHeaderView::sectionClicked, this, &TVelder99DlgClient::headerClicked);
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

TVelder99DlgClient::~TVelder99DlgClient()
{
    // The view and its model go while the rows they show still exist.
    delete view;
    delete model;
}

// --- Building -------------------------------------------------------------------------------------

QAction* TVelder99DlgClient::makeAction(const char* name, const QString& text, void (TVelder99DlgClient::*handler)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    addAction(action); // the shortcuts work wherever the focus is in the window
    return action;
}

void TVelder99DlgClient::buildCommands()
{
    Commands& c = command;
    c.open = makeAction("openAction", tr("&Open..."), &TVelder99DlgClient::openFile);
    c.open->setShortcut(QKeySequence::Open);
    c.save = makeAction("saveAction", tr("&Save"), &TVelder99DlgClient::saveFile);
    c.save->setShortcut(QKeySequence::Save);
    c.saveAs = makeAction("saveAsAction", tr("Save &As..."), &TVelder99DlgClient::saveFileAs);
    c.saveAs->setShortcut(QKeySequence::SaveAs);
    c.print = makeAction("printAction", tr("&Print..."), &TVelder99DlgClient::notAvailableYet);
    c.exportList = makeAction("exportAction", tr("&Export..."), &TVelder99DlgClient::notAvailableYet);
    c.exit = makeAction("exitAction", tr("E&xit\tAlt+F4"), &TVelder99DlgClient::exitProgram);
    c.exit->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_F4), QKeySequence::Quit});
    c.add = makeAction("addAction", tr("&Add..."), &TVelder99DlgClient::addItem);
    c.remove = makeAction("deleteAction", tr("&Delete"), &TVelder99DlgClient::deleteItems);
    c.remove->setShortcut(QKeySequence::Delete);
    c.modify = makeAction("modifyAction", tr("&Modify..."), &TVelder99DlgClient::modifyItem);
    c.selectAll = makeAction("selectAllAction", tr("&Select All"), &TVelder99DlgClient::selectAll);
    c.clearSelected = makeAction("clearSelectedAction", tr("&Clear Selected"), &TVelder99DlgClient::clearSelected);
    c.hideSelected = makeAction("hideSelectedAction", tr("&Hide Selected"), &TVelder99DlgClient::toggleHideSelected);
    c.hideNonSelected =
        makeAction("hideNonSelectedAction", tr("Hide &Non-Selected"), &TVelder99DlgClient::toggleHideNonSelected);
    c.expandAll = makeAction("expandAllAction", tr("&Expand All Groups"), &TVelder99DlgClient::expandAll);
    c.collapseAll = makeAction("collapseAllAction", tr("C&ollapse All Groups"), &TVelder99DlgClient::collapseAll);
    c.totals = makeAction("totalsAction", tr("View &Totals..."), &TVelder99DlgClient::notAvailableYet);
    c.categories = makeAction("categoriesAction", tr("&Categories..."), &TVelder99DlgClient::notAvailableYet);
    c.generalOptions =
        makeAction("generalOptionsAction", tr("&General Options..."), &TVelder99DlgClient::notAvailableYet);
    c.addColumn = makeAction("addColumnAction", tr("&Add New Column..."), &TVelder99DlgClient::notAvailableYet);
    c.deleteColumn = makeAction("deleteColumnAction", tr("&Delete Column..."), &TVelder99DlgClient::notAvailableYet);
    c.modifyColumn = makeAction("modifyColumnAction", tr("&Modify Column..."), &TVelder99DlgClient::notAvailableYet);
    c.about = makeAction("aboutAction", tr("&About..."), &TVelder99DlgClient::notAvailableYet);
    c.emailMe = makeAction("emailMeAction", tr("&Email me!"), &TVelder99DlgClient::notAvailableYet);
    c.removeFromGroup =
        makeAction("removeFromGroupAction", tr("&Remove from Group"), &TVelder99DlgClient::removeFromGroup);
    memberMenu = new QMenu(this);
    memberMenu->setObjectName(QStringLiteral("memberMenu"));
    memberMenu->addAction(c.removeFromGroup);
}

QPushButton* TVelder99DlgClient::makeButton(const char* name, const QString& text, const char* icon, QAction* action)
{
    auto* button = new QPushButton(cairnlyIcon(icon), text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    if (action)
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
}

void TVelder99DlgClient::buildControls()
{
    view = new TSAListWindow(this);
    view->setModel(model);

    addButton = makeButton("addButton", tr("&Add..."), "add", command.add);
    // The button runs the command whatever its menu entry's state: it has its own.
    deleteButton = makeButton("deleteButton", tr("&Delete"), "delete", nullptr);
    connect(deleteButton, &QPushButton::clicked, this, &TVelder99DlgClient::deleteItems);
    modifyButton = makeButton("modifyButton", tr("&Modify..."), "modify", nullptr);
    connect(modifyButton, &QPushButton::clicked, this, &TVelder99DlgClient::modifyItem);
    configureButton = makeButton("configureButton", tr("&Configure..."), "configure", command.generalOptions);
    totalsButton = makeButton("totalsButton", tr("&Totals..."), "totals", command.totals);
    printButton = makeButton("printButton", tr("&Print..."), "print", nullptr);
    connect(printButton, &QPushButton::clicked, this, &TVelder99DlgClient::notAvailableYet);
    exportButton = makeButton("exportButton", tr("&Export to..."), "export", nullptr);
    connect(exportButton, &QPushButton::clicked, this, &TVelder99DlgClient::notAvailableYet);
    convertButton = makeButton("convertButton", tr("Convert..."), "convert", nullptr);
    connect(convertButton, &QPushButton::clicked, this, &TVelder99DlgClient::convert);
    closeButton = makeButton("closeButton", tr("Close"), "close", nullptr);
    connect(closeButton, &QPushButton::clicked, this, &TVelder99DlgClient::closeRequested);

    totalCaption = new QLabel(tr("Total:"), this);
    totalCaption->setObjectName(QStringLiteral("totalCaptionLabel"));
    totalLine = new QLabel(this);
    totalLine->setObjectName(QStringLiteral("totalLabel"));
    totalLine->setFont(QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Bold));
    totalLine->setTextFormat(Qt::PlainText);
    hideNonSelectedBox = new QCheckBox(tr("Hide Non-Selected Items"), this);
    hideNonSelectedBox->setObjectName(QStringLiteral("hideNonSelectedCheckBox"));
    connect(hideNonSelectedBox, &QCheckBox::clicked, this, &TVelder99DlgClient::setHideNonSelected);
    clearSelectedButton = makeButton("clearSelectedButton", tr("Clear &Selected"), "clearselected", nullptr);
    connect(clearSelectedButton, &QPushButton::clicked, this, &TVelder99DlgClient::clearSelected);

    // Tab order as the controls stand in the window.
    QWidget* order[] = {view,         addButton,          deleteButton,       modifyButton,  configureButton,
                        totalsButton, printButton,        exportButton,       convertButton, closeButton,
                        totalLine,    hideNonSelectedBox, clearSelectedButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QRect TVelder99DlgClient::fromDialogUnits(int x, int y, int width, int height) const
{
    return QRect(qRound(x * unitX), qRound(y * unitY), qRound(width * unitX), qRound(height * unitY));
}

QSize TVelder99DlgClient::designSize() const
{
    return fromDialogUnits(0, 0, 360, 210).size();
}

// The controls keep their places from the design, moved by how much the client is larger: the buttons
// on the right follow the right edge, the lines below the list follow the bottom, the list takes the rest.
void TVelder99DlgClient::placeControls(QSize size)
{
    const QSize design = designSize();
    const int dx = size.width() - design.width();
    const int dy = size.height() - design.height();
    auto place = [&](QWidget* widget, int x, int y, int w, int h, bool right, bool down) {
        widget->setGeometry(fromDialogUnits(x, y, w, h).translated(right ? dx : 0, down ? dy : 0));
    };
    view->setGeometry(fromDialogUnits(8, 8, 276, 172).adjusted(0, 0, dx, dy));
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
    place(totalLine, 8, 192, 108, 8, false, true);
    place(hideNonSelectedBox, 118, 190, 92, 12, true, true);
    place(clearSelectedButton, 214, 189, 70, 14, true, true);
}

void TVelder99DlgClient::resizeEvent(QResizeEvent* event)
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

void TVelder99DlgClient::startTrackingResizes()
{
    lastWidth = width();
    trackingResizes = true;
}

void TVelder99DlgClient::keyPressEvent(QKeyEvent* event)
{
    // An apostrophe typed while the window itself has the focus does nothing.
    if (event->text() == QStringLiteral("'")) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// --- State ----------------------------------------------------------------------------------------

QString TVelder99DlgClient::title() const
{
    return QStringLiteral("%1 - %2").arg(QString::fromLatin1(cairnly::applicationName),
                                         QString::fromStdString(rows->currentDataFile().string()));
}

void TVelder99DlgClient::updateStates()
{
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
    command.exportList->setEnabled(m.exportList);
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

void TVelder99DlgClient::applyColumnLayout()
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

void TVelder99DlgClient::show(const Message& message)
{
    prompts.show(this, message);
}

void TVelder99DlgClient::showAll(const std::vector<Message>& messages)
{
    for (const Message& message : messages)
        show(message);
}

void TVelder99DlgClient::rememberFile()
{
    recentFiles.add(rows->currentDataFile());
    recentFiles.save();
    emit recentFilesChanged();
}

// --- Start and close ------------------------------------------------------------------------------

void TVelder99DlgClient::loadWorkingList()
{
    rows->applySettingsLayout();
    showAll(rows->loadWorkingFile());
}

bool TVelder99DlgClient::canClose()
{
    if (auto refusal = rows->closeRefusal()) {
        show(*refusal);
        return false;
    }
    return true;
}

bool TVelder99DlgClient::saveAtClose(const QRect& frameGeometry)
{
    // Right and bottom are exclusive, as the stored rectangle has them.
    rows->setWindowRect({frameGeometry.left(), frameGeometry.top(), frameGeometry.left() + frameGeometry.width(),
                         frameGeometry.top() + frameGeometry.height()});
    const auto error = rows->write();
    if (!error)
        return true;
    show(*error);
    return prompts.ask(this, Message{"The list could not be saved. Close anyway and lose the changes?", "Error",
                                     cairnly::MessageIcon::Question, MessageButtons::YesNo});
}

// --- File commands --------------------------------------------------------------------------------

void TVelder99DlgClient::openFile()
{
    const auto name = prompts.openFileName(this, openSpec);
    if (!name)
        return;
    const std::filesystem::path file = name->toStdString();
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

void TVelder99DlgClient::openRecentFile(const QString& name)
{
    const std::filesystem::path file = name.toStdString();
    showAll(rows->openFile(file));
    if (rows->currentDataFile() == file) {
        rememberFile();
        emit titleChanged(title());
    }
}

void TVelder99DlgClient::saveFile()
{
    if (auto refusal = rows->saveRefusal()) {
        show(*refusal);
        return;
    }
    rememberFile();
    if (auto error = rows->write(rows->currentDataFile()))
        show(*error);
}

void TVelder99DlgClient::saveFileAs()
{
    if (auto refusal = rows->saveRefusal()) {
        show(*refusal);
        return;
    }
    const auto name = prompts.saveFileName(this, saveAsSpec);
    if (!name)
        return;
    const std::filesystem::path file = name->toStdString();
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

void TVelder99DlgClient::exitProgram()
{
    emit closeRequested();
}

// --- Entry commands -------------------------------------------------------------------------------

void TVelder99DlgClient::addItem()
{
    auto setup = rows->addSetup();
    if (auto* refusal = std::get_if<Message>(&setup)) {
        show(*refusal);
        return;
    }
    const auto& editor = std::get<cairnly::ItemEditorSetup>(setup);
    TPubInfo::Hooks hooks;
    hooks.entryProblem = [this](const cairnly::ItemEntry& entry) { return rows->entryProblem(entry); };
    hooks.addNow = [this](const cairnly::ItemEntry& entry) {
        return rows->addItem(entry, cairnly::AddSource::EditorButton);
    };
    hooks.converter = &weightConverter;
    hooks.metric = rows->metric();
    TPubInfo dialog(TPubInfo::Mode::Add, TPubInfoXfer{editor.categories, editor.entry, editor.columnHeadings}, hooks,
                    prompts, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    if (auto refusal = rows->addItem(dialog.transfer().entry, cairnly::AddSource::Command))
        show(*refusal);
}

void TVelder99DlgClient::modifyItem()
{
    const QList<int> highlighted = view->highlightedRows();
    auto setup = rows->modifySetup(toVector(highlighted));
    if (auto* refusal = std::get_if<Message>(&setup)) {
        show(*refusal);
        return;
    }
    const int row = highlighted.front();
    const auto& editor = std::get<cairnly::ItemEditorSetup>(setup);
    TPubInfo::Hooks hooks;
    hooks.entryProblem = [this, row](const cairnly::ItemEntry& entry) { return rows->entryProblem(entry, row); };
    hooks.converter = &weightConverter;
    hooks.metric = rows->metric();
    TPubInfo dialog(TPubInfo::Mode::Modify, TPubInfoXfer{editor.categories, editor.entry, editor.columnHeadings}, hooks,
                    prompts, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    if (auto refusal = rows->modifyItem(row, dialog.transfer().entry))
        show(*refusal);
}

void TVelder99DlgClient::deleteItems()
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

void TVelder99DlgClient::selectAll()
{
    if (auto refusal = rows->selectAll())
        show(*refusal);
}

void TVelder99DlgClient::clearSelected()
{
    if (auto refusal = rows->clearSelected())
        show(*refusal);
}

void TVelder99DlgClient::toggleHideSelected()
{
    const bool on = !rows->hideSelected();
    std::vector<Message> messages;
    {
        BusyCursor busy(on);
        messages = rows->setHideSelected(on);
    }
    showAll(messages);
}

void TVelder99DlgClient::toggleHideNonSelected()
{
    setHideNonSelected(!rows->hideNonSelected());
}

void TVelder99DlgClient::setHideNonSelected(bool on)
{
    std::vector<Message> messages;
    {
        BusyCursor busy(!on);
        messages = rows->setHideNonSelected(on);
    }
    showAll(messages);
    hideNonSelectedBox->setChecked(rows->hideNonSelected());
}

void TVelder99DlgClient::expandAll()
{
    rows->setAllGroups(false);
}

void TVelder99DlgClient::collapseAll()
{
    rows->setAllGroups(true);
}

void TVelder99DlgClient::notAvailableYet()
{
    show(Message{"This command is not available yet.", cairnly::applicationName, cairnly::MessageIcon::Information,
                 MessageButtons::Ok});
}

void TVelder99DlgClient::convert()
{
    if (auto refusal = rows->convert())
        show(*refusal);
}

// --- The list -------------------------------------------------------------------------------------

void TVelder99DlgClient::removeFromGroup()
{
    if (rightClickedRow < 0)
        return;
    if (auto refusal = rows->removeFromGroup(rightClickedRow))
        show(*refusal);
    rightClickedRow = -1;
}

void TVelder99DlgClient::dropOnRow(int source, int target)
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
    TCreateGroupDialog dialog(
        *request, [this](const std::string& name) { return rows->groupNameProblem(name); }, prompts, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    const int row = rows->createGroup(source, target, dialog.transfer().name, dialog.transfer().notes);
    if (row >= 0)
        view->scrollTo(model->index(row, 0));
}

void TVelder99DlgClient::rowClicked(const QModelIndex& index)
{
    if (index.isValid() && index.column() == 1)
        rows->toggleGroup(index.row());
}

void TVelder99DlgClient::rowDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= rows->rowCount())
        return;
    if (rows->kind(index.row()) == RowKind::Group && index.column() == 1)
        return;
    modifyItem();
}

void TVelder99DlgClient::rowRightClicked(int row, const QPoint& globalPosition)
{
    if (row < 0 || row >= rows->rowCount() || rows->kind(row) != RowKind::Member)
        return;
    view->selectionModel()->setCurrentIndex(model->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    rightClickedRow = row;
    memberMenu->popup(globalPosition);
}

void TVelder99DlgClient::headerClicked(int column)
{
    rows->sortByColumn(column);
}
