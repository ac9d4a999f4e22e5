#include "DataFileBytes.h"
#include "MainWindowSupport.h"

#include "core/files/DataFile.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsStore.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::MessageIcon;
using cairnly::test::count0;
using cairnly::test::defaultCategoryLines;
using cairnly::test::header;
using cairnly::test::Image;
using cairnly::test::itemImage;
using cairnly::test::sortedCategoryLines;

namespace {

Message important(const std::string& text)
{
    return Message{text, "Important!", MessageIcon::Exclamation, MessageButtons::Ok};
}

} // namespace

TEST_F(MainWindowTest, AFirstStartInAnEmptyFolderAsksForTheUnitsOnce)
{
    start(false);
    EXPECT_EQ(runner.ran, (std::vector<QString>{"weightUnitsDialog"}));
    EXPECT_EQ(app->mainWindow().windowTitle(),
              "Cairnly - " + QString::fromStdString((folder / "GearData.dat").string()));
    EXPECT_EQ(totalLine(), "0.00 oz. (0.00 lbs)");
    EXPECT_EQ(model()->headerData(2, Qt::Horizontal).toString(), "Weight (oz)");

    runner.steps.push_back([](QDialog& dialog) {
        auto* box = dialog.findChild<QComboBox*>("categoryComboBox");
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->itemText(i);
        EXPECT_EQ(shown, (QStringList{"Backpacks", "Clothes", "Cooking", "First Aid", "Miscellaneous", "Rain Gear",
                                      "Sleeping", "Tent"}));
        EXPECT_EQ(box->currentText(), "Sleeping");
        return press(dialog, "cancelButton");
    });
    commands().add->trigger();
    EXPECT_EQ(rows().rowCount(), 0);

    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read("GearData.dat"), header + defaultCategoryLines);
    EXPECT_NE(folder.read("GearData.ini"), "<missing>");

    start(std::nullopt);
    EXPECT_EQ(runner.ran, (std::vector<QString>{"weightUnitsDialog", "itemEditorDialog"})); // no units dialog again
    EXPECT_EQ(rows().categories().size(), 8u);
}

TEST_F(MainWindowTest, AMetricFirstStartShowsGrams)
{
    start(true);
    EXPECT_EQ(model()->headerData(2, Qt::Horizontal).toString(), "Weight (gm)");
    addThroughEditor("Tent", "Tent", "1500");
    tick(0);
    EXPECT_EQ(totalLine(), "1500.00 gm. (1.50 kg)");
}

TEST_F(MainWindowTest, ItemsAddedThroughTheEditorStandInTheirCategoryBlocks)
{
    start();
    addThroughEditor("Tent", "Fly", "12.5", "2");
    prompts.answers.push_back(true);
    addThroughEditor("Cooking", "Pot", "");
    EXPECT_EQ(prompts.shown.back(), (Message{"Are you sure you want to continue with no weight specified?", "No Weight",
                                             MessageIcon::Question, MessageButtons::YesNo}));
    rows().addColumn("Where", cairnly::FormatLeft);
    addThroughEditor("Tent", "Pegs", "3", "1", {"hip belt"});
    EXPECT_EQ(shownRows(), (Lines{"- Cooking|Pot|0.00||", "- Tent|Fly|25.00||", "- |Pegs|3.00||hip belt"}));
    EXPECT_EQ(rows().categories().front(), "Backpacks"); // the editor's OK read its sorted box back
}

TEST_F(MainWindowTest, TickingAndUntickingRewriteTheTotalLine)
{
    start();
    addThroughEditor("Tent", "Tent", "12.50");
    auto* clear = widget<QPushButton>("clearSelectedButton");
    auto* hide = widget<QCheckBox>("hideNonSelectedCheckBox");
    EXPECT_FALSE(clear->isEnabled());
    tick(0);
    EXPECT_EQ(totalLine(), "12.50 oz. (0.78 lbs)");
    EXPECT_TRUE(clear->isEnabled());
    EXPECT_TRUE(hide->isEnabled());
    tick(0, false);
    EXPECT_EQ(totalLine(), "0.00 oz. (0.00 lbs)");
    EXPECT_FALSE(clear->isEnabled());
    EXPECT_FALSE(hide->isEnabled());
    commands().selectAll->trigger();
    EXPECT_EQ(totalLine(), "12.50 oz. (0.78 lbs)");
    clear->click();
    EXPECT_EQ(totalLine(), "0.00 oz. (0.00 lbs)");
}

