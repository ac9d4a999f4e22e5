#include "MainWindowSupport.h"

#include "gui/dialogs/ColorButton.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <cstring>

using cairnly::ColorValue;

namespace {

using ConfigureCommandTest = MainWindowTest;

template <class T>
T* in(QDialog& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

ColorValue colorOf(QDialog& dialog, const char* button)
{
    return in<ColorButton>(dialog, button)->color();
}

cairnly::PrintFont courierAt(int32_t size)
{
    cairnly::PrintFont font;
    std::strcpy(font.description.faceName, "Courier New");
    font.description.height = -13;
    font.size = size;
    return font;
}

bool has(const std::string& text, const std::string& line)
{
    return text.find("\r\n" + line + "\r\n") != std::string::npos;
}

} // namespace

TEST_F(ConfigureCommandTest, OpensOnTheSettingsWithItsTexts)
{
    start();
    document().setPrintOptions(true, false, true);
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Configure Cairnly");
        EXPECT_EQ(in<QGroupBox>(dialog, "printingOptionsGroupBox")->title(), "Printing Options");
        EXPECT_EQ(in<QGroupBox>(dialog, "listColorOptionsGroupBox")->title(), "List Color Options");
        EXPECT_EQ(in<QPushButton>(dialog, "printingFontButton")->text(), "Select Printing Font...");
        EXPECT_FALSE(in<QPushButton>(dialog, "printingFontButton")->icon().isNull());
        EXPECT_EQ(in<QLabel>(dialog, "whenPrintingLabel")->text(), "When Printing...");
        EXPECT_EQ(in<QCheckBox>(dialog, "totalEachCategoryCheckBox")->text(), "Total Each Category");
        EXPECT_EQ(in<QCheckBox>(dialog, "showGrandTotalCheckBox")->text(), "Show Grand Total");
        EXPECT_EQ(in<QCheckBox>(dialog, "printNotesCheckBox")->text(), "Print Notes");
        EXPECT_TRUE(in<QCheckBox>(dialog, "totalEachCategoryCheckBox")->isChecked());
        EXPECT_FALSE(in<QCheckBox>(dialog, "showGrandTotalCheckBox")->isChecked());
        EXPECT_EQ(colorOf(dialog, "backgroundColorButton"), cairnly::defaultBackColor);
        EXPECT_EQ(colorOf(dialog, "alternateRowColorButton"), cairnly::defaultAltColor);
        EXPECT_EQ(colorOf(dialog, "groupColorButton"), cairnly::defaultGroupColor);
        QStringList labels;
        for (auto* label : in<QGroupBox>(dialog, "listColorOptionsGroupBox")->findChildren<QLabel*>())
            labels << label->text();
        EXPECT_EQ(labels, (QStringList{"Background Color", "Alternate Row Color", "Group Color"}));
        return press(dialog, "cancelButton");
    });
    commands().generalOptions->trigger();
}

TEST_F(ConfigureCommandTest, OkTakesTheOptionsAndResolvedColoursWhichTheListShowsAtOnce)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    addThroughEditor("Tent", "Pegs", "3");
    document().setListColors(0x80000005, cairnly::defaultAltColor, cairnly::defaultGroupColor); // the window colour
    runner.steps.push_back([this](QDialog& dialog) {
        in<QCheckBox>(dialog, "totalEachCategoryCheckBox")->click();
        in<QCheckBox>(dialog, "printNotesCheckBox")->click();
        in<ColorButton>(dialog, "alternateRowColorButton")->click();
        EXPECT_EQ(colorOf(dialog, "alternateRowColorButton"), 0x00302010u);
        in<ColorButton>(dialog, "groupColorButton")->click();
        EXPECT_EQ(colorOf(dialog, "groupColorButton"), cairnly::defaultGroupColor);
        EXPECT_EQ(model()->index(0, 0).data(Qt::BackgroundRole), QColor(255, 255, 196)); // not before OK
        return press(dialog, "okButton");
    });
    runner.steps.push_back([](QDialog& dialog) {
        auto& colors = static_cast<QColorDialog&>(dialog);
        EXPECT_EQ(colors.currentColor(), QColor(255, 255, 196));
        QList<QColor> custom;
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            custom << QColorDialog::customColor(i);
        EXPECT_EQ(custom, (QList<QColor>{{255, 255, 196},
                                         {16, 16, 16},
                                         {32, 32, 32},
                                         {48, 48, 48},
                                         {64, 64, 64},
                                         {80, 80, 80},
                                         {96, 96, 96},
                                         {112, 112, 112},
                                         {128, 128, 128},
                                         {144, 144, 144},
                                         {160, 160, 160},
                                         {176, 176, 176},
                                         {192, 192, 192},
                                         {208, 208, 208},
                                         {224, 224, 224},
                                         {240, 240, 240}}));
        colors.setCurrentColor(QColor(0x10, 0x20, 0x30));
        colors.accept();
        return colors.result();
    });
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(QColorDialog::customColor(0), QColor(255, 153, 0)); // set again for this button
        static_cast<QColorDialog&>(dialog).setCurrentColor(Qt::black);
        dialog.reject();
        return dialog.result();
    });
    commands().generalOptions->trigger();

    const QColor window = QApplication::palette().color(QPalette::Base);
    const auto windowRgb = static_cast<ColorValue>(window.red() | window.green() << 8 | window.blue() << 16);
    EXPECT_EQ(document().settings().backColor, windowRgb);
    EXPECT_EQ(document().settings().altColor, 0x00302010u);
    EXPECT_EQ(model()->index(0, 0).data(Qt::BackgroundRole), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(model()->index(1, 0).data(Qt::BackgroundRole), window);

    ASSERT_TRUE(closeWindow());
    const std::string settings = folder.read("GearData.ini");
    for (const char* line : {"ALTCOLOR=1020300060", "GROUPCOLOR=FF99000098", "TOTALCATS=0000000000",
                             "TOTALAll=0100000001", "PRINTNOTES=0000000000"})
        EXPECT_TRUE(has(settings, line)) << line;
}

