// Totals and Export in the window: the dialogs, the files written, the mail hand-over and the settings.
#include "MainWindowSupport.h"

#include "core/settings/ProfileFile.h"
#include "gui/dialogs/TotalsChart.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::MessageIcon;

namespace {

QString pathText(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

class ReportsTest : public MainWindowTest
{
protected:
    // A ticked 40 oz. fly and an unticked 20 oz. pot, in two categories.
    void startWithList()
    {
        start();
        addThroughEditor("Tent", "Fly", "40");
        addThroughEditor("Cooking", "Pot", "20");
        tick(rowShowing("Fly"));
    }

    template <class T>
    static T* child(QDialog& dialog, const char* name)
    {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

} // namespace

TEST_F(ReportsTest, TotalsShowTheLinesAndTheSameRunsAsBars)
{
    startWithList();
    tick(rowShowing("Pot"));
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Totals");
        EXPECT_EQ(child<QLabel>(dialog, "captionLabel")->text(), "Totals by Category");
        auto* list = child<QListWidget>(dialog, "totalsListWidget");
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        EXPECT_EQ(lines, (QStringList{"Cooking               :  20.00 oz. (  1.25 lb)",
                                      "Tent                  :  40.00 oz. (  2.50 lb)",
                                      "-------------------------------------------",
                                      "Grand Total           :  60.00 oz. (  3.75 lb)"}));
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::NoSelection);
        EXPECT_EQ(list->font().family(), "Courier New");
        EXPECT_EQ(list->font().pointSize(), 8);
        // The heaviest run fills the width less the margins; the other takes its share.
        auto* chart = child<TotalsChart>(dialog, "totalsChart");
        chart->resize(212, chart->sizeHint().height());
        EXPECT_EQ(chart->runCount(), 2);
        EXPECT_EQ(chart->barRect(1).width(), 200);
        EXPECT_EQ(chart->barRect(0).width(), 100);
        EXPECT_EQ(chart->barRect(0).left(), chart->barRect(1).left());
        return press(dialog, "okButton");
    });
    commands().totals->trigger();
    EXPECT_EQ(runner.ran,
              (std::vector<QString>{"weightUnitsDialog", "itemEditorDialog", "itemEditorDialog", "totalsDialog"}));
}

TEST_F(ReportsTest, TheExportDialogOpensWithTheStoredPathsBrowsesAndChecksTheMailPath)
{
    startWithList();
    auto settings = cairnly::ProfileFile::load(folder / "GearData.ini");
    settings.writeString("EXPORT", "TEXTFILE", (folder / "old list.txt").string());
    settings.writeStructInt32("EXPORT", "EXPORTNOTES", 1);
    ASSERT_EQ(settings.save(folder / "GearData.ini"), std::nullopt);
    prompts.fileNames = {pathText(folder / "a.txt"), pathText(folder / "b.txt"), pathText(folder / "c.htm")};

    runner.steps.push_back([this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Export Gear Data");
        QStringList boxes;
        for (const char* name : {"textCheckBox", "commaCheckBox", "htmlCheckBox", "xmlCheckBox", "sendAsEmailCheckBox",
                                 "includeNotesCheckBox"}) {
            auto* box = child<QCheckBox>(dialog, name);
            boxes << box->text() + (box->isChecked() ? "=on" : "=off");
        }
        EXPECT_EQ(boxes, (QStringList{"Text File: =off", "Comma Delimited File:=off", "HTML File:=off", "XML File:=off",
                                      "Send as EMail=off", "Include Notes=on"}));
        QStringList groups;
        for (auto* group : dialog.findChildren<QGroupBox*>())
            groups << group->title();
        EXPECT_EQ(groups, (QStringList{"Export Gear Data to", "Options"}));
        EXPECT_EQ(child<QRadioButton>(dialog, "allItemsRadioButton")->text(), "Export All Items");
        EXPECT_TRUE(child<QRadioButton>(dialog, "allItemsRadioButton")->isChecked());
        EXPECT_EQ(child<QRadioButton>(dialog, "onlyCheckedRadioButton")->text(), "Export only Checked Items");
        EXPECT_EQ(child<QLineEdit>(dialog, "textEdit")->text(), pathText(folder / "old list.txt"));
        EXPECT_EQ(child<QLineEdit>(dialog, "commaEdit")->text(), "");
        EXPECT_EQ(child<QLineEdit>(dialog, "textEdit")->maxLength(), 32767); // no cut paths

        // The text and comma-delimited buttons share their last name; HTML has its own.
        press(dialog, "textBrowseButton");
        press(dialog, "commaBrowseButton");
        press(dialog, "htmlBrowseButton");
        EXPECT_EQ(child<QLineEdit>(dialog, "textEdit")->text(), pathText(folder / "a.txt"));
        EXPECT_EQ(child<QLineEdit>(dialog, "commaEdit")->text(), pathText(folder / "b.txt"));
        EXPECT_EQ(child<QLineEdit>(dialog, "htmlEdit")->text(), pathText(folder / "c.htm"));
        const auto& specs = prompts.fileDialogs;
        EXPECT_EQ(specs.size(), 3u);
        EXPECT_EQ(specs[0].filters, "Text Files (*.TXT)");
        EXPECT_TRUE(specs[0].existingOnly);
        EXPECT_EQ(specs[0].startFile, "");
        EXPECT_EQ(specs[1].startFile, pathText(folder / "a.txt"));
        EXPECT_EQ(specs[2].filters, "HTML Files (*.HTM)");
        EXPECT_EQ(specs[2].startFile, "");

        child<QLineEdit>(dialog, "textEdit")->clear();
        child<QCheckBox>(dialog, "sendAsEmailCheckBox")->setChecked(true);
        EXPECT_EQ(press(dialog, "okButton"), QDialog::Rejected); // still open
        EXPECT_EQ(prompts.shown, (std::vector<Message>{{"To send EMail, please choose a Text File by clicking on the "
                                                        "Browse button and entering a file name",
                                                        "Export Dialog", MessageIcon::Error, MessageButtons::Ok}}));
        return press(dialog, "cancelButton");
    });
    windowCommands().exportList->trigger();
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder / "a.txt"));
}

