#include "MainWindowSupport.h"

#include <QGroupBox>
#include <QPushButton>

using cairnly::FormatCenter;
using cairnly::FormatLeft;
using cairnly::FormatRight;
using cairnly::ListColumn;
using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::MessageIcon;

namespace {

using ColumnCommandsTest = MainWindowTest;

template <class T>
T* in(QDialog& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QStringList listed(QDialog& dialog)
{
    QStringList shown;
    auto* list = in<QListWidget>(dialog, "columnListWidget");
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    return shown;
}

// Which alignment radio button is checked, as its text.
QString alignment(QDialog& dialog)
{
    for (const char* name : {"leftRadioButton", "centerRadioButton", "rightRadioButton"}) {
        if (in<QRadioButton>(dialog, name)->isChecked())
            return in<QRadioButton>(dialog, name)->text();
    }
    return {};
}

} // namespace

TEST_F(ColumnCommandsTest, AddNewColumnTakesAHeadingOf40AndAnAlignmentLeftFirst)
{
    start();
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Add New Column");
        EXPECT_EQ(in<QLabel>(dialog, "headingLabel")->text(), "Heading: ");
        EXPECT_EQ(in<QLineEdit>(dialog, "headingEdit")->maxLength(), 40);
        EXPECT_EQ(in<QGroupBox>(dialog, "alignmentGroupBox")->title(), "Alignment:");
        EXPECT_EQ(in<QRadioButton>(dialog, "centerRadioButton")->text(), "Center");
        EXPECT_EQ(alignment(dialog), "Left");
        in<QRadioButton>(dialog, "rightRadioButton")->click();
        return press(dialog, "okButton"); // an empty heading is fine
    });
    commands().addColumn->trigger();
    const int quarter = view()->contentsRect().width() / 4;
    EXPECT_EQ(rows().columns().columns.at(4), (ListColumn{"", FormatRight, quarter}));
    EXPECT_TRUE(commands().deleteColumn->isEnabled());

    runner.steps.push_back([](QDialog& dialog) {
        in<QLineEdit>(dialog, "headingEdit")->setText("Where");
        return press(dialog, "cancelButton");
    });
    commands().addColumn->trigger();
    EXPECT_EQ(rows().columnCount(), 5);
}

TEST_F(ColumnCommandsTest, AColumnBeyondWhatTheSettingsHoldIsRefusedBeforeTheDialog)
{
    start();
    for (int k = 0; k < cairnly::maxUserColumns; ++k)
        rows().addColumn("C", FormatLeft);
    commands().addColumn->trigger();
    EXPECT_EQ(prompts.shown, (std::vector<Message>{{"No more columns can be added.", "Oops!", MessageIcon::Exclamation,
                                                    MessageButtons::Ok}}));
    EXPECT_EQ(runner.ran, std::vector<QString>{"weightUnitsDialog"});
}

TEST_F(ColumnCommandsTest, DeleteUserColumnsStartsWithNoneChosenAndDeletesTheChosenWithTheirTexts)
{
    start();
    for (const char* heading : {"A", "B", "C", "D", "E"})
        rows().addColumn(heading, FormatLeft);
    addThroughEditor("Tent", "Fly", "12", "1", {"a", "b", "c", "d", "e"});
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Delete User Columns");
        EXPECT_EQ(in<QLabel>(dialog, "promptLabel")->text(), "Select Column(s) to delete.");
        EXPECT_EQ(listed(dialog), (QStringList{"A", "B", "C", "D", "E"}));
        EXPECT_EQ(in<QListWidget>(dialog, "columnListWidget")->selectionMode(), QAbstractItemView::MultiSelection);
        EXPECT_TRUE(in<QListWidget>(dialog, "columnListWidget")->selectedItems().isEmpty());
        return press(dialog, "okButton");
    });
    commands().deleteColumn->trigger();
    EXPECT_EQ(rows().columnCount(), 9);

    for (const QList<int>& chosen : {QList<int>{1, 3}, QList<int>{0, 2}}) {
        runner.steps.push_back([chosen](QDialog& dialog) {
            for (int row : chosen)
                in<QListWidget>(dialog, "columnListWidget")->item(row)->setSelected(true);
            return press(dialog, "okButton");
        });
        commands().deleteColumn->trigger();
    }
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Fly|12.00||c"}));

    ASSERT_TRUE(closeWindow());
    const std::string settings = folder.read("GearData.ini");
    EXPECT_NE(settings.find("\r\nUSERCOLS=0100000001\r\n"), std::string::npos);
    // "C" zero-filled to 41 bytes, left, sub-item 4; the checksum 0x43 + 4.
    EXPECT_NE(settings.find("\r\nCOLDATA=43" + std::string(80, '0') + "000000000400000047\r\n"), std::string::npos);
}

TEST_F(ColumnCommandsTest, ModifyCustomColumnShowsTheChosenColumnsOwnHeadingAndAlignment)
{
    start();
    rows().addColumn("Where", FormatLeft);
    rows().addColumn("Why", FormatRight);
    rows().addColumn("When", FormatCenter);
    const cairnly::ColumnLayout before = rows().columns();
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Modify Custom Column");
        EXPECT_EQ(in<QLabel>(dialog, "chooseLabel")->text(), "Choose Column");
        EXPECT_EQ(in<QLabel>(dialog, "headingLabel")->text(), "Heading:");
        EXPECT_EQ(in<QLineEdit>(dialog, "headingEdit")->maxLength(), 40);
        EXPECT_EQ(listed(dialog), (QStringList{"Where", "Why", "When"}));
        EXPECT_EQ(in<QListWidget>(dialog, "columnListWidget")->currentRow(), 0);
        EXPECT_EQ(in<QLineEdit>(dialog, "headingEdit")->text(), "Where");
        EXPECT_EQ(alignment(dialog), "Left");
        in<QListWidget>(dialog, "columnListWidget")->setCurrentRow(2);
        EXPECT_EQ(in<QLineEdit>(dialog, "headingEdit")->text(), "When");
        EXPECT_EQ(alignment(dialog), "Center");
        // Tab stops at the checked button only, from which the arrow keys move the choice.
        EXPECT_EQ(in<QRadioButton>(dialog, "centerRadioButton")->focusPolicy(), Qt::StrongFocus);
        EXPECT_EQ(in<QRadioButton>(dialog, "leftRadioButton")->focusPolicy(), Qt::ClickFocus);
        return press(dialog, "okButton");
    });
    commands().modifyColumn->trigger();
    EXPECT_EQ(rows().columns(), before);

    runner.steps.push_back([](QDialog& dialog) {
        in<QListWidget>(dialog, "columnListWidget")->setCurrentRow(1);
        in<QLineEdit>(dialog, "headingEdit")->setText("Reason");
        in<QRadioButton>(dialog, "centerRadioButton")->click();
        return press(dialog, "okButton");
    });
    commands().modifyColumn->trigger();
    EXPECT_EQ(model()->headerData(5, Qt::Horizontal).toString(), "Reason");
    EXPECT_EQ(rows().columns().columns.at(5).format, FormatCenter);

    runner.steps.push_back([](QDialog& dialog) {
        in<QLineEdit>(dialog, "headingEdit")->setText("Gone");
        return press(dialog, "cancelButton");
    });
    commands().modifyColumn->trigger();
    EXPECT_EQ(rows().columns().columns.at(4).heading, "Where");
}