TEST_F(MainWindowTest, GroupsFormByADropAndOpenAndCloseByAClickOnTheItem)
{
    start();
    addThroughEditor("Cooking", "Pot", "5");
    addThroughEditor("Cooking", "Stove", "7");
    addThroughEditor("Miscellaneous", "Lighter", "0.5");
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLabel*>("promptLabel")->text(),
                  "If you would like to add \"Stove\" and \"Pot\" to a group, enter a group name below, and click OK");
        dialog.findChild<QLineEdit*>("groupNameEdit")->setText("Kitchen");
        return press(dialog, "okButton");
    });
    drop(rowShowing("Stove"), rowShowing("Pot"));
    EXPECT_EQ(runner.ran.back(), "createGroupDialog");
    EXPECT_EQ(shownRows(), (Lines{"- Cooking|+ Kitchen|12.00|", "- Miscellaneous|Lighter|0.50|"}));

    tick(0);
    drop(rowShowing("Lighter"), rowShowing("+ Kitchen"));
    EXPECT_EQ(shownRows(), (Lines{"x Cooking|+ Kitchen|12.50|"}));
    EXPECT_EQ(totalLine(), "12.50 oz. (0.78 lbs)");

    clickCell(0, 1);
    EXPECT_EQ(shownRows(),
              (Lines{"x Cooking|- Kitchen|12.50|", "x Miscellaneous|Lighter|0.50|", "x |Pot|5.00|", "x |Stove|7.00|"}));
    clickCell(0, 1);
    EXPECT_EQ(shownRows(), (Lines{"x Cooking|+ Kitchen|12.50|"}));
}

TEST_F(MainWindowTest, TheListsRightClickMenuHasUndoAndRedoAndForAMemberRemoveFromGroup)
{
    start();
    addThroughEditor("Cooking", "Pot", "5");
    addThroughEditor("Cooking", "Stove", "7");
    nameNextGroup("Kitchen");
    drop(1, 0);
    clickCell(0, 1);
    auto* menu = app->mainWindow().findChild<QMenu*>("listMenu");
    auto shownEntries = [menu] {
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (action->isVisible() && !action->isSeparator())
                texts << action->text();
        }
        return texts;
    };
    const QPoint onGroup = view()->visualRect(model()->index(0, 1)).center();
    QContextMenuEvent onGroupRow(QContextMenuEvent::Mouse, onGroup, view()->viewport()->mapToGlobal(onGroup));
    QApplication::sendEvent(view()->viewport(), &onGroupRow);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(shownEntries(), (QStringList{"&Undo Group", "&Redo"}));
    menu->hide();

    const QPoint onPot = view()->visualRect(model()->index(rowShowing("Pot"), 1)).center();
    QContextMenuEvent onMemberRow(QContextMenuEvent::Mouse, onPot, view()->viewport()->mapToGlobal(onPot));
    QApplication::sendEvent(view()->viewport(), &onMemberRow);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(shownEntries(), (QStringList{"&Undo Group", "&Redo", "&Remove from Group"}));
    menu->actions().back()->trigger();
    menu->hide();
    EXPECT_EQ(shownRows(), (Lines{"- Cooking|- Kitchen|7.00|", "x |Stove|7.00|", "- |Pot|5.00|"}));
}

// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) from the list; the entries name the step and highlight its rows.
TEST_F(MainWindowTest, UndoAndRedoNameTheirStepTakeTheirKeysAndAreRefusedInAHideMode)
{
    start();
    EXPECT_FALSE(commands().undo->isEnabled());
    EXPECT_EQ(commands().undo->text(), "&Undo");
    EXPECT_EQ(commands().redo->text(), "&Redo");
    addThroughEditor("Tent", "Fly", "12");
    addThroughEditor("Tent", "Pegs", "3");
    highlight({rowShowing("Fly")});
    prompts.answers.push_back(true);
    commands().remove->trigger();
    EXPECT_EQ(commands().undo->text(), "&Undo Delete");
    EXPECT_TRUE(commands().undo->isEnabled());

    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Fly|12.00|", "- |Pegs|3.00|"}));
    EXPECT_EQ(view()->highlightedRows(), QList<int>{0});
    EXPECT_EQ(commands().undo->text(), "&Undo Add Item");
    EXPECT_EQ(commands().redo->text(), "&Redo Delete");
    QTest::keyClick(view(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Pegs|3.00|"}));
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Pegs|3.00|"}));
    EXPECT_FALSE(commands().redo->isEnabled());

    tick(0);
    widget<QCheckBox>("hideNonSelectedCheckBox")->click();
    commands().undo->trigger();
    EXPECT_EQ(prompts.shown.back(),
              (Message{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list", "Important!",
                       MessageIcon::Exclamation}));
    widget<QCheckBox>("hideNonSelectedCheckBox")->click();
    commands().undo->trigger();
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Pegs|3.00|"}));
}

TEST_F(MainWindowTest, DeleteConfirmsAndDeletesTheHighlightedRows)
{
    start();
    for (const char* name : {"a", "b", "c", "d"})
        addThroughEditor("Tent", name, "1");
    widget<QPushButton>("deleteButton")->click();
    EXPECT_EQ(prompts.shown.back(), (Message{"Nothing Selected!", "Oops!", MessageIcon::Exclamation}));

    highlight({1});
    prompts.answers.push_back(true);
    commands().remove->trigger();
    EXPECT_EQ(prompts.shown.back().text, "Are you sure you want to delete\r\nb?");
    EXPECT_EQ(shownRows(), (Lines{"- Tent|a|1.00|", "- |c|1.00|", "- |d|1.00|"}));
    EXPECT_EQ(view()->highlightedRows(), (QList<int>{1}));

    highlight({0, 2});
    prompts.answers.push_back(false);
    commands().remove->trigger();
    EXPECT_EQ(rows().rowCount(), 3);
    prompts.answers.push_back(true);
    commands().remove->trigger();
    EXPECT_EQ(prompts.shown.back(), (Message{"Are you sure you want to delete these items?", "Confirm Delete",
                                             MessageIcon::Question, MessageButtons::YesNo}));
    EXPECT_EQ(shownRows(), (Lines{"- Tent|c|1.00|"}));
}

TEST_F(MainWindowTest, HeadingClicksSortTheListAndTheAddAndModifyButtonsFollow)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    addThroughEditor("Cooking", "Pot", "6");
    addThroughEditor("Tent", "Pegs", "3");
    auto* addButton = widget<QPushButton>("addButton");
    auto* modifyButton = widget<QPushButton>("modifyButton");
    clickHeading(2);
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Pegs|3.00|", "- Cooking|Pot|6.00|", "- Tent|Fly|12.00|"}));
    EXPECT_FALSE(addButton->isEnabled());
    EXPECT_FALSE(modifyButton->isEnabled());
    EXPECT_TRUE(commands().add->isEnabled());
    clickHeading(2);
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Fly|12.00|", "- Cooking|Pot|6.00|", "- Tent|Pegs|3.00|"}));
    clickHeading(1);
    clickHeading(3);
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Fly|12.00|", "- Cooking|Pot|6.00|", "- Tent|Pegs|3.00|"}));
    clickHeading(0);
    EXPECT_EQ(shownRows(), (Lines{"- Cooking|Pot|6.00|", "- Tent|Fly|12.00|", "- |Pegs|3.00|"}));
    EXPECT_TRUE(addButton->isEnabled());
    EXPECT_TRUE(modifyButton->isEnabled());
}

TEST_F(MainWindowTest, HideModesShowPartOfTheListAndRefuseChanges)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    addThroughEditor("Tent", "Pegs", "3");
    tick(0);
    auto* box = widget<QCheckBox>("hideNonSelectedCheckBox");
    box->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(shownRows(), (Lines{"x Tent|Fly|12.00|"}));
    EXPECT_EQ(commands().hideNonSelected->text(), "Show &Non-Selected");

    tick(0, false);
    EXPECT_EQ(prompts.shown.back(),
              important("Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list"));
    EXPECT_EQ(shownRows(), (Lines{"x Tent|Fly|12.00|"}));
    windowCommands().save->trigger();
    EXPECT_EQ(prompts.shown.back(), important("Please uncheck the \"Hide Non-Selected Items\" checkbox before saving"));
    EXPECT_FALSE(closeWindow());
    EXPECT_EQ(prompts.shown.back(),
              important("Please uncheck the \"Hide Non-Selected Items\" checkbox before closing"));

    commands().hideNonSelected->trigger();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(shownRows(), (Lines{"x Tent|Fly|12.00|", "- |Pegs|3.00|"}));

    commands().hideSelected->trigger();
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Pegs|3.00|"}));
    EXPECT_EQ(commands().hideSelected->text(), "S&how Selected");
    widget<QPushButton>("convertButton")->click();
    EXPECT_EQ(prompts.shown.back(), important("Please select the \"Show Selected\" menu item before converting"));
    commands().hideSelected->trigger();
    EXPECT_EQ(shownRows(), (Lines{"x Tent|Fly|12.00|", "- |Pegs|3.00|"}));
}

