// The window by the keyboard alone, through real key events: Tab between the controls, Space ticking, F10
// opening the menus, and Convert reached from the Entry menu.
#include "MainWindowSupport.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

class KeyboardTest : public MainWindowTest
{
protected:
    void activate()
    {
        app->mainWindow().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app->mainWindow()));
    }

    // The object names of the widgets the focus goes to, one key press after another.
    QStringList focusAfter(int presses, Qt::KeyboardModifiers modifiers)
    {
        QStringList names;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    }

    QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
};

} // namespace

TEST_F(KeyboardTest, TabGoesFromTheListToTheButtonsTopToBottomThenTheCheckBoxAndClearSelectedAndBack)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    addThroughEditor("Tent", "Pegs", "3");
    tick(0); // the check box and Clear Selected take the focus only while something is ticked
    activate();
    ASSERT_EQ(QApplication::focusWidget(), view()); // the list has it at start
    view()->setCurrentIndex(model()->index(0, 1));

    const QStringList forward{
        "addButton",           "deleteButton", "modifyButton",  "configureButton", "totalsButton",
        "printButton",         "exportButton", "convertButton", "closeButton",     "hideNonSelectedCheckBox",
        "clearSelectedButton", "gearListView"};
    EXPECT_EQ(focusAfter(12, Qt::NoModifier), forward);
    QStringList backward(forward.rbegin() + 1, forward.rend());
    backward << "gearListView";
    EXPECT_EQ(focusAfter(12, Qt::ShiftModifier), backward);
    EXPECT_EQ(view()->currentIndex(), model()->index(0, 1)); // Tab never moved inside the list
}

TEST_F(KeyboardTest, SpaceTicksTheCurrentRowInAnyColumnAndEveryHighlightedRowWithIt)
{
    start();
    addThroughEditor("Tent", "a", "1");
    addThroughEditor("Tent", "b", "2");
    addThroughEditor("Tent", "c", "4");
    auto current = [this](int row, int column) {
        view()->selectionModel()->setCurrentIndex(model()->index(row, column), QItemSelectionModel::NoUpdate);
    };
    auto space = [this] {
        QTest::keyClick(view(), Qt::Key_Space);
        QApplication::processEvents();
    };

    highlight({1});
    current(1, 2);
    space();
    EXPECT_EQ(shownRows(), (Lines{"- Tent|a|1.00|", "x |b|2.00|", "- |c|4.00|"}));
    EXPECT_EQ(totalLine(), "2.00 oz. (0.12 lbs)");
    current(1, 3);
    space();
    EXPECT_EQ(shownRows(), (Lines{"- Tent|a|1.00|", "- |b|2.00|", "- |c|4.00|"}));

    // Several highlighted: each takes the opposite of the current row's tick.
    const struct
    {
        QList<int> highlighted;
        int currentRow;
        Lines shown;
    } steps[] = {
        {{0, 2}, 2, {"x Tent|a|1.00|", "- |b|2.00|", "x |c|4.00|"}},
        {{0, 1, 2}, 1, {"x Tent|a|1.00|", "x |b|2.00|", "x |c|4.00|"}},
        {{1, 2}, 2, {"x Tent|a|1.00|", "- |b|2.00|", "- |c|4.00|"}},
        {{1, 2}, 0, {"- Tent|a|1.00|", "- |b|2.00|", "- |c|4.00|"}}, // the current row goes with them
    };
    for (const auto& step : steps) {
        highlight(step.highlighted);
        current(step.currentRow, 1);
        space();
        EXPECT_EQ(shownRows(), step.shown) << step.currentRow;
    }
    EXPECT_EQ(totalLine(), "0.00 oz. (0.00 lbs)");

    // While a hide mode is on the ticks stay, and the user is told why.
    highlight({0});
    current(0, 1);
    space();
    commands().hideSelected->trigger();
    highlight({0});
    current(0, 1);
    space();
    EXPECT_EQ(prompts.shown.back().text, "Please select the \"Show Selected\" menu item before changing the list");
    EXPECT_EQ(shownRows(), (Lines{"- Tent|b|2.00|", "- |c|4.00|"}));
    commands().hideSelected->trigger();
}

TEST_F(KeyboardTest, F10OpensTheFileMenuTheArrowsTheOthersAndConvertIsInTheEntryMenuAsTheButtonIs)
{
    start();
    auto* button = widget<QPushButton>("convertButton");
    EXPECT_FALSE(commands().convert->isEnabled());
    EXPECT_FALSE(button->isEnabled());
    addThroughEditor("Cooking", "Pot", "16");
    EXPECT_TRUE(commands().convert->isEnabled());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(button->text(), "Convert...");
    activate();

    QTest::keyClick(view(), Qt::Key_F10);
    ASSERT_NE(openMenu(), nullptr);
    EXPECT_EQ(openMenu()->title(), "&File");
    QTest::keyClick(openMenu(), Qt::Key_Right);
    ASSERT_NE(openMenu(), nullptr);
    QMenu* entry = openMenu();
    EXPECT_EQ(entry->title(), "&Entry");
    const QList<QAction*> actions = entry->actions();
    const qsizetype totals = actions.indexOf(commands().totals);
    ASSERT_GE(totals, 0);
    ASSERT_LT(totals + 1, actions.size());
    EXPECT_EQ(actions[totals + 1]->text(), "Con&vert...");

    QTest::keyClick(entry, Qt::Key_V);
    EXPECT_EQ(openMenu(), nullptr);
    EXPECT_EQ(model()->headerData(2, Qt::Horizontal).toString(), "Weight (gm)");
    EXPECT_EQ(shownRows(), (Lines{"- Cooking|Pot|454.00|"}));
}
