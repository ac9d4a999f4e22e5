// The File menu's LighterPack entries: a CSV in, the list out, and the hide modes' refusal.
#include "MainWindowSupport.h"

#include <QMenu>
#include <QMenuBar>

using cairnly::Message;
using cairnly::MessageButtons;
using cairnly::MessageIcon;

TEST_F(MainWindowTest, LighterPackCsvComesInAndGoesOutThroughTheFileMenu)
{
    start();
    QStringList entries;
    for (QAction* entry : app->mainWindow().menuBar()->actions().front()->menu()->actions()) {
        if (!entry->isSeparator())
            entries << entry->text();
    }
    EXPECT_EQ(entries, (QStringList{"&Open...", "&Save", "Save &As...", "&Print...", "Print Pre&view...", "&Export...",
                                    "&Import LighterPack CSV...", "Export &LighterPack CSV...", "E&xit"}));
    EXPECT_FALSE(windowCommands().exportLighterPack->isEnabled());

    folder.write("gear.csv", "Item Name,Category,desc,qty,weight,unit\nFly,Tent,green,1,12,oz\nRock,Tent,,1,1,stone\n");
    prompts.fileNames.push_back(QString::fromStdString((folder / "gear.csv").string()));
    windowCommands().importLighterPack->trigger();
    EXPECT_EQ(prompts.fileDialogs.back().title, "Import LighterPack CSV");
    EXPECT_EQ(prompts.shown.back(), (Message{"1 item was added to the list.\n1 row was skipped:\n"
                                             "Line 3: the unit \"stone\" is not one LighterPack knows.",
                                             "Cairnly", MessageIcon::Information, MessageButtons::Ok}));
    EXPECT_EQ(shownRows(), (Lines{"- Tent|Fly|12.00|green"}));
    EXPECT_TRUE(windowCommands().exportLighterPack->isEnabled());

    const std::string out = (folder / "out.csv").string();
    prompts.fileNames.push_back(QString::fromStdString(out));
    windowCommands().exportLighterPack->trigger();
    EXPECT_EQ(prompts.fileDialogs.back().title, "Export LighterPack CSV");
    EXPECT_EQ(prompts.shown.back().text, "1 item was written to \"" + out + "\".");
    EXPECT_EQ(folder.read("out.csv"), "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable,selected\n"
                                      "Fly,Tent,green,1,12,ounce,,,,,\n");

    // Refused before any file is asked for.
    tick(0);
    commands().hideSelected->trigger();
    const std::size_t dialogs = prompts.fileDialogs.size();
    windowCommands().importLighterPack->trigger();
    EXPECT_EQ(prompts.shown.back(), (Message{"Please select the \"Show Selected\" menu item before changing the list",
                                             "Important!", MessageIcon::Exclamation, MessageButtons::Ok}));
    EXPECT_EQ(prompts.fileDialogs.size(), dialogs);
    commands().hideSelected->trigger();
}
