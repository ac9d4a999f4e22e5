#include "gui/app/MainWindow.h"

#include "core/document/ControlStates.h"
#include "core/document/GearDocument.h"
#include "core/files/ReportTarget.h"
#include "core/interchange/LighterPack.h"
#include "core/settings/RecentFiles.h"
#include "core/settings/SettingsStore.h"
#include "gui/app/Autosave.h"
#include "gui/app/MainPanel.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/ExportDialog.h"
#include "gui/dialogs/Printing.h"
#include "gui/listview/GearListView.h"
#include "gui/support/Actions.h"
#include "gui/support/BusyCursor.h"
#include "gui/support/Desktop.h"
#include "gui/support/DialogRunner.h"
#include "gui/support/Prompts.h"
#include "gui/support/SystemColors.h"
#include "gui/support/Text.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

#include <cstdio>

using cairnly::Message;

namespace {

QString listFilters()
{
    return QObject::tr("Gear Weight Files (*.dat);;Text Files (*.txt)");
}

QString lighterPackFilters()
{
    return QObject::tr("LighterPack CSV (*.csv);;All Files (*)");
}

} // namespace

MainWindow::MainWindow(cairnly::GearDocument& document, Prompts& prompts, DialogRunner& runner, Desktop& desktop,
                       cairnly::RecentFiles& recentFiles)
    : document(document), prompts(prompts), runner(runner), desktop(desktop), recentFiles(recentFiles)
{
    setObjectName(QStringLiteral("mainWindow"));
    buildCommands();
    panel = new MainPanel(document, prompts, runner, this);
    setCentralWidget(panel);
    const MainPanel::Buttons& buttons = panel->buttons();
    // The buttons run their commands whatever the menu entries' states: they have their own.
    connect(buttons.print, &QPushButton::clicked, this, &MainWindow::printList);
    connect(buttons.exportList, &QPushButton::clicked, this, &MainWindow::exportList);
    connect(buttons.close, &QPushButton::clicked, this, &QWidget::close);
    buildMenus();
    menuBar()->installEventFilter(panel); // a button's mnemonic comes before a menu's
    // The window opens at its design size and cannot be made smaller, or the controls would overlap.
    const QSize opening = (panel->designSize() + QSize(0, menuBar()->sizeHint().height())).expandedTo(QSize(548, 394));
    setMinimumSize(opening);
    resize(opening);
    autosaver = new Autosave(
        document, [this] { storeWindowRect(); },
        [this](const std::vector<Message>& messages) { this->prompts.showAll(this, messages); }, this);
    document.setStatesListener([this] {
        updateStates();
        autosaver->schedule();
    });
    updateStates();
}

MainWindow::~MainWindow()
{
    document.setStatesListener({});
}

void MainWindow::buildCommands()
{
    Commands& c = command;
    c.open = addCommand(this, "openAction", tr("&Open..."), &MainWindow::openFile);
    c.open->setShortcut(QKeySequence::Open);
    c.save = addCommand(this, "saveAction", tr("&Save"), &MainWindow::saveFile);
    c.save->setShortcut(QKeySequence::Save);
    c.saveAs = addCommand(this, "saveAsAction", tr("Save &As..."), &MainWindow::saveFileAs);
    c.saveAs->setShortcut(QKeySequence::SaveAs);
    c.print = addCommand(this, "printAction", tr("&Print..."), &MainWindow::printList);
    c.printPreview = addCommand(this, "printPreviewAction", tr("Print Pre&view..."), &MainWindow::previewList);
    c.exportList = addCommand(this, "exportAction", tr("&Export..."), &MainWindow::exportList);
    c.importLighterPack = addCommand(this, "importLighterPackAction", tr("&Import LighterPack CSV..."),
                                     &MainWindow::importLighterPackCsv);
    // Not "&Export": the Export entry has that letter.
    c.exportLighterPack = addCommand(this, "exportLighterPackAction", tr("Export &LighterPack CSV..."),
                                     &MainWindow::exportLighterPackCsv);
    // The menu shows the first shortcut beside the text, which a screen reader then reads as "Exit" alone.
    c.exit = new QAction(tr("E&xit"), this);
    c.exit->setObjectName(QStringLiteral("exitAction"));
    c.exit->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_F4), QKeySequence::Quit});
    connect(c.exit, &QAction::triggered, this, &QWidget::close);
    addAction(c.exit);
    c.about = addCommand(this, "aboutAction", tr("&About..."), &MainWindow::showAbout);
    c.emailMe = addCommand(this, "emailMeAction", tr("&Email me!"), &MainWindow::emailMe);
}