TEST_F(MainWindowTest, ConvertRewritesTheWeightsTheHeadingAndTheTotal)
{
    start();
    addThroughEditor("Cooking", "Pot", "16");
    tick(0);
    EXPECT_EQ(totalLine(), "16.00 oz. (1.00 lbs)");
    widget<QPushButton>("convertButton")->click();
    EXPECT_EQ(totalLine(), "454.00 gm. (0.45 kg)");
    EXPECT_EQ(model()->headerData(2, Qt::Horizontal).toString(), "Weight (gm)");
    EXPECT_EQ(shownRows(), (Lines{"x Cooking|Pot|454.00|"}));
}

TEST_F(MainWindowTest, SaveSaveAsOpenAndRecentFilesWriteAndReadTheFiles)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    windowCommands().save->trigger();
    EXPECT_EQ(folder.read("GearData.dat"),
              header + sortedCategoryLines + itemImage("Tent", "Fly", "12").top() + count0 + count0);

    prompts.fileNames.push_back(QString::fromStdString((folder / "trip.dat").string()));
    windowCommands().saveAs->trigger();
    EXPECT_EQ(prompts.fileDialogs.back().title, "Save Current Configuration As...");
    EXPECT_EQ(prompts.fileDialogs.back().filters, "Gear Weight Files (*.dat);;Text Files (*.txt)");
    EXPECT_EQ(app->mainWindow().windowTitle(), "Cairnly - " + QString::fromStdString((folder / "trip.dat").string()));
    addThroughEditor("Tent", "Pegs", "3");
    windowCommands().save->trigger();
    EXPECT_EQ(folder.read("trip.dat"), header + sortedCategoryLines + itemImage("Tent", "Fly", "12").top() + count0 +
                                           count0 + itemImage("Tent", "Pegs", "3").top() + count0 + count0);

    const Image other = itemImage("Cooking", "Pot", "6");
    folder.write("other.dat", header + "Cooking\r\n\r\n" + other.top() + count0 + count0);
    prompts.fileNames.push_back(QString::fromStdString((folder / "other.dat").string()));
    windowCommands().open->trigger();
    EXPECT_EQ(prompts.fileDialogs.back().title, "Open a Gear Weight Data File");
    EXPECT_EQ(shownRows(), (Lines{"- Cooking|Pot|6.00|"}));

    // The recent files: newest first.
    QStringList recent;
    for (QAction* action : app->mainWindow().findChildren<QAction*>()) {
        if (action->objectName().startsWith("recentFileAction"))
            recent << action->text();
    }
    recent.sort();
    const QString base = QString::fromStdString(folder.path().string());
    EXPECT_EQ(recent,
              (QStringList{"&1 " + base + "/other.dat", "&2 " + base + "/trip.dat", "&3 " + base + "/GearData.dat"}));
    app->mainWindow().findChild<QAction*>("recentFileAction2")->trigger();
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Fly|12.00|", "- |Pegs|3.00|"}));
    EXPECT_EQ(app->mainWindow().windowTitle(), "Cairnly - " + base + "/trip.dat");

    folder.write("notes.txt", "not a list\r\n");
    prompts.fileNames.push_back(QString::fromStdString((folder / "notes.txt").string()));
    windowCommands().open->trigger();
    EXPECT_EQ(prompts.shown.back(), (Message{"Not a Cairnly data file", "GearData.dat", MessageIcon::Error}));
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Fly|12.00|", "- |Pegs|3.00|"}));
    EXPECT_EQ(app->mainWindow().windowTitle(), "Cairnly - " + base + "/trip.dat");

    std::filesystem::remove(folder / "other.dat");
    app->mainWindow().findChild<QAction*>("recentFileAction2")->trigger();
    EXPECT_EQ(prompts.shown.back(),
              (Message{base.toStdString() + "/other.dat", "File Does Not Exist!", MessageIcon::Exclamation}));
}

