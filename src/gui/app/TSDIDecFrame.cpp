#include "TSDIDecFrame.h"

#include "app/TVelder99DlgClient.h"
#include "icons/Icons.h"
#include "settings/RecentFiles.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

TSDIDecFrame::TSDIDecFrame(TVelder99DlgClient* client, cairnly::RecentFiles& recentFiles, QWidget* parent)
    : QMainWindow(parent), mainClient(client), recentFiles(recentFiles)
{
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(cairnlyIcon("cairnly"));
    setCentralWidget(client);
    setMinimumSize(548, 394);
    buildMenus();
    setWindowTitle(client->title());
    resize(client->designSize() + QSize(0, menuBar()->sizeHint().height()));
    connect(client, &TVelder99DlgClient::titleChanged, this, &QWidget::setWindowTitle);
    connect(client, &TVelder99DlgClient::recentFilesChanged, this, &TSDIDecFrame::updateRecentFiles);
    connect(client, &TVelder99DlgClient::closeRequested, this, &QWidget::close);
}

void TSDIDecFrame::buildMenus()
{
    const TVelder99DlgClient::Commands& c = mainClient->commands();
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addActions({c.open, c.save, c.saveAs});
    fileMenu->addSeparator();
    fileMenu->addActions({c.print, c.exportList});
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

void TSDIDecFrame::updateRecentFiles()
{
    qDeleteAll(recentActions);
    recentActions.clear();
    int number = 1;
    for (const auto& file : recentFiles.entries()) {
        const QString name = QString::fromStdString(file.string());
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(number++).arg(name), this);
        action->setObjectName(QStringLiteral("recentFileAction%1").arg(number - 1));
        connect(action, &QAction::triggered, mainClient, [this, name] { mainClient->openRecentFile(name); });
        fileMenu->insertAction(recentSeparator, action);
        recentActions.append(action);
    }
    recentTopSeparator->setVisible(!recentActions.isEmpty());
}

void TSDIDecFrame::closeEvent(QCloseEvent* event)
{
    // The hide modes refuse first; then the list is written, and a failed write lets the user stay.
    if (!mainClient->canClose() || !mainClient->saveAtClose(geometry())) {
        event->ignore();
        return;
    }
    event->accept();
}
