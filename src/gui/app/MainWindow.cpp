#include "gui/app/MainWindow.h"

#include "core/settings/RecentFiles.h"
#include "gui/app/MainPanel.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

MainWindow::MainWindow(MainPanel* client, cairnly::RecentFiles& recentFiles, QWidget* parent)
    : QMainWindow(parent), panel(client), recentFiles(recentFiles)
{
    setObjectName(QStringLiteral("mainWindow"));
    setCentralWidget(client);
    buildMenus();
    menuBar()->installEventFilter(client); // a button's mnemonic comes before a menu's
    setWindowTitle(client->title());
    // The window opens at its design size and cannot be made smaller, or the controls would overlap.
    const QSize opening = (client->designSize() + QSize(0, menuBar()->sizeHint().height())).expandedTo(QSize(548, 394));
    setMinimumSize(opening);
    resize(opening);
    connect(client, &MainPanel::titleChanged, this, &QWidget::setWindowTitle);
    connect(client, &MainPanel::recentFilesChanged, this, &MainWindow::updateRecentFiles);
    connect(client, &MainPanel::closeRequested, this, &QWidget::close);
}

void MainWindow::buildMenus()
{
    const MainPanel::Commands& c = panel->commands();
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addActions({c.open, c.save, c.saveAs});
    fileMenu->addSeparator();
    fileMenu->addActions({c.print, c.printPreview, c.exportList, c.importLighterPack, c.exportLighterPack});
    recentTopSeparator = fileMenu->addSeparator();
    recentSeparator = fileMenu->addSeparator();
    fileMenu->addAction(c.exit);

    QMenu* entry = menuBar()->addMenu(tr("&Entry"));
    entry->addActions({c.add, c.remove, c.modify});
    entry->addSeparator();
    entry->addActions({c.selectAll, c.clearSelected, c.hideSelected, c.hideNonSelected});
    entry->addSeparator();
    entry->addActions({c.expandAll, c.collapseAll});
    entry->addSeparator();
    entry->addAction(c.totals);

    QMenu* configure = menuBar()->addMenu(tr("&Configure"));
    configure->addActions({c.categories, c.generalOptions});

    QMenu* column = menuBar()->addMenu(tr("C&olumn"));
    column->addActions({c.addColumn, c.deleteColumn, c.modifyColumn});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addActions({c.about, c.emailMe});
    updateRecentFiles();
}

void MainWindow::updateRecentFiles()
{
    qDeleteAll(recentActions);
    recentActions.clear();
    int number = 1;
    for (const auto& file : recentFiles.entries()) {
        const QString name = QString::fromStdString(file.string());
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(number++).arg(name), this);
        action->setObjectName(QStringLiteral("recentFileAction%1").arg(number - 1));
        connect(action, &QAction::triggered, panel, [this, name] { panel->openRecentFile(name); });
        fileMenu->insertAction(recentSeparator, action);
        recentActions.append(action);
    }
    recentTopSeparator->setVisible(!recentActions.isEmpty());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The hide modes refuse first; then the list is written, and a failed write lets the user stay.
    if (!panel->canClose() || !panel->saveAtClose(geometry())) {
        event->ignore();
        return;
    }
    event->accept();
}
