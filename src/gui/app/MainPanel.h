#pragma once

#include "core/list/GearRows.h"
#include "core/list/WeightFieldConverter.h"
#include "core/reports/ExportChoices.h"
#include "core/settings/RecentFiles.h"
#include "core/settings/Startup.h"

#include <QWidget>

#include <memory>

class Desktop;
class DialogRunner;
class GearTableModel;
class Prompts;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class GearListView;

// The main window's client: the gear list, the buttons, the total line and every command. It shows the
// core's state and hands the user's actions to the core.
class MainPanel : public QWidget
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
        QAction* add;
        QAction* remove;
        QAction* modify;
        QAction* selectAll;
        QAction* clearSelected;
        QAction* hideSelected;
        QAction* hideNonSelected;
        QAction* expandAll;
        QAction* collapseAll;
        QAction* totals;
        QAction* categories;
        QAction* generalOptions;
        QAction* addColumn;
        QAction* deleteColumn;
        QAction* modifyColumn;
        QAction* about;
        QAction* emailMe;
        QAction* removeFromGroup;
    };

    MainPanel(const cairnly::StartupState& startup, Prompts& prompts, DialogRunner& runner, Desktop& desktop,
              cairnly::RecentFiles& recentFiles, QWidget* parent = nullptr);
    ~MainPanel() override;

    cairnly::GearRows& gearRows() { return *rows; }
    GearListView* listView() const { return view; }
    GearTableModel* tableModel() const { return model; }
    const Commands& commands() const { return command; }
    QString title() const;
    // The size the controls are laid out for before any resizing.
    QSize designSize() const;

    // Lays out the columns and reads the working file, as at every start.
    void loadWorkingList();
    // From now on a change of size widens or narrows the columns.
    void startTrackingResizes();
    // The close check: refused while a hide mode is on.
    bool canClose();
    // Writes the working file at closing; false when it failed and the user keeps the window open.
    bool saveAtClose(const QRect& frameGeometry);
    void openRecentFile(const QString& file);
    // Watches the buttons, and the menu bar it is installed on, for the buttons' mnemonics.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void titleChanged(const QString& title);
    void recentFilesChanged();
    void closeRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* makeAction(const char* name, const QString& text, void (MainPanel::*handler)());
    QPushButton* makeButton(const char* name, const QString& text, const char* icon, QAction* command);
    void buildCommands();
    void buildControls();
    void placeControls(QSize size);
    QRect fromLayoutUnits(int x, int y, int width, int height) const;
    void updateStates();
    void showBackground();
    void applyColumnLayout();
    bool pressButtonWithMnemonic(const QKeySequence& key);
    void show(const cairnly::Message& message);
    void showAll(const std::vector<cairnly::Message>& messages);
    void rememberFile();

    void openFile();
    void saveFile();
    void saveFileAs();
    void exitProgram();
    void addItem();
    void deleteItems();
    void modifyItem();
    void selectAll();
    void clearSelected();
    void toggleHideSelected();
    void toggleHideNonSelected();
    void setHideNonSelected(bool on);
    void expandAll();
    void collapseAll();
    void printList();
    void previewList();
    void exportList();
    void importLighterPackCsv();
    void exportLighterPackCsv();
    void showTotals();
    void configureCategories();
    void configure();
    void addColumn();
    void deleteColumns();
    void modifyColumn();
    void showAbout();
    void emailMe();
    void convert();
    void removeFromGroup();
    void dropOnRow(int source, int target);
    void rowClicked(const QModelIndex& index);
    void rowDoubleClicked(const QModelIndex& index);
    void rowRightClicked(int row, const QPoint& globalPosition);
    void headerClicked(int column);

    Prompts& prompts;
    DialogRunner& runner;
    Desktop& desktop;
    cairnly::RecentFiles& recentFiles;
    std::unique_ptr<cairnly::GearRows> rows;
    cairnly::WeightFieldConverter weightConverter; // one direction for the whole run
    cairnly::ExportChoices exportChoices;          // the Export dialog's, for the whole run
    GearTableModel* model = nullptr;
    GearListView* view = nullptr;
    Commands command{};
    QMenu* memberMenu = nullptr;
    int rightClickedRow = -1;

    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* modifyButton = nullptr;
    QPushButton* configureButton = nullptr;
    QPushButton* totalsButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* convertButton = nullptr;
    QPushButton* closeButton = nullptr;
    QLabel* totalCaption = nullptr;
    QLabel* totalLine = nullptr;
    QCheckBox* hideNonSelectedBox = nullptr;
    QPushButton* clearSelectedButton = nullptr;

    // The design is laid out in units of a quarter of the font's average character width across and an
    // eighth of its height down, so it scales with the font.
    double unitX = 1.5;
    double unitY = 1.625;
    bool trackingResizes = false;
    int lastWidth = 0;
    bool applyingLayout = false;
};
