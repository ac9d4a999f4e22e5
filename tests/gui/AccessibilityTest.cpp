// What a screen reader learns of the window and the dialogs, asked of Qt's accessibility interfaces as the
// desktop's bridge asks them; the events it would hear are caught here instead of sent on a bus.
#include "MainWindowSupport.h"

#include "core/list/WeightFieldConverter.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/AddColumnDialog.h"
#include "gui/dialogs/CategoriesDialog.h"
#include "gui/dialogs/ConfigureDialog.h"
#include "gui/dialogs/CreateGroupDialog.h"
#include "gui/dialogs/DeleteColumnsDialog.h"
#include "gui/dialogs/ExportDialog.h"
#include "gui/dialogs/ItemEditorDialog.h"
#include "gui/dialogs/ModifyColumnDialog.h"
#include "gui/dialogs/PrintFontDialog.h"
#include "gui/dialogs/TotalsChart.h"
#include "gui/dialogs/TotalsDialog.h"
#include "gui/dialogs/WeightUnitsDialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <functional>
#include <memory>

namespace {

QString roleName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
        return "button";
    case QAccessible::CheckBox:
        return "check box";
    case QAccessible::RadioButton:
        return "radio button";
    case QAccessible::EditableText:
        return "edit";
    case QAccessible::ComboBox:
        return "combo box";
    case QAccessible::List:
        return "list";
    case QAccessible::SpinBox:
        return "spin box";
    case QAccessible::Client:
        return "client";
    default:
        return QString::number(role);
    }
}

// Every accessibility event while it lives, with the interfaces they concern.
class HeardEvents
{
public:
    struct Heard
    {
        QAccessible::Event type;
        QAccessibleInterface* about;
        QAccessible::State changed; // of a state change
    };
    std::vector<Heard> heard;

    HeardEvents()
    {
        listening = this;
        previous = QAccessible::installUpdateHandler(&hear);
    }
    ~HeardEvents()
    {
        QAccessible::installUpdateHandler(previous);
        listening = nullptr;
    }

    // Of this type about the interface, or about anything for none.
    int count(QAccessible::Event type, QAccessibleInterface* about) const
    {
        return static_cast<int>(std::count_if(heard.begin(), heard.end(), [&](const Heard& h) {
            return h.type == type && (!about || h.about == about);
        }));
    }

private:
    static void hear(QAccessibleEvent* event)
    {
        // An event about a cell names it by its number among the table's children, as the bridge reads it.
        QAccessibleInterface* about = event->accessibleInterface();
        QAccessible::State changed;
        if (event->type() == QAccessible::StateChanged)
            changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
        listening->heard.push_back({event->type(), about, changed});
    }

    static inline HeardEvents* listening = nullptr;
    QAccessible::UpdateHandler previous = nullptr;
};

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(found, nullptr);
    return found;
}

