#include "MainWindowSupport.h"

#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/LinkLabel.h"

#include <QSignalSpy>

using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::MessageIcon;

namespace {

class AboutDialogTest : public ::testing::Test
{
protected:
    ScratchFolder folder;
    ScriptedPrompts prompts;
    ScriptedDesktop desktop;

    void TearDown() override
    {
        EXPECT_TRUE(desktop.answers.empty());
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    static Message unableToOpen(const QString& page)
    {
        return {page.toStdString(), "Unable to open in browser", MessageIcon::Exclamation, MessageButtons::Ok};
    }
};

using AboutCommandTest = MainWindowTest;

} // namespace

TEST_F(AboutDialogTest, ShowsTheVersionAndTheTutorialAsABoldUnderlinedBlueLink)
{
    AboutDialog dialog("/opt/cairnly/share/cairnly/tutorial.html", desktop, prompts);
    EXPECT_EQ(dialog.windowTitle(), "About Cairnly");
    EXPECT_EQ(dialog.findChild<QLabel*>("aboutLabel")->text(),
              "Cairnly\n\nVesion 5.10\n\nKeeps your backpacking gear list and weighs what you carry.\n"
              "Questions and suggestions: support@cairnly.example\n\nTutorial at:");
    auto* link = dialog.findChild<LinkLabel*>("linkLabel");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), "/opt/cairnly/share/cairnly/tutorial.html");
    EXPECT_EQ(link->textFormat(), Qt::PlainText);
    EXPECT_TRUE(link->font().bold());
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutDialogTest, AClickOpensThePageOrSaysItCouldNotAndTheDialogStays)
{
    folder.write("tutorial.html", "<html></html>");
    const QString page = QString::fromStdString((folder / "tutorial.html").string());
    AboutDialog dialog(page, desktop, prompts);
    QSignalSpy finished(&dialog, &QDialog::finished);
    auto* link = dialog.findChild<LinkLabel*>("linkLabel");
    desktop.answers = {true, false};
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_TRUE(prompts.shown.empty());
    QTest::mouseClick(link, Qt::RightButton);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(desktop.openedUrls, (std::vector<QString>{"file://" + page, "file://" + page}));
    EXPECT_EQ(prompts.shown, std::vector<Message>{unableToOpen(page)});

    const QString missing = QString::fromStdString((folder / "missing.html").string());
    AboutDialog nowhere(missing, desktop, prompts);
    QTest::mouseClick(nowhere.findChild<LinkLabel*>("linkLabel"), Qt::LeftButton);
    EXPECT_EQ(desktop.openedUrls.size(), 2u); // a page that is not there is not handed on
    EXPECT_EQ(prompts.shown.back(), unableToOpen(missing));
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(AboutCommandTest, AboutShowsTheInstalledTutorialAndEmailMeOpensAMessageToSupport)
{
    start();
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<LinkLabel*>("linkLabel")->text(),
                  QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/cairnly/tutorial.html"));
        return press(dialog, "okButton");
    });
    windowCommands().about->trigger();
    desktop.answers = {false};
    windowCommands().emailMe->trigger();
    EXPECT_EQ(desktop.openedUrls, std::vector<QString>{"mailto:support@cairnly.example?subject=Cairnly Help"});
    EXPECT_TRUE(prompts.shown.empty()); // no mail program: nothing said
}
