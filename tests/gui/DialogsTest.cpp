#include "ScratchFolder.h"
#include "TestSupport.h"
#include "core/list/GearList.h"
#include "gui/dialogs/CreateGroupDialog.h"
#include "gui/dialogs/ItemEditorDialog.h"
#include "gui/dialogs/WeightUnitsDialog.h"
#include "gui/support/Text.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <variant>

using cairnly::ItemEntry;
using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::MessageIcon;

namespace {

const Message noDescription{"Please enter an item description or press Cancel", "Oops", MessageIcon::None,
                            MessageButtons::Ok};
const Message noWeight{"Are you sure you want to continue with no weight specified?", "No Weight",
                       MessageIcon::Question, MessageButtons::YesNo};

// An entry as one line, so that a mismatch shows which field differs.
std::string line(const ItemEntry& entry)
{
    std::string texts;
    for (const auto& text : entry.columnTexts)
        texts += "[" + text + "]";
    return entry.category + "|" + entry.item + "|" + entry.unitWeight + "|" + entry.multiplier + "|" + entry.notes +
           "|" + texts;
}

std::vector<std::string> lines(const std::vector<ItemEntry>& entries)
{
    std::vector<std::string> result;
    for (const auto& entry : entries)
        result.push_back(line(entry));
    return result;
}

using Lines = std::vector<std::string>;

template <typename T>
T* child(QWidget& parent, const char* name)
{
    auto* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString text(QWidget& dialog, const char* editName)
{
    return child<QLineEdit>(dialog, editName)->text();
}

// Types into an edit as a user would, so the validator and the length limit apply.
void type(QWidget& dialog, const char* editName, const QString& typed)
{
    auto* edit = child<QLineEdit>(dialog, editName);
    edit->clear();
    for (const char32_t c : typed.toStdU32String()) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&c, 1));
        QCoreApplication::sendEvent(edit, &key);
    }
}

void selectColumn(QWidget& dialog, int row)
{
    child<QListWidget>(dialog, "columnListWidget")->setCurrentRow(row);
}

// Every test leaves no window behind.
class DialogsTest : public ::testing::Test
{
protected:
    ScriptedPrompts prompts;

    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }
};

// ---------------------------------------------------------------------------------------------------
// The first-run units dialog

using WeightDisplayDialogTest = DialogsTest;