// "objectName: role "name"" for every control a user reaches in the dialog, and its lists. On Linux Qt names
// a combo box by its value and tells its label as a relation, which a screen reader reads with it: that
// label follows as "labelled "label"".
std::vector<std::string> fieldsOf(QWidget& dialog)
{
    std::vector<std::string> lines;
    for (QWidget* field : dialog.findChildren<QWidget*>()) {
        const QString name = field->objectName();
        const bool reached = field->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractItemView*>(field) ||
                             qobject_cast<TotalsChart*>(field);
        if (name.isEmpty() || name.startsWith("qt_") || !reached)
            continue;
        QAccessibleInterface* read = accessible(field);
        QString line = QStringLiteral("%1: %2 \"%3\"").arg(name, roleName(read->role()), read->text(QAccessible::Name));
        if (read->role() == QAccessible::ComboBox) {
            for (const auto& [label, relation] : read->relations(QAccessible::Label))
                line += QStringLiteral(" labelled \"%1\"").arg(label->text(QAccessible::Name));
        }
        lines.push_back(line.toStdString());
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

using AccessibilityTest = MainWindowTest;

} // namespace

TEST_F(AccessibilityTest, TheListIsANamedTableWhoseFirstCellsAreCheckableTickedOrNot)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    addThroughEditor("Tent", "Pegs", "3");
    tick(rowShowing("Fly"));

    QAccessibleInterface* list = accessible(view());
    EXPECT_EQ(list->role(), QAccessible::Table);
    EXPECT_EQ(list->text(QAccessible::Name), "Gear list");
    EXPECT_EQ(list->text(QAccessible::Description),
              "Space ticks or unticks the highlighted items, Delete deletes them, a double click modifies one");
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->columnCount(), 4);

    // A box's cell is a check box for bridges that know no "checkable", and names the item it ticks.
    const struct
    {
        int row;
        int column;
        QAccessible::Role role;
        QString name;
        QString description;
        bool checkable;
        bool checked;
    } cells[] = {{0, 0, QAccessible::CheckBox, "Tent", "Fly", true, true},
                 {1, 0, QAccessible::CheckBox, "", "Pegs", true, false},
                 {0, 1, QAccessible::Cell, "Fly", "", false, false},
                 {1, 2, QAccessible::Cell, "3.00", "", false, false}};
    for (const auto& expected : cells) {
        QAccessibleInterface* cell = table->cellAt(expected.row, expected.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->role(), expected.role);
        EXPECT_EQ(cell->text(QAccessible::Name), expected.name);
        EXPECT_EQ(cell->text(QAccessible::Description), expected.description);
        EXPECT_EQ(cell->state().checkable, expected.checkable) << expected.row << "," << expected.column;
        EXPECT_EQ(cell->state().checked, expected.checked) << expected.row << "," << expected.column;
        EXPECT_EQ(cell->parent(), list);
        EXPECT_EQ(list->child(list->indexOfChild(cell)), cell);
    }
    QAccessibleInterface* weight = table->cellAt(1, 2);
    ASSERT_EQ(weight->tableCellInterface()->columnHeaderCells().size(), 1);
    QAccessibleInterface* heading = weight->tableCellInterface()->columnHeaderCells().front();
    EXPECT_EQ(heading->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(heading->text(QAccessible::Name), "Weight (oz)");

    // Toggling the first cell ticks its row.
    QAccessibleActionInterface* actions = table->cellAt(1, 0)->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames().front(), QAccessibleActionInterface::toggleAction());
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(shownRows(), (Lines{"x Tent|Fly|12.00|", "x |Pegs|3.00|"}));
    EXPECT_TRUE(table->cellAt(1, 0)->state().checked);
}

TEST_F(AccessibilityTest, TheTotalIsReadWithItsCaption)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    QAccessibleInterface* total = accessible(widget<QLabel>("totalLabel"));
    EXPECT_EQ(total->role(), QAccessible::StaticText);
    EXPECT_EQ(total->text(QAccessible::Name), "Total: 0.00 oz. (0.00 lbs)");
    tick(0);
    EXPECT_EQ(total->text(QAccessible::Name), "Total: 12.00 oz. (0.75 lbs)");
}

// Qt sends accessibility events only where a desktop's bridge is active: on a desktop with the AT-SPI bus
// (ctest runs this under Xvfb with one), not under the offscreen platform, where it is skipped.
TEST_F(AccessibilityTest, TheFocusedCellIsTheOneTheViewNamesAndTicksAndTheTotalAreAnnounced)
{
    if (!qEnvironmentVariableIsSet("CAIRNLY_ACCESSIBILITY_BRIDGE"))
        GTEST_SKIP() << "accessibility events need a desktop's accessibility bridge";
    HeardEvents events;
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) << "the bridge did not start";
    addThroughEditor("Tent", "Fly", "12");
    addThroughEditor("Tent", "Pegs", "3");
    QAccessibleTableInterface* table = accessible(view())->tableInterface();
    QAccessibleInterface* total = accessible(widget<QLabel>("totalLabel"));

    view()->setFocus();
    view()->selectionModel()->setCurrentIndex(model()->index(1, 2), QItemSelectionModel::ClearAndSelect);
    EXPECT_GE(events.count(QAccessible::Focus, table->cellAt(1, 2)), 1);

    QAccessibleInterface* first = table->cellAt(1, 0); // as a reader walking the row asks for it
    events.heard.clear();
    QTest::keyClick(view(), Qt::Key_Space);
    ASSERT_EQ(events.count(QAccessible::StateChanged, first), 1);
    const auto changed = std::find_if(events.heard.begin(), events.heard.end(),
                                      [](const auto& h) { return h.type == QAccessible::StateChanged; });
    EXPECT_TRUE(changed->changed.checked);
    EXPECT_TRUE(first->state().checked);
    EXPECT_EQ(events.count(QAccessible::NameChanged, total), 1);
    EXPECT_EQ(total->text(QAccessible::Name), "Total: 3.00 oz. (0.19 lbs)");

    // A change that is not a tick says nothing of ticks.
    events.heard.clear();
    widget<QPushButton>("convertButton")->click();
    EXPECT_EQ(events.count(QAccessible::StateChanged, nullptr), 0);
    EXPECT_EQ(events.count(QAccessible::NameChanged, total), 1);
}

