#pragma once

#include <QMainWindow>

class QMenu;
class MainPanel;
namespace cairnly {
class RecentFiles;
}

// The main window: the menu bar over the main panel, which fills the rest.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(MainPanel* client, cairnly::RecentFiles& recentFiles, QWidget* parent = nullptr);

    MainPanel* mainPanel() const { return panel; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void updateRecentFiles();

    MainPanel* panel;
    cairnly::RecentFiles& recentFiles;
    QMenu* fileMenu = nullptr;
    QList<QAction*> recentActions;
    QAction* recentTopSeparator = nullptr; // shown only above recent files
    QAction* recentSeparator = nullptr;
};