TEST_F(WeightDisplayDialogTest, OpensOnNonMetricWithItsTexts)
{
    WeightUnitsDialog dialog;
    EXPECT_EQ(dialog.objectName(), QStringLiteral("weightUnitsDialog"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Cairnly"));
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(child<QLabel>(dialog, "explanationLabel")->text(),
              QStringLiteral("This dialog will appear this one time only.\n\n"
                             "Please select the way you wish to have your gear weights displayed:\n\n"
                             "Metric (gm/kg) or Non-Metric (oz/lb).\n\n"
                             "NOTE: If you have used previous versions of this application, make the selection "
                             "based on the way your weights ARE CURRENTLY DISPLAYED."));
    auto* metric = child<QRadioButton>(dialog, "metricRadioButton");
    auto* nonMetric = child<QRadioButton>(dialog, "nonMetricRadioButton");
    EXPECT_EQ(metric->text(), QStringLiteral("Metric"));
    EXPECT_EQ(nonMetric->text(), QStringLiteral("Non-Metric"));
    auto* box = qobject_cast<QGroupBox*>(metric->parentWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(), QStringLiteral("Display my Gear Weights as"));
    EXPECT_EQ(nonMetric->parentWidget(), box);
    EXPECT_FALSE(metric->isChecked());
    EXPECT_TRUE(nonMetric->isChecked());
    EXPECT_FALSE(dialog.metricChosen());
    EXPECT_EQ(press(dialog, "okButton"), QDialog::Accepted);
    EXPECT_FALSE(dialog.metricChosen());
}

TEST_F(WeightDisplayDialogTest, EachChoiceGivesItsFlag)
{
    WeightUnitsDialog dialog;
    child<QRadioButton>(dialog, "metricRadioButton")->click();
    EXPECT_FALSE(child<QRadioButton>(dialog, "nonMetricRadioButton")->isChecked());
    EXPECT_EQ(press(dialog, "okButton"), QDialog::Accepted);
    EXPECT_TRUE(dialog.metricChosen());
    child<QRadioButton>(dialog, "nonMetricRadioButton")->click();
    EXPECT_FALSE(dialog.metricChosen());
}

// ---------------------------------------------------------------------------------------------------
// "Create Group"

class CreateGroupDialogTest : public DialogsTest
{
protected:
    ScratchFolder folder;
    cairnly::GearList rows;

    CreateGroupDialog::NameCheck nameCheck()
    {
        return [this](const std::string& name) { return rows.groupNameProblem(name); };
    }

    // A list that already holds the group "Cook kit".
    void makeCookKit()
    {
        ItemEntry pot{"Cooking", "Pot", "8", "1", "", {}};
        ItemEntry stove{"Cooking", "Stove", "3", "1", "", {}};
        ASSERT_EQ(rows.addItem(pot, cairnly::AddSource::Command), std::nullopt);
        ASSERT_EQ(rows.addItem(stove, cairnly::AddSource::Command), std::nullopt);
        ASSERT_TRUE(std::holds_alternative<cairnly::CreateGroupRequest>(rows.dropOnRow(0, 1)));
        ASSERT_GE(rows.createGroup(0, 1, "Cook kit", ""), 0);
    }
};

TEST_F(CreateGroupDialogTest, PromptNamesTheDraggedItemFirstAsPlainText)
{
    CreateGroupDialog dialog({"Tent", "Caf\xE9 mug"}, nameCheck(), prompts);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("createGroupDialog"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create Group"));
    auto* prompt = child<QLabel>(dialog, "promptLabel");
    EXPECT_EQ(prompt->text(), QString::fromUtf8("If you would like to add \"Tent\" and \"Caf\xC3\xA9 mug\" to a group, "
                                                "enter a group name below, and click OK"));
    EXPECT_EQ(prompt->textFormat(), Qt::PlainText);

    CreateGroupDialog markup({"<b>x</b>", "50%2 off %1"}, nameCheck(), prompts);
    EXPECT_EQ(child<QLabel>(markup, "promptLabel")->text(),
              QStringLiteral("If you would like to add \"<b>x</b>\" and \"50%2 off %1\" to a group, enter a group "
                             "name below, and click OK"));
    CreateGroupDialog percent({"50%2 off", "Tarp"}, nameCheck(), prompts);
    EXPECT_EQ(child<QLabel>(percent, "promptLabel")->text(),
              QStringLiteral("If you would like to add \"50%2 off\" and \"Tarp\" to a group, enter a group name "
                             "below, and click OK"));
}

TEST_F(CreateGroupDialogTest, EditsAreLimitedToTheirWidthsAndToWindows1252)
{
    CreateGroupDialog dialog({"Pot", "Stove"}, nameCheck(), prompts);
    EXPECT_EQ(child<QLineEdit>(dialog, "groupNameEdit")->maxLength(), 40);
    EXPECT_EQ(child<QLineEdit>(dialog, "groupNotesEdit")->maxLength(), 50);
    type(dialog, "groupNameEdit", QString::fromUtf8("Kit \xD0\x96\xE2\x82\xAC") + QString(50, QLatin1Char('k')));
    EXPECT_EQ(text(dialog, "groupNameEdit"), QString::fromUtf8("Kit \xE2\x82\xAC") + QString(35, QLatin1Char('k')));
    type(dialog, "groupNotesEdit", QString(60, QLatin1Char('n')));
    EXPECT_EQ(text(dialog, "groupNotesEdit"), QString(50, QLatin1Char('n')));
}

TEST_F(CreateGroupDialogTest, OkRefusesAnEmptyOrTakenNameAndStaysOpen)
{
    makeCookKit();
    CreateGroupDialog dialog({"Mug", "Spoon"}, nameCheck(), prompts);
    QSignalSpy finished(&dialog, &QDialog::finished);
    press(dialog, "okButton");
    type(dialog, "groupNameEdit", QStringLiteral("Cook kit"));
    press(dialog, "okButton");
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(prompts.shown,
              (std::vector<Message>{{"Group Name required.", "Cairnly", MessageIcon::Error, MessageButtons::Ok},
                                    {"Group of same name already exists.  Please choose a different name", "Cairnly",
                                     MessageIcon::None, MessageButtons::Ok}}));
}

TEST_F(CreateGroupDialogTest, OkTransfersTheNameAndNotes)
{
    makeCookKit();
    CreateGroupDialog dialog({"Mug", "Spoon"}, nameCheck(), prompts);
    type(dialog, "groupNameEdit", QStringLiteral("cook kit")); // differs in case only: accepted
    type(dialog, "groupNotesEdit", QString::fromUtf8("Caf\xC3\xA9 set"));
    EXPECT_EQ(press(dialog, "okButton"), QDialog::Accepted);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(dialog.fields().name, "cook kit");
    EXPECT_EQ(dialog.fields().notes, "Caf\xE9 set");
}

// ---------------------------------------------------------------------------------------------------
// The item editor

class ItemEditorTest : public DialogsTest
{
protected:
    ScratchFolder folder;
    cairnly::GearList rows;
    cairnly::WeightFieldConverter converter;
    std::vector<ItemEntry> added;
    std::optional<Message> addReply;

    ItemEditorDialog::Hooks hooks(bool metric = false)
    {
        ItemEditorDialog::Hooks result;
        result.entryProblem = [this](const ItemEntry& entry) { return rows.entryProblem(entry); };
        result.addNow = [this](const ItemEntry& entry) {
            added.push_back(entry);
            return addReply;
        };
        result.converter = &converter;
        result.metric = metric;
        return result;
    }

    // What the Add command opens with: the first category, empty fields, the multiplier 1.
    static ItemEditorDialog::Fields addRecord(std::vector<std::string> headings = {"Colour", "Bought"})
    {
        ItemEditorDialog::Fields fields;
        fields.categories = {"Clothing", "Cooking", "Shelter"};
        fields.entry.category = "Clothing";
        fields.entry.columnTexts.resize(headings.size());
        fields.columnHeadings = std::move(headings);
        return fields;
    }

    static ItemEditorDialog::Fields modifyRecord()
    {
        ItemEditorDialog::Fields fields = addRecord();
        fields.entry = {"Cooking", "Stove", "3.5", "2", "Gas", {"Blue", "2020"}};
        return fields;
    }
};

TEST_F(ItemEditorTest, AddModeOpensOnTheFirstColumnWithAddInsteadOfOk)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("itemEditorDialog"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Gear Information"));
    auto* box = child<QComboBox>(dialog, "categoryComboBox");
    EXPECT_FALSE(box->isEditable());
    ASSERT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(0), QStringLiteral("Clothing"));
    EXPECT_EQ(box->itemText(1), QStringLiteral("Cooking"));
    EXPECT_EQ(box->itemText(2), QStringLiteral("Shelter"));
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(text(dialog, "multiplierEdit"), QStringLiteral("1"));

    EXPECT_TRUE(child<QPushButton>(dialog, "okButton")->isHidden());
    EXPECT_TRUE(child<QPushButton>(dialog, "okButton")->isDefault());
    EXPECT_FALSE(child<QPushButton>(dialog, "addButton")->isHidden());
    EXPECT_TRUE(child<QPushButton>(dialog, "addButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(dialog, "convertButton")->isHidden());

    auto* columns = child<QListWidget>(dialog, "columnListWidget");
    EXPECT_EQ(columns->selectionMode(), QAbstractItemView::SingleSelection);
    ASSERT_EQ(columns->count(), 2);
    EXPECT_EQ(columns->item(0)->text(), QStringLiteral("Colour"));
    EXPECT_EQ(columns->item(1)->text(), QStringLiteral("Bought"));
    ASSERT_EQ(columns->selectedItems().size(), 1);
    EXPECT_EQ(columns->selectedItems().front(), columns->item(0));
    EXPECT_TRUE(child<QLineEdit>(dialog, "columnTextEdit")->isEnabled());
    EXPECT_EQ(text(dialog, "columnTextEdit"), QString());
}

TEST_F(ItemEditorTest, EveryEditHasItsWidthAndTheWindows1252Validator)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
    const std::vector<std::pair<const char*, int>> limits{
        {"itemEdit", 40}, {"weightEdit", 9}, {"multiplierEdit", 4}, {"notesEdit", 50}, {"columnTextEdit", 50}};
    for (const auto& [name, limit] : limits) {
        auto* edit = child<QLineEdit>(dialog, name);
        EXPECT_EQ(edit->maxLength(), limit) << name;
        EXPECT_NE(qobject_cast<const Cp1252Validator*>(edit->validator()), nullptr) << name;
    }
    EXPECT_EQ(dialog.findChildren<QLineEdit*>().size(), 5); // the combo box is not editable
    type(dialog, "itemEdit", QString::fromUtf8("Tarp \xF0\x9F\x8F\x95 \xE2\x80\x94 1"));
    EXPECT_EQ(text(dialog, "itemEdit"), QString::fromUtf8("Tarp  \xE2\x80\x94 1"));
    EXPECT_EQ(dialog.fields().entry.item, "Tarp  \x97 1");
}

TEST_F(ItemEditorTest, OkWithoutDescriptionOrWeightStaysOpenUntilYes)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
    QSignalSpy finished(&dialog, &QDialog::finished);
    press(dialog, "okButton");
    EXPECT_EQ(prompts.shown, std::vector<Message>{noDescription});

    type(dialog, "itemEdit", QStringLiteral("Fleece"));
    prompts.answers = {false};
    press(dialog, "okButton");
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(prompts.shown, (std::vector<Message>{noDescription, noWeight}));

    prompts.answers = {true};
    EXPECT_EQ(press(dialog, "okButton"), QDialog::Accepted);
    EXPECT_EQ(line(dialog.fields().entry), "Clothing|Fleece||1||[][]");
    EXPECT_TRUE(added.empty());
}

TEST_F(ItemEditorTest, OkWithAWeightThatCannotFitIsRefused)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
    QSignalSpy finished(&dialog, &QDialog::finished);
    type(dialog, "itemEdit", QStringLiteral("Rock"));
    type(dialog, "weightEdit", QStringLiteral("999999999"));
    type(dialog, "multiplierEdit", QStringLiteral("9999"));
    press(dialog, "okButton");
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(prompts.shown, (std::vector<Message>{{"Weight too large. Please enter a smaller weight or quantity.",
                                                    "Oops!", MessageIcon::Exclamation, MessageButtons::Ok}}));
}

TEST_F(ItemEditorTest, EnterIsOkInAddModeToo)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
    QTest::keyClick(child<QLineEdit>(dialog, "notesEdit"), Qt::Key_Return);
    EXPECT_EQ(prompts.shown, std::vector<Message>{noDescription});
    type(dialog, "itemEdit", QStringLiteral("Fleece"));
    type(dialog, "weightEdit", QStringLiteral("12"));
    QTest::keyClick(child<QLineEdit>(dialog, "itemEdit"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fields().entry.unitWeight, "12");
    EXPECT_TRUE(added.empty());
}

TEST_F(ItemEditorTest, AddSkipsAnEmptyDescriptionSilentlyAndAsksAboutNoWeight)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
    type(dialog, "weightEdit", QStringLiteral("12"));
    press(dialog, "addButton");
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(added.empty());
    EXPECT_EQ(text(dialog, "weightEdit"), QStringLiteral("12"));

    type(dialog, "itemEdit", QStringLiteral("Fleece"));
    type(dialog, "weightEdit", QString());
    prompts.answers = {false, true};
    press(dialog, "addButton");
    EXPECT_TRUE(added.empty());
    EXPECT_EQ(text(dialog, "itemEdit"), QStringLiteral("Fleece"));
    press(dialog, "addButton");
    EXPECT_EQ(prompts.shown, (std::vector<Message>{noWeight, noWeight}));
    EXPECT_EQ(lines(added), Lines{"Clothing|Fleece||1||[][]"});
}

