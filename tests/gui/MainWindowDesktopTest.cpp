// The window as a desktop user meets it: its colours, its smallest size, the keyboard, dragging rows.
#include "DataFileBytes.h"
#include "MainWindowSupport.h"

#include "core/settings/SettingsStore.h"
#include "gui/support/Icons.h"

#include <QCheckBox>
#include <QCursor>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

namespace {

void addItems(cairnly::GearList& rows, int count)
{
    for (int i = 0; i < count; ++i) {
        cairnly::ItemEntry entry;
        entry.category = "Tent";
        entry.item = "Item " + std::to_string(100 + i);
        entry.unitWeight = "1";
        ASSERT_EQ(rows.addItem(entry, cairnly::AddSource::Command), std::nullopt);
    }
}

// The colour of the pixel the list's viewport shows at the point.
QColor shownAt(GearListView* view, QPoint point)
{
    return view->viewport()->grab().toImage().pixelColor(point);
}

} // namespace

TEST_F(MainWindowTest, TheUnitsDialogOfAFirstStartHasTheProgramsIcon)
{
    runner.steps.push_back([](QDialog& dialog) {
        const QImage icon = cairnlyIcon("cairnly").pixmap(32).toImage();
        EXPECT_FALSE(icon.isNull());
        EXPECT_EQ(dialog.windowIcon().pixmap(32).toImage(), icon);
        return press(dialog, "okButton");
    });
    start(std::nullopt);
    EXPECT_EQ(runner.ran, std::vector<QString>{"weightUnitsDialog"});
}

TEST_F(MainWindowTest, TheListsEmptyAreaHasTheBackgroundColourAlsoAfterItChanges)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    const QPoint emptyArea(view()->viewport()->width() - 2, view()->viewport()->height() - 2);
    EXPECT_EQ(shownAt(view(), emptyArea), QColor(255, 255, 224));

    cairnly::Settings blue;
    blue.backColor = 0x00FF0000;
    ASSERT_EQ(cairnly::saveSettings(folder / "blue.ini", blue), std::nullopt);
    folder.write("blue.dat", cairnly::test::header + "\r\n");
    prompts.fileNames.push_back(QString::fromStdString((folder / "blue.dat").string()));
    windowCommands().open->trigger();
    EXPECT_EQ(shownAt(view(), emptyArea), QColor(0, 0, 255));

    document().setListColors(0x0000FF00, 0x00FFFFFF, 0x000099FF); // as the Configure dialog's OK does
    EXPECT_EQ(shownAt(view(), emptyArea), QColor(0, 255, 0));
}

TEST_F(MainWindowTest, AtItsSmallestTheWindowShowsTheWholeTotalLineBesideTheCheckBox)
{
    start();
    const QSize opening = app->mainWindow().size();
    EXPECT_EQ(app->mainWindow().minimumSize(), opening);
    app->mainWindow().resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(app->mainWindow().size(), opening);

    auto* line = widget<QLabel>("totalLabel");
    const QRect box = widget<QCheckBox>("hideNonSelectedCheckBox")->geometry();
    EXPECT_EQ(line->geometry().right() + 1, box.left());
    for (const char* total : {"3508143.25 gm. (3508.14 kg)", "123657.50 oz. (7728.59 lbs)"})
        EXPECT_LE(line->fontMetrics().horizontalAdvance(QString::fromLatin1(total)), line->contentsRect().width())
            << total;

    // Wider, the line still reaches to the check box as it moves right.
    app->mainWindow().resize(opening.width() + 80, opening.height());
    QApplication::processEvents();
    EXPECT_EQ(line->geometry().right() + 1, widget<QCheckBox>("hideNonSelectedCheckBox")->x());
}

