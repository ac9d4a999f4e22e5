#pragma once

#include "core/reports/ExportChoices.h"

#include <QMainWindow>

class Autosave;
class Desktop;
class DialogRunner;
class MainPanel;
class Prompts;
class QMenu;
namespace cairnly {
class GearDocument;
class RecentFiles;
} // namespace cairnly

// The main window: the menu bar over the main panel, which fills the rest. The window owns the commands
// that concern the whole document (files, printing, export, the program); the panel owns the list's.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    struct Commands
    {
        QAction* open;
        QAction* save;
        QAction* saveAs;
        QAction* print;
        QAction* printPreview;
        QAction* exportList;
        QAction* importLighterPack;
        QAction* exportLighterPack;
        QAction* exit;
        QAction* about;
        QAction* emailMe;
    };

    MainWindow(cairnly::GearDocument& document, Prompts& prompts, DialogRunner& runner, Desktop& desktop,
               cairnly::RecentFiles& recentFiles);
    ~MainWindow() override;

    MainPanel* mainPanel() const { return panel; }
    const Commands& commands() const { return command; }
    QString title() const;
    // Lays out the columns and reads the working file, as at every start.
    void loadWorkingList();
    // From now on a change of size widens or narrows the columns.
    void startTrackingResizes();
    // The close of a signal or a logout, with no one there to answer: the list is written (not in a hide
    // mode, when the working file holds it already), a failure goes to the error stream.
    void saveUnattended();
    Autosave& autosave() const { return *autosaver; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCommands();
    void buildMenus();
    void updateStates();
    void updateRecentFiles();
    void rememberFile();
    void storeWindowRect();
    void showOpened(const std::filesystem::path& file, const std::vector<cairnly::Message>& messages);

    void openFile();
    void openRecentFile(const QString& name);
    void saveFile();
    void saveFileAs();
    void printList();
    void previewList();
    void exportList();
    void importLighterPackCsv();
    void exportLighterPackCsv();
    void showAbout();
    void emailMe();

    cairnly::GearDocument& document;
    Prompts& prompts;
    DialogRunner& runner;
    Desktop& desktop;
    cairnly::RecentFiles& recentFiles;
    cairnly::ExportChoices exportChoices; // the Export dialog's, for the whole run
    MainPanel* panel = nullptr;
    Autosave* autosaver = nullptr;
    Commands command{};
    QMenu* fileMenu = nullptr;
    QList<QAction*> recentActions;
    QAction* recentTopSeparator = nullptr; // shown only above recent files
    QAction* recentSeparator = nullptr;
};