TEST_F(ReportsTest, OkRefusesATickedFormatWithoutAFileNamingTheFormatAndStaysOpen)
{
    startWithList();
    runner.steps.push_back([this](QDialog& dialog) {
        child<QCheckBox>(dialog, "htmlCheckBox")->setChecked(true);
        child<QLineEdit>(dialog, "htmlEdit")->clear();
        EXPECT_EQ(press(dialog, "okButton"), QDialog::Rejected); // still open
        EXPECT_EQ(prompts.shown, (std::vector<Message>{{"Please enter a file name for the HTML file", "Export Dialog",
                                                        MessageIcon::Error, MessageButtons::Ok}}));
        return press(dialog, "cancelButton");
    });
    windowCommands().exportList->trigger();
    EXPECT_EQ(prompts.shown.size(), 1u); // no "Unable to Open!" after it
}

TEST_F(ReportsTest, ExportWritesEveryChosenFileMailsTheTextAndKeepsTheChoicesUntilTheSave)
{
    startWithList();
    const std::filesystem::path text = folder / "list.txt";
    const std::filesystem::path comma = folder / "missing" / "list.csv";
    const std::filesystem::path html = folder / "list.htm";
    runner.steps.push_back([&](QDialog& dialog) {
        child<QCheckBox>(dialog, "textCheckBox")->setChecked(true);
        child<QLineEdit>(dialog, "textEdit")->setText(pathText(text));
        child<QCheckBox>(dialog, "commaCheckBox")->setChecked(true);
        child<QLineEdit>(dialog, "commaEdit")->setText(pathText(comma));
        child<QCheckBox>(dialog, "htmlCheckBox")->setChecked(true);
        child<QLineEdit>(dialog, "htmlEdit")->setText(pathText(html));
        child<QCheckBox>(dialog, "sendAsEmailCheckBox")->setChecked(true);
        child<QRadioButton>(dialog, "onlyCheckedRadioButton")->setChecked(true);
        return press(dialog, "okButton");
    });
    windowCommands().exportList->trigger();
    // The comma-delimited file fails; the HTML file after it is still written.
    EXPECT_EQ(prompts.shown, (std::vector<Message>{{comma.string(), "Unable to Open!", MessageIcon::Exclamation}}));
    EXPECT_EQ(folder.read("list.txt"),
              "Category              Item                                  Weight     \r\n" + std::string(71, '-') +
                  "\r\nTent                 Fly                                      40.00    \r\n"
                  "\r\n                     Total Weight of Selected Items            40.00\r\n");
    EXPECT_NE(folder.read("list.htm").find("<font face=Arial>Fly</font>"), std::string::npos);
    EXPECT_EQ(desktop.mails, (std::vector<std::pair<QString, QString>>{{pathText(text), "list.txt"}}));

    // The boxes stay as confirmed and "Export All Items" comes back; the paths are the settings file's
    // until a save records the new ones.
    auto reopen = [&](const QString& expectedText) {
        runner.steps.push_back([&, expectedText](QDialog& dialog) {
            EXPECT_TRUE(child<QCheckBox>(dialog, "textCheckBox")->isChecked());
            EXPECT_TRUE(child<QCheckBox>(dialog, "sendAsEmailCheckBox")->isChecked());
            EXPECT_TRUE(child<QRadioButton>(dialog, "allItemsRadioButton")->isChecked());
            EXPECT_EQ(child<QLineEdit>(dialog, "textEdit")->text(), expectedText);
            return press(dialog, "cancelButton");
        });
        windowCommands().exportList->trigger();
    };
    reopen("");
    windowCommands().save->trigger();
    const auto saved = cairnly::ProfileFile::load(folder / "GearData.ini");
    EXPECT_EQ(saved.readString("EXPORT", "TEXTFILE"), text.string());
    EXPECT_EQ(saved.readString("EXPORT", "COMMAFILE"), comma.string());
    EXPECT_EQ(saved.readString("EXPORT", "XMLFILE"), "");
    reopen(pathText(text));

    // Without a mail program the box is unticked and cannot be ticked.
    desktop.mailAvailable = false;
    runner.steps.push_back([](QDialog& dialog) {
        auto* mail = child<QCheckBox>(dialog, "sendAsEmailCheckBox");
        EXPECT_FALSE(mail->isChecked());
        EXPECT_FALSE(mail->isEnabled());
        return press(dialog, "cancelButton");
    });
    windowCommands().exportList->trigger();
    EXPECT_EQ(desktop.mails.size(), 1u);
}