TEST_F(ItemEditorTest, AddHandsOverTheEntryAndClearsForTheNext)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
    QSignalSpy finished(&dialog, &QDialog::finished);
    child<QComboBox>(dialog, "categoryComboBox")->setCurrentIndex(2);
    type(dialog, "itemEdit", QStringLiteral("Tent"));
    type(dialog, "weightEdit", QStringLiteral("12.5"));
    type(dialog, "multiplierEdit", QStringLiteral("2"));
    type(dialog, "notesEdit", QStringLiteral("Green"));
    type(dialog, "columnTextEdit", QStringLiteral("Red"));
    selectColumn(dialog, 1);
    EXPECT_EQ(text(dialog, "columnTextEdit"), QString());
    type(dialog, "columnTextEdit", QStringLiteral("2019")); // still in the edit when Add is pressed
    press(dialog, "addButton");

    EXPECT_EQ(lines(added), Lines{"Shelter|Tent|12.5|2|Green|[Red][2019]"});
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(text(dialog, "itemEdit"), QString());
    EXPECT_EQ(text(dialog, "weightEdit"), QString());
    EXPECT_EQ(text(dialog, "multiplierEdit"), QStringLiteral("1"));
    EXPECT_EQ(text(dialog, "notesEdit"), QString());
    EXPECT_EQ(text(dialog, "columnTextEdit"), QString());
    EXPECT_EQ(child<QComboBox>(dialog, "categoryComboBox")->currentIndex(), 2);
    EXPECT_EQ(child<QListWidget>(dialog, "columnListWidget")->currentRow(), 1);
    selectColumn(dialog, 0);
    EXPECT_EQ(text(dialog, "columnTextEdit"), QString());

    type(dialog, "itemEdit", QStringLiteral("Pegs"));
    type(dialog, "weightEdit", QStringLiteral("4"));
    press(dialog, "addButton");
    EXPECT_EQ(lines(added), (Lines{"Shelter|Tent|12.5|2|Green|[Red][2019]", "Shelter|Pegs|4|1||[][]"}));
    EXPECT_EQ(press(dialog, "cancelButton"), QDialog::Rejected);
}

