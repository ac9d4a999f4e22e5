// How the dialogs show what they hold, read from their geometry and their pixels: Totals tall enough for
// every line and scrolling lines and bars together, message boxes wide enough for their captions, the
// colour buttons' frame, the About link's place.
#include "ScratchFolder.h"
#include "TestSupport.h"

#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/ColorButton.h"
#include "gui/dialogs/LinkLabel.h"
#include "gui/dialogs/TotalsDialog.h"
#include "gui/support/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class DialogLooksTest : public ::testing::Test
{
protected:
    void TearDown() override { EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()); }

    template <class T>
    static T* child(QWidget& parent, const char* name)
    {
        T* found = parent.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

cairnly::CategoryTotals runsOf(int count)
{
    cairnly::CategoryTotals totals;
    for (int i = 0; i < count; ++i) {
        totals.runs.push_back({"Category " + std::to_string(100 + i), static_cast<float>(i + 1)});
        totals.grandTotal += static_cast<float>(i + 1);
    }
    return totals;
}

// Where a widget's rectangle stands in the scrolled area's viewport.
QRect inViewport(const QScrollArea* area, const QWidget* widget, const QRect& rect)
{
    return QRect(widget->mapTo(area->viewport(), rect.topLeft()), rect.size());
}

} // namespace

TEST_F(DialogLooksTest, TotalsOpenTallEnoughForEveryLineUpToTheScreenAndScrollLinesAndBarsTogether)
{
    const int screenHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    for (const int runs : {15, 20, 100}) {
        TotalsDialog dialog(runsOf(runs), {}, {}, false, {Qt::white, Qt::yellow, Qt::red});
        dialog.show();
        QApplication::processEvents();
        auto* area = child<QScrollArea>(dialog, "totalsScrollArea");
        auto* lines = child<QListWidget>(dialog, "totalsListWidget");
        auto* chart = child<TotalsChart>(dialog, "totalsChart");
        ASSERT_EQ(lines->count(), runs + 2);
        EXPECT_LE(dialog.height(), screenHeight) << runs;
        QScrollBar* scroll = area->verticalScrollBar();
        const QRect shown = area->viewport()->rect();
        auto lineRect = [&](int line) {
            return inViewport(area, lines->viewport(), lines->visualItemRect(lines->item(line)));
        };
        if (runs <= 20) { // these fit the offscreen screen: nothing to scroll, the grand total in view
            EXPECT_EQ(scroll->maximum(), 0) << runs;
            EXPECT_TRUE(shown.contains(lineRect(runs + 1))) << runs;
        } else {
            EXPECT_GT(scroll->maximum(), 0);
            EXPECT_GE(dialog.height(), screenHeight - 2 * dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight));
        }
        for (const int position : {0, scroll->maximum()}) {
            scroll->setValue(position);
            QApplication::processEvents();
            for (const int line : {0, runs / 2, runs - 1, runs + 1}) {
                const QRect row = inViewport(area, chart, chart->rowRect(line));
                EXPECT_EQ(row.top(), lineRect(line).top()) << runs << " runs, line " << line;
                EXPECT_EQ(row.height(), lineRect(line).height()) << runs << " runs, line " << line;
            }
            EXPECT_TRUE(shown.contains(lineRect(position == 0 ? 0 : runs + 1))) << runs;
        }
    }
}

TEST_F(DialogLooksTest, TheTotalsLinesCannotBeHighlightedOrTakeTheFocus)
{
    TotalsDialog dialog(runsOf(3), {}, {}, false, {Qt::white, Qt::yellow, Qt::red});
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* lines = child<QListWidget>(dialog, "totalsListWidget");
    const QImage before = lines->grab().toImage();
    const QPoint second = lines->visualItemRect(lines->item(1)).center();
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(lines->viewport(), Qt::LeftButton, {}, second);
    QTest::keyClick(lines, Qt::Key_Down);
    EXPECT_FALSE(lines->hasFocus());
    EXPECT_TRUE(lines->selectedItems().isEmpty());
    EXPECT_EQ(lines->grab().toImage(), before);
    EXPECT_EQ(lines->selectionMode(), QAbstractItemView::NoSelection);
}

TEST_F(DialogLooksTest, AMessageBoxIsWideEnoughForItsCaptionBesideTheFramesGlyphs)
{
    QtPrompts prompts;
    // A desktop draws the caption bold and larger than the text, beside an icon and three buttons about as
    // wide as the title bar is high.
    QFont title = QApplication::font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.25);
    const int glyphs = 4 * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    for (const char* caption : {"Unable to Open!", "Unable to open in browser", "Important!"}) {
        int width = 0;
        QTimer::singleShot(0, [&width] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            width = box->width();
            box->close();
        });
        prompts.show(nullptr, cairnly::Message{"", caption, cairnly::MessageIcon::Exclamation});
        EXPECT_GE(width, QFontMetrics(title).horizontalAdvance(QString::fromLatin1(caption)) + glyphs) << caption;
    }
}

TEST_F(DialogLooksTest, AColourButtonKeepsAWhiteFrameOnceItsColourDialogHasRun)
{
    ScriptedRunner runner;
    for (const bool accepted : {true, false}) {
        ColorButton button(0x000000FF, runner); // red
        button.resize(60, 24);
        auto pixel = [&button](int x, int y) { return button.grab().toImage().pixelColor(x, y); };
        EXPECT_EQ(pixel(0, 0), QColor(255, 0, 0));
        runner.steps.push_back([accepted](QDialog& dialog) {
            static_cast<QColorDialog&>(dialog).setCurrentColor(Qt::blue);
            accepted ? dialog.accept() : dialog.reject();
            return dialog.result();
        });
        button.click();
        const QColor inside = accepted ? QColor(0, 0, 255) : QColor(255, 0, 0);
        for (const QPoint corner : {QPoint(0, 0), QPoint(59, 0), QPoint(0, 23), QPoint(59, 23)})
            EXPECT_EQ(pixel(corner.x(), corner.y()), QColor(255, 255, 255)) << accepted;
        EXPECT_EQ(pixel(1, 1), inside);
        EXPECT_EQ(pixel(30, 12), inside);
    }
}

TEST_F(DialogLooksTest, TheAboutLinkIsDrawnAtTheTopLeftOfItsPlace)
{
    ScriptedPrompts prompts;
    ScriptedDesktop desktop;
    AboutDialog dialog("/t.html", desktop, prompts);
    dialog.show();
    QApplication::processEvents();
    auto* link = child<LinkLabel>(dialog, "linkLabel");
    ASSERT_GT(link->width(), 3 * link->fontMetrics().horizontalAdvance(link->text()));
    const QImage drawn = link->grab().toImage();
    int left = drawn.width();
    int top = drawn.height();
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (c.blue() > 160 && c.red() < 120 && c.green() < 120) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
        }
    }
    const QRect place = link->contentsRect();
    EXPECT_LE(left, place.left() + 2);
    EXPECT_LE(top, place.top() + link->fontMetrics().ascent() - link->fontMetrics().capHeight() + 2);
}