void MainWindow::buildMenus()
{
    const Commands& c = command;
    const MainPanel::Commands& p = panel->commands();
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addActions({c.open, c.save, c.saveAs});
    fileMenu->addSeparator();
    fileMenu->addActions({c.print, c.printPreview, c.exportList, c.importLighterPack, c.exportLighterPack});
    recentTopSeparator = fileMenu->addSeparator();
    recentSeparator = fileMenu->addSeparator();
    fileMenu->addAction(c.exit);

    QMenu* entry = menuBar()->addMenu(tr("&Entry"));
    entry->addActions({p.undo, p.redo});
    entry->addSeparator();
    entry->addActions({p.add, p.remove, p.modify});
    entry->addSeparator();
    entry->addActions({p.selectAll, p.clearSelected, p.hideSelected, p.hideNonSelected});
    entry->addSeparator();
    entry->addActions({p.expandAll, p.collapseAll});
    entry->addSeparator();
    entry->addActions({p.totals, p.convert});
    entry->addSeparator();
    entry->addActions({p.markWorn, p.markConsumable});

    QMenu* configure = menuBar()->addMenu(tr("&Configure"));
    configure->addActions({p.categories, p.generalOptions});

    QMenu* column = menuBar()->addMenu(tr("C&olumn"));
    column->addActions({p.addColumn, p.deleteColumn, p.modifyColumn});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addActions({c.about, c.emailMe});
    updateRecentFiles();

    // F10 opens the first menu, as on other desktops; the arrows go on from there.
    auto* openMenus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openMenus, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(fileMenu->menuAction()); });
}

QString MainWindow::title() const
{
    return QStringLiteral("%1 - %2").arg(QString::fromLatin1(cairnly::applicationName),
                                         fromPath(document.currentDataFile()));
}

void MainWindow::updateStates()
{
    const cairnly::ControlStates states = cairnly::controlStates(document.list(), panel->highlightedCount());
    panel->showStates(states);
    const cairnly::MenuStates& m = states.menus;
    command.save->setEnabled(m.save);
    command.saveAs->setEnabled(m.saveAs);
    command.print->setEnabled(m.print);
    command.printPreview->setEnabled(m.print);
    command.exportList->setEnabled(m.exportList);
    command.exportLighterPack->setEnabled(m.exportList);
    setWindowTitle(title());
}

void MainWindow::updateRecentFiles()
{
    qDeleteAll(recentActions);
    recentActions.clear();
    int number = 1;
    for (const auto& file : recentFiles.entries()) {
        const QString name = fromPath(file);
        auto* action = new QAction(tr("&%1 %2").arg(number++).arg(name), this);
        action->setObjectName(QStringLiteral("recentFileAction%1").arg(number - 1));
        connect(action, &QAction::triggered, this, [this, name] { openRecentFile(name); });
        fileMenu->insertAction(recentSeparator, action);
        recentActions.append(action);
    }
    recentTopSeparator->setVisible(!recentActions.isEmpty());
}

void MainWindow::rememberFile()
{
    recentFiles.add(document.currentDataFile());
    if (const auto error = recentFiles.save())
        prompts.show(
            this, cairnly::writeError(cairnly::settingsWriteFailureText(document.applicationSettingsFile(), *error)));
    updateRecentFiles();
}

void MainWindow::storeWindowRect()
{
    // Right and bottom are exclusive, as the stored rectangle has them.
    const QRect frame = geometry();
    document.setWindowRect({frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()});
}

void MainWindow::loadWorkingList()
{
    panel->prepareColumns();
    document.applySettingsLayout();
    prompts.showAll(this, document.loadWorkingFile());
}

void MainWindow::startTrackingResizes()
{
    panel->startTrackingResizes();
}