TEST_F(ItemEditorTest, ARefusedAddShowsTheMessageAndKeepsTheFields)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
    addReply = Message{"Please uncheck the \"Hide Non-Selected Items\" checkbox first", "Important!",
                       MessageIcon::Exclamation, MessageButtons::Ok};
    type(dialog, "itemEdit", QStringLiteral("Tent"));
    type(dialog, "weightEdit", QStringLiteral("40"));
    type(dialog, "multiplierEdit", QStringLiteral("3"));
    type(dialog, "columnTextEdit", QStringLiteral("Red"));
    press(dialog, "addButton");
    EXPECT_EQ(prompts.shown, std::vector<Message>{*addReply});
    EXPECT_EQ(added.size(), 1u);
    EXPECT_EQ(text(dialog, "itemEdit"), QStringLiteral("Tent"));
    EXPECT_EQ(text(dialog, "weightEdit"), QStringLiteral("40"));
    EXPECT_EQ(text(dialog, "multiplierEdit"), QStringLiteral("3"));
    EXPECT_EQ(text(dialog, "columnTextEdit"), QStringLiteral("Red"));
}

TEST_F(ItemEditorTest, ColumnTextsFollowTheSelectedColumnAndReachOk)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord({"Colour", "Bought", "Where"}), hooks(), prompts);
    type(dialog, "columnTextEdit", QStringLiteral("Red"));
    auto* columns = child<QListWidget>(dialog, "columnListWidget");
    columns->clearSelection(); // as a Ctrl+click on the selected line does
    ASSERT_EQ(columns->selectedItems().size(), 1);
    EXPECT_EQ(columns->selectedItems().front(), columns->item(0));
    EXPECT_EQ(text(dialog, "columnTextEdit"), QStringLiteral("Red"));
    selectColumn(dialog, 2);
    type(dialog, "columnTextEdit", QStringLiteral("REI"));
    selectColumn(dialog, 0);
    EXPECT_EQ(text(dialog, "columnTextEdit"), QStringLiteral("Red"));
    selectColumn(dialog, 2);
    EXPECT_EQ(text(dialog, "columnTextEdit"), QStringLiteral("REI"));
    selectColumn(dialog, 1);
    EXPECT_EQ(text(dialog, "columnTextEdit"), QString());
    type(dialog, "columnTextEdit", QStringLiteral("2019"));
    EXPECT_EQ(dialog.fields().entry.columnTexts, (std::vector<std::string>{"Red", "2019", "REI"}));
    type(dialog, "itemEdit", QStringLiteral("Jacket"));
    type(dialog, "weightEdit", QStringLiteral("11"));
    EXPECT_EQ(press(dialog, "okButton"), QDialog::Accepted);
    EXPECT_EQ(dialog.fields().entry.columnTexts, (std::vector<std::string>{"Red", "2019", "REI"}));
    EXPECT_EQ(dialog.fields().columnHeadings, (std::vector<std::string>{"Colour", "Bought", "Where"}));
    EXPECT_EQ(dialog.fields().categories, (std::vector<std::string>{"Clothing", "Cooking", "Shelter"}));
}