TEST_F(ConfigureCommandTest, TheFontDialogOpensAtMost14PointsAndItsChoiceSurvivesCancel)
{
    start();
    document().setPrintFont(courierAt(20));
    runner.steps.push_back([](QDialog& dialog) { return press(dialog, "okButton"); });
    commands().generalOptions->trigger();
    EXPECT_EQ(document().settings().printFontSize, 20); // the dialog's OK alone keeps the size

    QString chosenFamily;
    runner.steps.push_back([this](QDialog& dialog) {
        in<QPushButton>(dialog, "printingFontButton")->click();
        EXPECT_EQ(document().settings().printFontSize, 12);
        return press(dialog, "cancelButton");
    });
    runner.steps.push_back([this, &chosenFamily](QDialog& dialog) {
        // Only fixed-pitch families, opened on the one that stands for "Courier New" here.
        auto* families = in<QListWidget>(dialog, "familyListWidget");
        EXPECT_GT(families->count(), 0);
        for (int i = 0; i < families->count(); ++i)
            EXPECT_TRUE(QFontDatabase::isFixedPitch(families->item(i)->text()))
                << families->item(i)->text().toStdString();
        EXPECT_EQ(families->currentItem()->text(), QFontInfo(QFont("Courier New")).family());
        // Only the sizes a printout takes.
        auto* size = in<QSpinBox>(dialog, "sizeSpinBox");
        EXPECT_EQ(size->minimum(), 8);
        EXPECT_EQ(size->maximum(), 14);
        EXPECT_EQ(size->value(), 10);
        EXPECT_EQ(document().settings().printFontSize, 10); // taken at once
        size->setValue(12);
        EXPECT_EQ(in<QLabel>(dialog, "sampleLabel")->font().pointSize(), 12);
        chosenFamily = families->currentItem()->text();
        return press(dialog, "okButton");
    });
    commands().generalOptions->trigger();
    const int pixelsPerInch = mainPanel().logicalDpiY();
    EXPECT_EQ(document().settings().printFontSize, 12);
    EXPECT_EQ(document().settings().printFont.height, -(12 * pixelsPerInch / 72));
    EXPECT_EQ(QString::fromLatin1(document().settings().printFont.faceName), chosenFamily);

    runner.steps.push_back([](QDialog& dialog) {
        in<QPushButton>(dialog, "printingFontButton")->click();
        return press(dialog, "okButton");
    });
    runner.steps.push_back([](QDialog& dialog) {
        auto* size = in<QSpinBox>(dialog, "sizeSpinBox");
        EXPECT_EQ(size->value(), 12);
        QTest::keyClick(size, Qt::Key_PageUp); // ten up stops at the largest
        EXPECT_EQ(size->value(), 14);
        return press(dialog, "okButton");
    });
    commands().generalOptions->trigger();
    EXPECT_EQ(document().settings().printFontSize, 14);
    ASSERT_TRUE(closeWindow());
    EXPECT_TRUE(has(folder.read("GearData.ini"), "FONTSIZE=0E0000000E"));
}