void MainWindow::saveUnattended()
{
    autosaver->stop();
    if (document.hideNonSelected() || document.hideSelected())
        return;
    storeWindowRect();
    for (const Message& message : document.write().messages)
        std::fprintf(stderr, "Cairnly: %s\n", message.text.c_str());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The hide modes refuse first; then the list is written, and a failed write lets the user stay.
    if (prompts.refused(this, document.closeRefusal())) {
        event->ignore();
        return;
    }
    autosaver->stop(); // the write below is the newest
    storeWindowRect();
    const cairnly::WriteReport report = document.write();
    prompts.showAll(this, report.messages);
    if (report.failed &&
        !prompts.ask(this, Message{"The list could not be saved. Close anyway and lose the changes?", "Error",
                                   cairnly::MessageIcon::Question, cairnly::MessageButtons::YesNo})) {
        event->ignore();
        return;
    }
    event->accept();
}

// --- Files ----------------------------------------------------------------------------------------

void MainWindow::showOpened(const std::filesystem::path& file, const std::vector<Message>& messages)
{
    prompts.showAll(this, messages);
    if (document.currentDataFile() == file)
        rememberFile();
}

void MainWindow::openFile()
{
    const auto name = prompts.openFileName(this, {tr("Open a Gear Weight Data File"), listFilters()});
    if (!name)
        return;
    const std::filesystem::path file = toPath(*name);
    std::vector<Message> messages;
    {
        BusyCursor busy;
        messages = document.openFile(file);
    }
    showOpened(file, messages);
}

void MainWindow::openRecentFile(const QString& name)
{
    const std::filesystem::path file = toPath(name);
    showOpened(file, document.openFile(file));
}

void MainWindow::saveFile()
{
    if (prompts.refused(this, document.saveRefusal()))
        return;
    rememberFile();
    storeWindowRect();
    prompts.showAll(this, document.write(document.currentDataFile()).messages);
}

void MainWindow::saveFileAs()
{
    if (prompts.refused(this, document.saveRefusal()))
        return;
    const auto name = prompts.saveFileName(this, {tr("Save Current Configuration As..."), listFilters()});
    if (!name)
        return;
    const std::filesystem::path file = toPath(*name);
    storeWindowRect();
    std::vector<Message> messages;
    {
        BusyCursor busy;
        messages = document.saveAs(file);
    }
    showOpened(file, messages);
}

// --- Reports --------------------------------------------------------------------------------------

void MainWindow::printList()
{
    if (auto error = printGearList(document, runner, this))
        prompts.show(this, *error);
}

void MainWindow::previewList()
{
    previewGearList(document, runner, this);
}

void MainWindow::exportList()
{
    cairnly::readExportSettings(exportChoices, document.settingsFile());
    ExportDialog dialog(exportChoices, desktop.canSendMail(), document.listFiles(), prompts, this);
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    exportChoices = dialog.choices();
    document.setExportSettings(exportChoices.paths, exportChoices.includeNotes);
    cairnly::ExportOutcome outcome;
    {
        BusyCursor busy;
        outcome = cairnly::runExport(document.list(), document.settings(), exportChoices, systemColor);
    }
    prompts.showAll(this, outcome.messages);
    if (outcome.mailAttachment)
        desktop.sendMail(this, fromPath(*outcome.mailAttachment), fromPath(outcome.mailAttachment->filename()));
}

void MainWindow::importLighterPackCsv()
{
    if (prompts.refused(this, document.list().changeRefusal()))
        return;
    const auto name = prompts.openFileName(this, {tr("Import LighterPack CSV"), lighterPackFilters()});
    if (!name)
        return;
    cairnly::FileCommandOutcome outcome;
    {
        BusyCursor busy;
        outcome = cairnly::importLighterPack(document.list(), toPath(*name));
    }
    prompts.show(this, outcome.message);
}

void MainWindow::exportLighterPackCsv()
{
    const auto name = prompts.saveFileName(this, {tr("Export LighterPack CSV"), lighterPackFilters()});
    if (!name || prompts.refused(this, cairnly::reportTargetRefusal(toPath(*name), document.listFiles())))
        return;
    prompts.show(this, cairnly::exportLighterPack(document.list(), toPath(*name)).message);
}

// --- Help -----------------------------------------------------------------------------------------

void MainWindow::showAbout()
{
    AboutDialog dialog(AboutDialog::tutorialLocation(), desktop, prompts, this);
    runner.run(dialog);
}

void MainWindow::emailMe()
{
    // Whether a mail program answers is not checked: there is nothing more the program could do.
    desktop.openUrl(QUrl(QStringLiteral("mailto:%1?subject=Cairnly Help").arg(QString::fromLatin1(supportAddress))));
}