TEST_F(AccessibilityTest, TheExitEntryIsNamedExitAndShowsAltF4AsItsShortcut)
{
    start();
    QAction* exit = windowCommands().exit;
    EXPECT_EQ(exit->text(), "E&xit");
    EXPECT_EQ(exit->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4)); // what the menu shows beside it
    QMenu* file = app->mainWindow().menuBar()->actions().front()->menu();
    QAccessibleInterface* menu = accessible(file);
    QAccessibleInterface* entry = nullptr;
    for (int i = 0; i < menu->childCount(); ++i) {
        if (menu->child(i)->object() == exit)
            entry = menu->child(i);
    }
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->role(), QAccessible::MenuItem);
    EXPECT_EQ(entry->text(QAccessible::Name), "Exit");
    EXPECT_EQ(entry->text(QAccessible::Accelerator), "Alt+F4");
}

TEST_F(AccessibilityTest, EveryFieldOfEveryDialogIsNamedByItsLabel)
{
    cairnly::WeightFieldConverter converter;
    ItemEditorDialog::Hooks hooks;
    hooks.converter = &converter;
    cairnly::ExportChoices choices;
    const struct
    {
        const char* dialog;
        std::function<std::unique_ptr<QDialog>()> make;
        std::vector<std::string> fields;
    } dialogs[] = {
        {"units",
         [] { return std::make_unique<WeightUnitsDialog>(); },
         {"metricRadioButton: radio button \"Metric\"", "nonMetricRadioButton: radio button \"Non-Metric\"",
          "okButton: button \"OK\""}},
        {"item editor",
         [&] {
             return std::make_unique<ItemEditorDialog>(
                 ItemEditorDialog::Mode::Add,
                 ItemEditorDialog::Fields{{"Tent"}, cairnly::ItemEntry{"Tent", "", "", "1", "", {""}}, {"Where"}},
                 hooks, prompts);
         },
         {"addButton: button \"Add\"", "cancelButton: button \"Cancel\"",
          "categoryComboBox: combo box \"Tent\" labelled \"Category:\"",
          "columnListWidget: list \"Custom Column(s) text. Click column title, then enter text below\"",
          "columnTextEdit: edit \"Text for selected column:\"", "convertButton: button \"Convert to Ounces\"",
          "itemEdit: edit \"Item:\"", "multiplierEdit: edit \"Multiply by:\"", "notesEdit: edit \"Notes:\"",
          "okButton: button \"OK\"", "weightEdit: edit \"Weight (oz or gm):\""}},
        {"create group",
         [&] {
             return std::make_unique<CreateGroupDialog>(cairnly::CreateGroupRequest{"Pot", "Stove"}, nullptr, prompts);
         },
         {"cancelButton: button \"Cancel\"", "groupNameEdit: edit \"Group Name:\"",
          "groupNotesEdit: edit \"Group Notes:\"", "okButton: button \"OK\""}},
        {"categories",
         [&] {
             return std::make_unique<CategoriesDialog>(CategoriesDialog::Fields{{"Tent"}}, CategoriesDialog::Hooks{},
                                                       prompts);
         },
         {"addButton: button \"Add...\"", "cancelButton: button \"Cancel\"",
          "categoryComboBox: combo box \"Tent\" labelled \"Current Categories:\"", "deleteButton: button \"Delete\"",
          "okButton: button \"OK\"", "renameButton: button \"Rename...\""}},
        {"add column",
         [] { return std::make_unique<AddColumnDialog>(); },
         {"cancelButton: button \"Cancel\"", "centerRadioButton: radio button \"Center\"",
          "headingEdit: edit \"Heading: \"", "leftRadioButton: radio button \"Left\"", "okButton: button \"OK\"",
          "rightRadioButton: radio button \"Right\""}},
        {"delete columns",
         [] { return std::make_unique<DeleteColumnsDialog>(std::vector<std::string>{"Where"}); },
         {"cancelButton: button \"Cancel\"", "columnListWidget: list \"Select Column(s) to delete.\"",
          "okButton: button \"OK\""}},
        {"modify column",
         [] {
             return std::make_unique<ModifyColumnDialog>(
                 std::vector<cairnly::UserColumn>{{"Where", cairnly::FormatLeft, 4}});
         },
         {"cancelButton: button \"Cancel\"", "centerRadioButton: radio button \"Center\"",
          "columnListWidget: list \"Choose Column\"", "headingEdit: edit \"Heading:\"",
          "leftRadioButton: radio button \"Left\"", "okButton: button \"OK\"",
          "rightRadioButton: radio button \"Right\""}},
        {"configure",
         [&] {
             return std::make_unique<ConfigureDialog>(
                 ConfigureDialog::Fields{}, [](const cairnly::PrintFont&) {}, runner);
         },
         {"alternateRowColorButton: button \"Alternate Row Color: #FFFFC4\"",
          "backgroundColorButton: button \"Background Color: light yellow\"", "cancelButton: button \"Cancel\"",
          "groupColorButton: button \"Group Color: #FF9900\"", "okButton: button \"OK\"",
          "printNotesCheckBox: check box \"Print Notes\"", "printingFontButton: button \"Select Printing Font...\"",
          "showGrandTotalCheckBox: check box \"Show Grand Total\"",
          "totalEachCategoryCheckBox: check box \"Total Each Category\""}},
        {"printing font",
         [] { return std::make_unique<PrintFontDialog>(QFont("Courier New", 10)); },
         {"cancelButton: button \"Cancel\"", "familyListWidget: list \"Font:\"", "okButton: button \"OK\"",
          "sizeSpinBox: spin box \"Size:\""}},
        {"about",
         [&] { return std::make_unique<AboutDialog>("/tutorial.html", desktop, prompts); },
         {"okButton: button \"OK\""}},
        {"totals",
         [] {
             cairnly::CategoryTotals totals;
             totals.runs = {{"Cooking", 20}, {"Tent", 40}};
             totals.grandTotal = 60;
             return std::make_unique<TotalsDialog>(totals, cairnly::WeightSplit{}, std::vector<cairnly::WeightSplit>{},
                                                   false, TotalsChart::Colors{});
         },
         {"okButton: button \"OK\"", "totalsChart: client \"Bar chart of the totals\"",
          "totalsListWidget: list \"Totals by Category\"", "totalsScrollArea: client \"Totals by Category\"",
          "tripWeightsListWidget: list \"Trip Weights\""}},
        {"export",
         [&] { return std::make_unique<ExportDialog>(choices, true, std::vector<std::filesystem::path>{}, prompts); },
         {"allItemsRadioButton: radio button \"Export All Items\"", "cancelButton: button \"Cancel\"",
          "commaBrowseButton: button \"Browse...\"", "commaCheckBox: check box \"Comma Delimited File:\"",
          "commaEdit: edit \"Comma Delimited File:\"", "htmlBrowseButton: button \"Browse...\"",
          "htmlCheckBox: check box \"HTML File:\"", "htmlEdit: edit \"HTML File:\"",
          "includeNotesCheckBox: check box \"Include Notes\"", "okButton: button \"OK\"",
          "onlyCheckedRadioButton: radio button \"Export only Checked Items\"",
          "sendAsEmailCheckBox: check box \"Send as EMail\"", "textBrowseButton: button \"Browse...\"",
          "textCheckBox: check box \"Text File: \"", "textEdit: edit \"Text File:\"",
          "xmlBrowseButton: button \"Browse...\"", "xmlCheckBox: check box \"XML File:\"",
          "xmlEdit: edit \"XML File:\""}},
    };
    for (const auto& expected : dialogs) {
        const std::unique_ptr<QDialog> dialog = expected.make();
        EXPECT_EQ(fieldsOf(*dialog), expected.fields) << expected.dialog;
    }

    // The Export dialog's Browse buttons say which file they choose; the chart reads like the lines.
    ExportDialog exports(choices, true, {}, prompts);
    EXPECT_EQ(accessible(exports.findChild<QWidget*>("htmlBrowseButton"))->text(QAccessible::Description),
              "HTML File:");
    cairnly::CategoryTotals totals;
    totals.runs = {{"Cooking", 20}, {"Tent", 40}};
    TotalsChart chart(totals.runs, {}, false, {});
    EXPECT_EQ(accessible(&chart)->text(QAccessible::Description), "Cooking: 20.00 oz.\nTent: 40.00 oz.");
    TotalsChart grams(totals.runs, {}, true, {});
    EXPECT_EQ(accessible(&grams)->text(QAccessible::Description), "Cooking: 20.00 gm.\nTent: 40.00 gm.");
}
