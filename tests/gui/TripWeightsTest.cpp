// Mark Worn and Mark Consumable in the Entry menu, and the trip weights in the Totals dialog.
#include "MainWindowSupport.h"

#include "gui/dialogs/TotalsChart.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>

using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::MessageIcon;

TEST_F(MainWindowTest, MarkWornAndConsumableToggleTheHighlightedRowsAndAddTheirColumnsOnce)
{
    start();
    const QList<QAction*> entry = app->mainWindow().menuBar()->actions()[1]->menu()->actions();
    ASSERT_GE(entry.size(), 3);
    EXPECT_TRUE(entry[entry.size() - 3]->isSeparator());
    EXPECT_EQ(entry[entry.size() - 2], commands().markWorn);
    EXPECT_EQ(entry.back(), commands().markConsumable);
    EXPECT_EQ(commands().markWorn->text(), "Mark &Worn");
    EXPECT_EQ(commands().markConsumable->text(), "Mark Consuma&ble");

    addThroughEditor("Clothes", "Shirt", "5");
    addThroughEditor("Clothes", "Hat", "2");
    addThroughEditor("Cooking", "Fuel", "8");
    EXPECT_FALSE(commands().markWorn->isEnabled());
    highlight({rowShowing("Shirt"), rowShowing("Hat")});
    EXPECT_TRUE(commands().markWorn->isEnabled());
    EXPECT_TRUE(commands().markConsumable->isEnabled());
    commands().markWorn->trigger();
    EXPECT_EQ(shownRows(), (Lines{"- Clothes|Hat|2.00||Worn", "- |Shirt|5.00||Worn", "- Cooking|Fuel|8.00||"}));
    EXPECT_EQ(model()->headerData(4, Qt::Horizontal).toString(), "Worn");

    highlight({rowShowing("Fuel")});
    commands().markConsumable->trigger();
    highlight({rowShowing("Hat")});
    commands().markWorn->trigger();
    EXPECT_EQ(shownRows(),
              (Lines{"- Clothes|Hat|2.00|||", "- |Shirt|5.00||Worn|", "- Cooking|Fuel|8.00|||Consumable"}));
    EXPECT_EQ(model()->columnCount(), 6);

    tick(rowShowing("Fuel"));
    commands().hideNonSelected->trigger();
    highlight({0});
    commands().markWorn->trigger();
    EXPECT_EQ(prompts.shown.back(),
              (Message{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list", "Important!",
                       MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(shownRows(), (Lines{"x Cooking|Fuel|8.00|||Consumable"}));
    commands().hideNonSelected->trigger();
}

// The lines of the categories stay as they are; the box under them holds the five weights, and each bar is
// split into base, consumable and worn in proportion.
TEST_F(MainWindowTest, TotalsShowTheTripWeightsUnderTheLinesAndSplitEachBar)
{
    start();
    addThroughEditor("Clothes", "Shirt", "5", "2");
    addThroughEditor("Clothes", "Jacket", "10");
    addThroughEditor("Cooking", "Fuel", "8");
    addThroughEditor("Cooking", "Pot", "12");
    highlight({rowShowing("Shirt")});
    commands().markWorn->trigger();
    highlight({rowShowing("Fuel")});
    commands().markConsumable->trigger();
    for (int row = 0; row < model()->rowCount(); ++row)
        tick(row);
    runner.steps.push_back([](QDialog& dialog) {
        auto* lines = dialog.findChild<QListWidget*>("totalsListWidget");
        auto* box = dialog.findChild<QGroupBox*>("tripWeightsGroupBox");
        auto* trip = dialog.findChild<QListWidget*>("tripWeightsListWidget");
        auto* chart = dialog.findChild<TotalsChart*>("totalsChart");
        EXPECT_NE(dialog.findChild<QWidget*>("chartLegend"), nullptr);
        if (!lines || !box || !trip || !chart)
            return press(dialog, "okButton");
        QStringList texts;
        for (auto* list : {lines, trip}) {
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        }
        EXPECT_EQ(
            texts,
            (QStringList{
                "Clothes               :  20.00 oz. (  1.25 lb)", "Cooking               :  20.00 oz. (  1.25 lb)",
                "-------------------------------------------", "Grand Total           :  40.00 oz. (  2.50 lb)",
                "Base Weight           :  27.00 oz. (  1.69 lb)", "Consumable            :   8.00 oz. (  0.50 lb)",
                "Worn                  :   5.00 oz. (  0.31 lb)", "Pack Weight           :  35.00 oz. (  2.19 lb)",
                "Skin-Out Weight       :  40.00 oz. (  2.50 lb)"}));
        EXPECT_EQ(box->title(), "Trip Weights");
        EXPECT_EQ(trip->font().family(), "Courier New");
        // At the dialog's smallest, both lists still show every line whole, with no scroll bar.
        dialog.show();
        dialog.resize(dialog.minimumSizeHint());
        QApplication::processEvents();
        for (auto* list : {lines, trip}) {
            const QRect shown = list->viewport()->rect();
            for (int i = 0; i < list->count(); ++i) {
                const QRect line = list->visualItemRect(list->item(i));
                EXPECT_TRUE(shown.contains(line.topLeft()) && line.bottom() <= shown.bottom() &&
                            list->sizeHintForColumn(0) <= shown.width())
                    << list->objectName().toStdString() << " line " << i;
            }
        }
        chart->resize(212, chart->sizeHint().height());
        using Part = TotalsChart::Part;
        const auto width = [&](int run, Part part) { return chart->partRect(run, part).width(); };
        // Clothes: 15 base (the jacket and the shirt's carried one), 5 worn; Cooking: 12 base, 8 consumable.
        EXPECT_EQ((std::vector<int>{width(0, Part::Base), width(0, Part::Consumable), width(0, Part::Worn)}),
                  (std::vector<int>{150, 0, 50}));
        EXPECT_EQ((std::vector<int>{width(1, Part::Base), width(1, Part::Consumable), width(1, Part::Worn)}),
                  (std::vector<int>{120, 80, 0}));
        EXPECT_EQ(chart->partRect(1, Part::Consumable).left(), chart->partRect(1, Part::Base).right() + 1);
        return press(dialog, "okButton");
    });
    commands().totals->trigger();
}
