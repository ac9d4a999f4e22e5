// What keeps a user's work when the program does not close normally: the autosave after each change, and
// the close that a signal runs.
#include "MainWindowSupport.h"

#include "core/files/AtomicFile.h"
#include "gui/app/Autosave.h"

#include <QCheckBox>
#include <QTimer>

#include <csignal>
#include <functional>

namespace {

// Lets the window's thread hear what the writer's thread did, for at most two seconds.
bool waitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 200 && !condition(); ++i) {
        QApplication::processEvents();
        QTest::qSleep(10);
    }
    return condition();
}

std::string workingFile(const ScratchFolder& folder)
{
    const cairnly::WholeFile file = cairnly::readWholeFile(folder / "GearData.dat");
    return std::string(file.bytes());
}

} // namespace

TEST_F(MainWindowTest, EachChangeIsWrittenASecondLaterExceptInAHideModeAndAFailureIsToldOnce)
{
    start();
    auto* timer = app->mainWindow().findChild<QTimer*>("autosaveTimer");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), Autosave::delayMilliseconds);
    addThroughEditor("Tent", "Fly", "12");
    EXPECT_TRUE(timer->isActive()); // the change restarted it
    app->mainWindow().autosave().writeNow();
    EXPECT_TRUE(waitFor([&] { return workingFile(folder).find("Fly") != std::string::npos; }));
    EXPECT_TRUE(std::filesystem::exists(folder / "GearData.ini"));

    tick(0);
    widget<QCheckBox>("hideNonSelectedCheckBox")->click(); // writes the whole list itself
    const std::string whole = workingFile(folder);
    app->mainWindow().autosave().writeNow();
    app->mainWindow().autosave().stop();
    EXPECT_EQ(workingFile(folder), whole);
    widget<QCheckBox>("hideNonSelectedCheckBox")->click();

    // A folder where the working file was: every write fails, and says so once.
    std::filesystem::remove(folder / "GearData.dat");
    std::filesystem::create_directory(folder / "GearData.dat");
    const std::size_t shown = prompts.shown.size();
    for (int i = 0; i < 3; ++i) {
        addThroughEditor("Tent", QStringLiteral("Pole %1").arg(i), "1");
        app->mainWindow().autosave().writeNow();
        app->mainWindow().autosave().stop();
        waitFor([&] { return prompts.shown.size() > shown; });
    }
    ASSERT_EQ(prompts.shown.size(), shown + 1);
    EXPECT_EQ(prompts.shown.back().caption, "Error");
    std::filesystem::remove(folder / "GearData.dat");
    app->mainWindow().autosave().writeNow();
    EXPECT_TRUE(waitFor([&] { return workingFile(folder).find("Pole 2") != std::string::npos; }));
}

TEST_F(MainWindowTest, ASignalWritesTheListAsACloseWouldAndQuitsWithoutAsking)
{
    start();
    bool quit = false;
    app->endOnSignals([&quit] { quit = true; });
    addThroughEditor("Tent", "Fly", "12");
    std::raise(SIGTERM);
    EXPECT_TRUE(waitFor([&] { return quit; }));
    EXPECT_NE(workingFile(folder).find("Fly"), std::string::npos);
    EXPECT_EQ(prompts.shown.size(), 0u);

    // In a hide mode the working file holds the whole list already: nothing is written.
    quit = false;
    tick(0);
    widget<QCheckBox>("hideNonSelectedCheckBox")->click();
    std::filesystem::remove(folder / "GearData.dat");
    std::raise(SIGHUP);
    EXPECT_TRUE(waitFor([&] { return quit; }));
    EXPECT_FALSE(std::filesystem::exists(folder / "GearData.dat"));
    widget<QCheckBox>("hideNonSelectedCheckBox")->click();
}
