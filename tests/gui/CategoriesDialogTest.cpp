#include "DataFileBytes.h"
#include "MainWindowSupport.h"

#include <QCheckBox>
#include <QPushButton>

using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::MessageIcon;
using cairnly::test::header;

namespace {

using CategoriesCommandTest = MainWindowTest;

QStringList entries(QDialog& dialog)
{
    auto* box = dialog.findChild<QComboBox*>("categoryComboBox");
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    return shown;
}

QComboBox* box(QDialog& dialog)
{
    return dialog.findChild<QComboBox*>("categoryComboBox");
}

void choose(QDialog& dialog, const QString& name)
{
    box(dialog)->setCurrentIndex(box(dialog)->findText(name));
}

const QStringList sortedDefaults{"Backpacks",     "Clothes",   "Cooking",  "First Aid",
                                 "Miscellaneous", "Rain Gear", "Sleeping", "Tent"};
// The list once the item editor has read it back.
const std::vector<std::string> sortedList{"Backpacks",     "Clothes",   "Cooking",  "First Aid",
                                          "Miscellaneous", "Rain Gear", "Sleeping", "Tent"};

Message question(const std::string& text, const std::string& caption)
{
    return {text, caption, MessageIcon::Question, MessageButtons::YesNo};
}

const Message deleteTent = question("Items or grouped items already exist under \"Tent\". Do you still want to "
                                    "delete this category? (Existing items will remain unchanged.)",
                                    "Confirm Category Delete");
const Message renameTent = question("Items already exist under \"Tent\". Renaming this category will rename the "
                                    "category of existing items. Do you wish to continue?",
                                    "Rename Category");

} // namespace

TEST_F(CategoriesCommandTest, TheBoxShowsTheListInBoxOrderAddTakesNewNamesOnlyAndOkKeepsTheBoxOrder)
{
    start();
    prompts.inputs = {"Tent", "", "tent", std::nullopt, "Stove %1"};
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Configure Categories");
        EXPECT_EQ(dialog.findChild<QLabel*>("currentCategoriesLabel")->text(), "Current Categories:");
        EXPECT_FALSE(box(dialog)->isEditable());
        EXPECT_EQ(entries(dialog), sortedDefaults);
        EXPECT_EQ(box(dialog)->currentText(), "Sleeping"); // the list's first name
        EXPECT_EQ(dialog.findChild<QPushButton*>("addButton")->text(), "&Add...");
        EXPECT_EQ(dialog.findChild<QPushButton*>("deleteButton")->text(), "&Delete");
        EXPECT_EQ(dialog.findChild<QPushButton*>("renameButton")->text(), "&Rename...");
        EXPECT_FALSE(dialog.findChild<QPushButton*>("okButton")->icon().isNull());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("cancelButton")->icon().isNull());
        for (int i = 0; i < 5; ++i)
            press(dialog, "addButton");
        EXPECT_EQ(entries(dialog), (QStringList{"Backpacks", "Clothes", "Cooking", "First Aid", "Miscellaneous",
                                                "Rain Gear", "Sleeping", "Stove %1", "Tent", "tent"}));
        EXPECT_EQ(box(dialog)->currentText(), "Stove %1");
        return press(dialog, "okButton");
    });
    commands().categories->trigger();
    EXPECT_EQ(prompts.inputDialogs.front(),
              (QStringList{"Add New Category", "Enter New Category (20 characters max.)", "20"}));
    EXPECT_TRUE(prompts.shown.empty());

    ASSERT_TRUE(closeWindow());
    EXPECT_EQ(folder.read("GearData.dat"), header + "Backpacks\r\nClothes\r\nCooking\r\nFirst Aid\r\nMiscellaneous\r\n"
                                                    "Rain Gear\r\nSleeping\r\nStove %1\r\nTent\r\ntent\r\n\r\n");
}