TEST_F(MainWindowTest, ClosingWritesTheWorkingFileAndTheNextStartShowsTheListBack)
{
    start();
    addThroughEditor("Cooking", "Pot", "5");
    addThroughEditor("Cooking", "Stove", "7");
    addThroughEditor("Tent", "Fly", "12");
    nameNextGroup("Kitchen");
    drop(rowShowing("Stove"), rowShowing("Pot"));
    tick(rowShowing("+ Kitchen"));
    clickCell(rowShowing("+ Kitchen"), 1);
    EXPECT_EQ(shownRows(),
              (Lines{"x Cooking|- Kitchen|12.00|", "x |Pot|5.00|", "x |Stove|7.00|", "- Tent|Fly|12.00|"}));
    clickHeading(2);
    ASSERT_TRUE(closeWindow());
    EXPECT_NE(folder.read("GearData.ini"), "<missing>");
    EXPECT_NE(folder.read("GearData.dat"), "<missing>");

    start(std::nullopt);
    EXPECT_EQ(shownRows(), (Lines{"x Cooking|+ Kitchen|12.00|", "- Tent|Fly|12.00|"}));
    EXPECT_EQ(totalLine(), "12.00 oz. (0.75 lbs)");
    clickCell(0, 1);
    EXPECT_EQ(shownRows(),
              (Lines{"x Cooking|- Kitchen|12.00|", "x |Stove|7.00|", "x |Pot|5.00|", "- Tent|Fly|12.00|"}));
}

