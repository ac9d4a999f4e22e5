#pragma once

#include "core/list/WeightFieldConverter.h"
#include "core/model/Message.h"

#include <QWidget>

#include <optional>
#include <variant>
#include <vector>

class DialogRunner;
class GearListView;
class GearTableModel;
class Prompts;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
namespace cairnly {
class GearDocument;
class GearList;
enum class Mark;
struct ControlStates;
} // namespace cairnly

// The main window's client: the gear list, the buttons and the total line, and the list's commands. It
// shows the document's state and hands the user's actions to the list.
class MainPanel : public QWidget
{
    Q_OBJECT
public:
    struct Commands
    {
        QAction* undo;
        QAction* redo;
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
        QAction* convert;
        QAction* categories;
        QAction* generalOptions;
        QAction* addColumn;
        QAction* deleteColumn;
        QAction* modifyColumn;
        QAction* removeFromGroup;
        QAction* markWorn;
        QAction* markConsumable;
    };
    struct Buttons
    {
        QPushButton* add;
        QPushButton* remove;
        QPushButton* modify;
        QPushButton* configure;
        QPushButton* totals;
        QPushButton* print;
        QPushButton* exportList;
        QPushButton* convert;
        QPushButton* close;
        QPushButton* clearSelected;
    };

    MainPanel(cairnly::GearDocument& document, Prompts& prompts, DialogRunner& runner, QWidget* parent);

    GearListView* listView() const { return view; }
    GearTableModel* tableModel() const { return model; }
    const Commands& commands() const { return command; }
    const Buttons& buttons() const { return button; }
    int highlightedCount() const;
    // The size the controls are laid out for before any resizing.
    QSize designSize() const;
    void showStates(const cairnly::ControlStates& states);

    // Gives the list its client width before the columns are laid out at start-up.
    void prepareColumns();
    // From now on a change of size widens or narrows the columns.
    void startTrackingResizes();
    // Watches the buttons, and the menu bar it is installed on, for the buttons' mnemonics.
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* makeButton(const char* name, const QString& text, const char* icon);
    void buildCommands();
    void buildControls();
    void placeControls(QSize size);
    QRect fromLayoutUnits(int x, int y, int width, int height) const;
    void selectionChanged();
    void showBackground();
    void applyColumnLayout();
    bool pressButtonWithMnemonic(const QKeySequence& key);
    void show(const cairnly::Message& message);
    bool refused(const std::optional<cairnly::Message>& refusal);

    void addItem();
    void deleteItems();
    void modifyItem();
    void undo();
    void redo();
    void showStep(const std::variant<cairnly::Message, std::vector<int>>& step);
    void selectAll();
    void clearSelected();
    void expandAll();
    void collapseAll();
    void toggleHideSelected();
    void toggleHideNonSelected();
    void setHideNonSelected(bool on);
    void showTotals();
    void configureCategories();
    void configure();
    void addColumn();
    void deleteColumns();
    void modifyColumn();
    void convert();
    void markWorn();
    void toggleMark(cairnly::Mark mark);
    void markConsumable();
    void removeFromGroup();
    void dropOnRow(int source, int target);
    void toggleTicks(int currentRow);
    void rowClicked(const QModelIndex& index);
    void rowDoubleClicked(const QModelIndex& index);
    void rowRightClicked(int row, const QPoint& globalPosition);

    cairnly::GearDocument& document;
    cairnly::GearList& list;
    Prompts& prompts;
    DialogRunner& runner;
    cairnly::WeightFieldConverter weightConverter; // one direction for the whole run
    GearTableModel* model = nullptr;
    GearListView* view = nullptr;
    Commands command{};
    Buttons button{};
    QMenu* listMenu = nullptr; // the list's right-click menu
    QAction* memberSeparator = nullptr;
    int rightClickedRow = -1;
    QLabel* totalCaption = nullptr;
    QLabel* totalLine = nullptr;
    QCheckBox* hideNonSelectedBox = nullptr;

    // The design is laid out in units of a quarter of the font's average character width across and an
    // eighth of its height down, so it scales with the font.
    double unitX = 1.5;
    double unitY = 1.625;
    bool trackingResizes = false;
    int lastWidth = 0;
    bool applyingLayout = false;
};