TEST_F(CategoriesCommandTest, DeleteAsksOnlyForANameInUseAndCancelDropsTheWorkingList)
{
    start();
    addThroughEditor("Cooking", "Pot", "5");
    addThroughEditor("Tent", "Fly", "12");
    nameNextGroup("Kit");
    drop(rowShowing("Fly"), rowShowing("Pot")); // "Tent" is left only on the collapsed group's member
    prompts.answers = {false, true};
    runner.steps.push_back([](QDialog& dialog) {
        choose(dialog, "Clothes");
        press(dialog, "deleteButton");
        EXPECT_EQ(entries(dialog),
                  (QStringList{"Backpacks", "Cooking", "First Aid", "Miscellaneous", "Rain Gear", "Sleeping", "Tent"}));
        EXPECT_EQ(box(dialog)->currentIndex(), -1);
        EXPECT_FALSE(dialog.findChild<QPushButton*>("deleteButton")->isEnabled());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("renameButton")->isEnabled());
        choose(dialog, "Tent");
        EXPECT_TRUE(dialog.findChild<QPushButton*>("deleteButton")->isEnabled());
        press(dialog, "deleteButton"); // No
        EXPECT_TRUE(entries(dialog).contains("Tent"));
        press(dialog, "deleteButton"); // Yes
        EXPECT_FALSE(entries(dialog).contains("Tent"));
        return press(dialog, "cancelButton");
    });
    commands().categories->trigger();
    EXPECT_EQ(prompts.shown, (std::vector<Message>{deleteTent, deleteTent}));
    EXPECT_EQ(rows().categories(), sortedList);
}

TEST_F(CategoriesCommandTest, RenameRenamesTheItemsAtOnceSoCancelKeepsThemRenamed)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    addThroughEditor("Cooking", "Pot", "5");
    prompts.answers = {true, true};
    prompts.inputs = {"", "Tent", "Abode"};
    runner.steps.push_back([this](QDialog& dialog) {
        choose(dialog, "Clothes");
        press(dialog, "renameButton"); // unused: no question; an empty name changes nothing
        EXPECT_EQ(entries(dialog), sortedDefaults);
        choose(dialog, "Tent");
        press(dialog, "renameButton");
        EXPECT_EQ(prompts.shown.back(),
                  (Message{"Tent", "This category name already exists", MessageIcon::Exclamation, MessageButtons::Ok}));
        press(dialog, "renameButton");
        EXPECT_EQ(entries(dialog), (QStringList{"Abode", "Backpacks", "Clothes", "Cooking", "First Aid",
                                                "Miscellaneous", "Rain Gear", "Sleeping"}));
        EXPECT_EQ(box(dialog)->currentText(), "Abode");
        EXPECT_EQ(shownRows(), (Lines{"- Abode|Fly|12.00|", "- Cooking|Pot|5.00|"}));
        return press(dialog, "cancelButton");
    });
    commands().categories->trigger();
    EXPECT_EQ(prompts.inputDialogs[1],
              (QStringList{"Rename Category", "Rename \"Tent\" to: (20 characters max.)", "20"}));
    EXPECT_EQ(prompts.shown[0], renameTent);
    EXPECT_EQ(prompts.shown[2], renameTent);
    EXPECT_EQ(shownRows(), (Lines{"- Abode|Fly|12.00|", "- Cooking|Pot|5.00|"}));
    EXPECT_EQ(rows().categories(), sortedList);
}

TEST_F(CategoriesCommandTest, CategoryAndColumnCommandsAreRefusedInAHideModeButConfigureAndAboutRun)
{
    start();
    rows().addColumn("Where", cairnly::FormatLeft);
    addThroughEditor("Tent", "Fly", "12");
    tick(0);
    widget<QCheckBox>("hideNonSelectedCheckBox")->click();
    const Message refusal{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list",
                          "Important!", MessageIcon::Exclamation, MessageButtons::Ok};
    for (QAction* command :
         {commands().categories, commands().addColumn, commands().deleteColumn, commands().modifyColumn}) {
        prompts.shown.clear();
        command->trigger();
        EXPECT_EQ(prompts.shown, std::vector<Message>{refusal}) << command->objectName().toStdString();
    }
    runner.steps.push_back([](QDialog& dialog) { return press(dialog, "cancelButton"); });
    commands().generalOptions->trigger();
    runner.steps.push_back([](QDialog& dialog) { return press(dialog, "okButton"); });
    windowCommands().about->trigger();
    EXPECT_EQ(runner.ran,
              (std::vector<QString>{"weightUnitsDialog", "itemEditorDialog", "configureDialog", "aboutDialog"}));
}