TEST_F(MainWindowTest, AFailedWriteAtClosingAsksBeforeTheListIsLost)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    std::filesystem::create_directory(folder / "GearData.dat");
    prompts.answers.push_back(false);
    EXPECT_FALSE(closeWindow());
    ASSERT_GE(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[prompts.shown.size() - 2],
              (Message{"Is a directory", "Error", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(prompts.shown.back(), (Message{"The list could not be saved. Close anyway and lose the changes?", "Error",
                                             MessageIcon::Question, MessageButtons::YesNo}));
    prompts.answers.push_back(true);
    EXPECT_TRUE(closeWindow());
}

TEST_F(MainWindowTest, AWorkingFileReadInPartOrNotAtAllIsNeverLostAtClosing)
{
    const std::string version3 = "Cairnly data file. Version 3\r\nTent\r\n\r\n";
    const std::string working = (folder / "GearData.dat").string();
    folder.write("GearData.dat", version3);
    start();
    EXPECT_EQ(prompts.shown,
              (std::vector<Message>{
                  {"Version 5 requires a GearData.dat file in version 4 or 5 format", "Cairnly", MessageIcon::Error},
                  {"The file " + working + " will be kept as " + working + ".bak before the list is saved over it.",
                   "Cairnly", MessageIcon::Exclamation}}));
    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read("GearData.dat.bak"), version3);
    EXPECT_EQ(folder.read("GearData.dat"), header + "\r\n");

    std::filesystem::remove(folder / "GearData.dat");
    std::filesystem::create_directory(folder / "GearData.dat"); // there, but no file to read
    prompts.shown.clear();
    start(std::nullopt);
    EXPECT_EQ(prompts.shown, (std::vector<Message>{{working, "Unable to Open!", MessageIcon::Exclamation}}));
    prompts.answers.push_back(true);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(prompts.shown.back(), (Message{"The list could not be saved. Close anyway and lose the changes?", "Error",
                                             MessageIcon::Question, MessageButtons::YesNo}));
}

TEST_F(MainWindowTest, TheWindowComesBackWhereItWasWithItsColumnsAsTheyWere)
{
    start();
    app->mainWindow().setGeometry(120, 80, 760, 520);
    QApplication::processEvents();
    view()->horizontalHeader()->resizeSection(3, 150);
    view()->horizontalHeader()->moveSection(3, 0);
    std::vector<int> widths;
    for (int column = 0; column < 4; ++column)
        widths.push_back(view()->horizontalHeader()->sectionSize(column));
    ASSERT_TRUE(closeWindow());

    for (int run = 0; run < 2; ++run) {
        start(std::nullopt);
        EXPECT_EQ(app->mainWindow().geometry(), QRect(120, 80, 760, 520));
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(view()->horizontalHeader()->sectionSize(column), widths[column]) << "column " << column;
        EXPECT_EQ(view()->horizontalHeader()->logicalIndex(0), 3);
        ASSERT_TRUE(closeWindow());
    }
}

TEST_F(MainWindowTest, WideningTheWindowWidensEveryColumnByItsShare)
{
    start();
    rows().addColumn("A", cairnly::FormatLeft);
    rows().addColumn("B", cairnly::FormatLeft);
    QApplication::processEvents();
    std::vector<int> before;
    for (int column = 0; column < 6; ++column)
        before.push_back(view()->horizontalHeader()->sectionSize(column));
    const int closeX = widget<QPushButton>("closeButton")->x();
    app->mainWindow().resize(app->mainWindow().width() + 100, app->mainWindow().height());
    QApplication::processEvents();
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(view()->horizontalHeader()->sectionSize(column), before[column] + 16) << "column " << column;
    EXPECT_EQ(widget<QPushButton>("closeButton")->x(), closeX + 100);
    EXPECT_GE(app->mainWindow().minimumWidth(), 548);
    EXPECT_GE(app->mainWindow().minimumHeight(), 394);
}

TEST_F(MainWindowTest, MenusAndButtonsFollowTheListAtEveryChange)
{
    start();
    QStringList titles;
    for (QAction* menu : app->mainWindow().menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Entry", "&Configure", "C&olumn", "&Help"}));
    EXPECT_FALSE(windowCommands().save->isEnabled());
    EXPECT_FALSE(commands().remove->isEnabled());
    EXPECT_FALSE(commands().selectAll->isEnabled());
    EXPECT_FALSE(widget<QPushButton>("deleteButton")->isEnabled());
    addThroughEditor("Tent", "Fly", "12");
    EXPECT_TRUE(windowCommands().save->isEnabled());
    EXPECT_TRUE(commands().selectAll->isEnabled());
    EXPECT_TRUE(widget<QPushButton>("deleteButton")->isEnabled());
    EXPECT_FALSE(commands().remove->isEnabled());
    highlight({0});
    EXPECT_TRUE(commands().remove->isEnabled());
    EXPECT_TRUE(commands().modify->isEnabled());
    EXPECT_FALSE(commands().expandAll->isEnabled());
    EXPECT_FALSE(commands().deleteColumn->isEnabled());
}

TEST_F(MainWindowTest, TheModelKeepsQtsRulesThroughEveryKindOfChange)
{
    start();
    QStringList warnings;
    static QStringList* sink = nullptr;
    sink = &warnings;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtDebugMsg && type != QtInfoMsg)
                sink->append(text);
        });
    {
        QAbstractItemModelTester tester(model(), QAbstractItemModelTester::FailureReportingMode::Warning);
        addThroughEditor("Cooking", "Pot", "5");
        addThroughEditor("Cooking", "Stove", "7");
        addThroughEditor("Tent", "Fly", "12");
        nameNextGroup("Kitchen");
        drop(rowShowing("Stove"), rowShowing("Pot"));
        tick(0);
        clickCell(0, 1);
        clickHeading(2);
        clickCell(rowShowing("+ Kitchen"), 1);
        highlight({rowShowing("Fly")});
        prompts.answers.push_back(true);
        commands().remove->trigger();
        widget<QPushButton>("convertButton")->click();
        commands().hideSelected->trigger();
        commands().hideSelected->trigger();
        rows().addColumn("Where", cairnly::FormatCenter);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

TEST_F(MainWindowTest, APlacementOffEveryScreenIsIgnored)
{
    start();
    ASSERT_TRUE(closeWindow());
    auto profile = cairnly::ProfileFile::load(folder / "GearData.ini");
    const std::vector<int32_t> farAway{5000, 5000, 5600, 5400};
    profile.writeStruct("MISC", "COORDS", cairnly::littleEndianBytes(farAway));
    ASSERT_EQ(profile.save(folder / "GearData.ini"), std::nullopt);
    start(std::nullopt);
    EXPECT_LT(app->mainWindow().geometry().left(), 5000);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().intersects(app->mainWindow().geometry()));
}