TEST_F(ItemEditorTest, WithoutUserColumnsTheTextEditIsDisabled)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord({}), hooks(), prompts);
    EXPECT_EQ(child<QListWidget>(dialog, "columnListWidget")->count(), 0);
    EXPECT_FALSE(child<QLineEdit>(dialog, "columnTextEdit")->isEnabled());
    type(dialog, "itemEdit", QStringLiteral("Hat"));
    type(dialog, "weightEdit", QStringLiteral("2"));
    press(dialog, "addButton");
    EXPECT_EQ(lines(added), Lines{"Clothing|Hat|2|1||"});
}

TEST_F(ItemEditorTest, ConvertNamesAndDoesTheConversionOfItsClick)
{
    {
        ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
        auto* convert = child<QPushButton>(dialog, "convertButton");
        EXPECT_EQ(convert->text(), QStringLiteral("Convert to Ounces"));
        type(dialog, "weightEdit", QStringLiteral("100"));
        convert->click();
        EXPECT_EQ(text(dialog, "weightEdit"), QStringLiteral("3.52"));
        EXPECT_EQ(convert->text(), QStringLiteral("Convert to grams"));
    }
    {
        // The direction carries over to the next opening.
        ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(), prompts);
        auto* convert = child<QPushButton>(dialog, "convertButton");
        EXPECT_EQ(convert->text(), QStringLiteral("Convert to grams"));
        type(dialog, "weightEdit", QStringLiteral("2"));
        convert->click();
        EXPECT_EQ(text(dialog, "weightEdit"), QStringLiteral("56.75"));
        EXPECT_EQ(convert->text(), QStringLiteral("Convert to ounces"));
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(ItemEditorTest, ConvertWithGramsShownRefusesAResultThatCannotFit)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, addRecord(), hooks(true), prompts);
    auto* convert = child<QPushButton>(dialog, "convertButton");
    EXPECT_EQ(convert->text(), QStringLiteral("Convert to grams"));
    type(dialog, "weightEdit", QStringLiteral("99999999"));
    convert->click();
    EXPECT_EQ(prompts.shown, (std::vector<Message>{{"Weight too large. Please enter a smaller weight or quantity.",
                                                    "Oops!", MessageIcon::Exclamation, MessageButtons::Ok}}));
    EXPECT_EQ(text(dialog, "weightEdit"), QStringLiteral("99999999"));
    EXPECT_EQ(convert->text(), QStringLiteral("Convert to grams"));
    type(dialog, "weightEdit", QStringLiteral("1"));
    convert->click(); // the refused click did not flip the direction
    EXPECT_EQ(text(dialog, "weightEdit"), QStringLiteral("28.38"));
    EXPECT_EQ(convert->text(), QStringLiteral("Convert to ounces"));
}

