#pragma once

#include <QMainWindow>

class QMenu;
class TVelder99DlgClient;
namespace cairnly {
class RecentFiles;
}

// The main window: the menu bar over the main client, which fills the rest.
class TSDIDecFrame : public QMainWindow
{
    Q_OBJECT
public:
    TSDIDecFrame(TVelder99DlgClient* client, cairnly::RecentFiles& recentFiles, QWidget* parent = nullptr);

    TVelder99DlgClient* client() const { return mainClient; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void updateRecentFiles();

    TVelder99DlgClient* mainClient;
    cairnly::RecentFiles& recentFiles;
    QMenu* fileMenu = nullptr;
    QList<QAction*> recentActions;
    QAction* recentTopSeparator = nullptr; // shown only above recent files
    QAction* recentSeparator = nullptr;
};