TEST_F(MainWindowTest, AltAndTheLetterAButtonSharesWithAMenuPressTheButton)
{
    start();
    addThroughEditor("Tent", "Fly", "12");
    app->mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app->mainWindow()));
    for (const auto& [key, name] : {std::pair{Qt::Key_E, "exportButton"}, std::pair{Qt::Key_C, "configureButton"}}) {
        auto* button = widget<QPushButton>(name);
        QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr); // only the press counts here
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::keyClick(&app->mainWindow(), key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&clicked] { return clicked.count() == 1; })) << name; // the click is animated
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << name;                     // no menu opened
    }
}

// A real drag cannot run on the offscreen platform; its timer is driven by hand here.
TEST_F(MainWindowTest, WhileADragRunsTheListScrollsALineEvery200MsWhileThePointerIsAboveOrBelowIt)
{
    start();
    addItems(rows(), 60);
    EXPECT_FALSE(view()->hasAutoScroll()); // Qt's own scrolling at the edge raced away
    auto* timer = view()->findChild<QTimer*>("dragScrollTimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 200);
    QApplication::processEvents(); // the scroll bar takes its range
    QScrollBar* scroll = view()->verticalScrollBar();
    scroll->setValue(30);
    ASSERT_EQ(scroll->value(), 30);
    QWidget* viewport = view()->viewport();
    const struct
    {
        QPoint pointer;
        int scrolled;
    } ticks[] = {{{40, -30}, -1},
                 {{40, -1}, -1},
                 {{40, 0}, 0},
                 {{40, viewport->height() - 1}, 0},
                 {{40, viewport->height()}, 1},
                 {{-500, viewport->height() + 300}, 1}};
    for (const auto& tick : ticks) {
        QCursor::setPos(viewport->mapToGlobal(tick.pointer));
        const int before = scroll->value();
        QMetaObject::invokeMethod(timer, "timeout");
        EXPECT_EQ(scroll->value() - before, tick.scrolled) << tick.pointer.x() << "," << tick.pointer.y();
    }
}

TEST_F(MainWindowTest, TheRowADragIsOverIsHighlightedAndTheDropLandsOnIt)
{
    start();
    addThroughEditor("Cooking", "Pot", "5");
    addThroughEditor("Cooking", "Stove", "7");
    addThroughEditor("Cooking", "Tarp", "9");
    const QPoint target = view()->visualRect(model()->index(rowShowing("Tarp"), 3)).center();
    std::unique_ptr<QMimeData> data(model()->mimeData({model()->index(rowShowing("Stove"), 0)}));

    QDragEnterEvent enter(target, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(view()->viewport(), &enter);
    QDragMoveEvent move(target, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(view()->viewport(), &move);
    EXPECT_TRUE(move.isAccepted());
    EXPECT_EQ(view()->dropTargetRow(), rowShowing("Tarp"));
    EXPECT_EQ(shownAt(view(), target), view()->palette().color(QPalette::Highlight));

    QDropEvent dropped(target, Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(view()->viewport(), &dropped);
    QApplication::processEvents();
    EXPECT_TRUE(dropped.isAccepted());
    EXPECT_EQ(view()->dropTargetRow(), -1);
    // Nothing changes while the drag runs.
    EXPECT_EQ(shownRows(), (Lines{"- Cooking|Pot|5.00|", "- |Stove|7.00|", "- |Tarp|9.00|"}));

    // The drag ends (the offscreen desktop ends it at once): the drop is reported and the group formed.
    nameNextGroup("Shelter");
    const QPoint stove = view()->visualRect(model()->index(rowShowing("Stove"), 1)).center();
    QTest::mousePress(view()->viewport(), Qt::LeftButton, {}, stove);
    for (int step = 1; step <= 2; ++step) { // the first move only starts the drag state
        const QPoint at = stove + QPoint(0, step * (QApplication::startDragDistance() + 2));
        QMouseEvent pull(QEvent::MouseMove, at, view()->viewport()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(view()->viewport(), &pull);
    }
    QApplication::processEvents();
    EXPECT_EQ(shownRows(), (Lines{"- Cooking|Pot|5.00|", "- |+ Shelter|16.00|"}));
}