TEST_F(ItemEditorTest, ModifyModeShowsTheRecordWithOkInPlaceOfAdd)
{
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Modify, modifyRecord(), hooks(), prompts);
    EXPECT_FALSE(child<QPushButton>(dialog, "okButton")->isHidden());
    EXPECT_FALSE(child<QPushButton>(dialog, "addButton")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(dialog, "convertButton")->isHidden());
    EXPECT_EQ(child<QComboBox>(dialog, "categoryComboBox")->currentIndex(), 1);
    EXPECT_EQ(text(dialog, "itemEdit"), QStringLiteral("Stove"));
    EXPECT_EQ(text(dialog, "weightEdit"), QStringLiteral("3.5"));
    EXPECT_EQ(text(dialog, "multiplierEdit"), QStringLiteral("2"));
    EXPECT_EQ(text(dialog, "notesEdit"), QStringLiteral("Gas"));
    EXPECT_EQ(text(dialog, "columnTextEdit"), QStringLiteral("Blue"));
    selectColumn(dialog, 1);
    EXPECT_EQ(text(dialog, "columnTextEdit"), QStringLiteral("2020"));

    type(dialog, "notesEdit", QStringLiteral("Butane"));
    type(dialog, "columnTextEdit", QStringLiteral("2021"));
    QTest::keyClick(child<QLineEdit>(dialog, "columnTextEdit"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(line(dialog.fields().entry), "Cooking|Stove|3.5|2|Butane|[Blue][2021]");
}

TEST_F(ItemEditorTest, ModifyOfACategoryNoLongerListedShowsNoneAndTransfersEmpty)
{
    ItemEditorDialog::Fields fields = modifyRecord();
    fields.entry.category = "Kitchen";
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Modify, fields, hooks(), prompts);
    EXPECT_EQ(child<QComboBox>(dialog, "categoryComboBox")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(dialog, "categoryComboBox")->currentText(), QString());
    EXPECT_EQ(press(dialog, "okButton"), QDialog::Accepted);
    EXPECT_EQ(dialog.fields().entry.category, "");
}

} // namespace
