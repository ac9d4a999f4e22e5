// Undo and redo: every command is one step that goes back and forth exactly, with the rows it touched.
#include "ListSupport.h"

#include "core/interchange/LighterPack.h"
#include "core/list/ColumnMarks.h"

#include <functional>

using namespace cairnly;
using namespace cairnly::testing;

namespace {

class UndoTest : public ListTest
{
protected:
    // Tent: Fly 12 (ticked), Pegs 3; Cooking: Cup 1, the group Kitchen (Pot 4, Stove 3) expanded.
    void SetUp() override
    {
        ListTest::SetUp();
        list->addColumn("Where", FormatLeft);
        add("Tent", "Fly", "12", "1", {"pack"});
        add("Tent", "Pegs", "3");
        add("Cooking", "Cup", "1");
        add("Cooking", "Stove", "3");
        add("Cooking", "Pot", "4");
        group("Stove", "Pot", "Kitchen");
        list->toggleGroup(rowOf("+ Kitchen"));
        list->setChecked(rowOf("Fly"), true);
    }

    ItemEntry entryOf(const std::string& shown)
    {
        auto setup = list->modifySetup({rowOf(shown)});
        return std::get<ItemEditorSetup>(setup).entry;
    }

    // The Item cells of the rows.
    std::vector<std::string> items(const std::vector<int>& rows)
    {
        std::vector<std::string> shown;
        for (int row : rows)
            shown.push_back(list->cellText(row, 1));
        return shown;
    }
};

} // namespace

TEST_F(UndoTest, EveryCommandIsOneStepThatUndoesAndRedoesExactly)
{
    struct Case
    {
        const char* label;
        std::function<void()> command;
        std::vector<std::string> touched; // the rows undo highlights
    };
    const Case cases[] = {
        {"Add Item", [&] { add("Bed", "Mat", "10"); }, {}},
        {"Modify Item",
         [&] {
             ItemEntry fly = entryOf("Fly");
             fly.unitWeight = "13";
             list->modifyItem(rowOf("Fly"), fly);
         },
         {"Fly"}},
        {"Modify Item",
         [&] {
             ItemEntry pot = entryOf("Pot");
             pot.notes = "dented";
             list->modifyItem(rowOf("Pot"), pot);
         },
         {"- Kitchen", "Pot", "Stove"}},
        {"Delete", [&] { list->deleteRows({rowOf("Fly")}); }, {"Fly"}},
        {"Delete",
         [&] {
             list->deleteRows({rowOf("- Kitchen"), rowOf("Pegs"), rowOf("Cup")});
         },
         {"Cup", "- Kitchen", "Pot", "Stove", "Pegs"}},
        {"Delete", [&] { list->deleteRows({rowOf("Pot")}); }, {"- Kitchen", "Pot"}},
        {"Tick", [&] { list->setChecked(rowOf("Pegs"), true); }, {"Pegs"}},
        {"Untick", [&] { list->setChecked(rowOf("Fly"), false); }, {"Fly"}},
        {"Select All", [&] { list->selectAll(); }, {}},
        {"Clear Selected", [&] { list->clearSelected(); }, {}},
        {"Group",
         [&] {
             ASSERT_TRUE(std::holds_alternative<CreateGroupRequest>(list->dropOnRow(rowOf("Pegs"), rowOf("Fly"))));
             list->createGroup(rowOf("Pegs"), rowOf("Fly"), "Shelter", "");
         },
         {"Fly", "Pegs"}},
        {"Group", [&] { list->dropOnRow(rowOf("Cup"), rowOf("- Kitchen")); }, {"Cup", "- Kitchen", "Pot", "Stove"}},
        {"Remove from Group", [&] { list->removeFromGroup(rowOf("Pot")); }, {"- Kitchen", "Pot", "Stove"}},
        {"Sort", [&] { list->sortByColumn(2); }, {"- Kitchen"}}, // its members come in weight order
        {"Convert", [&] { list->convert(); }, {"Cup", "- Kitchen", "Pot", "Stove", "Fly", "Pegs"}},
        {"Rename Category",
         [&] {
             GearList::CompoundStep dialog(*list);
             list->renameCategory("Tent", "Shelter");
             std::vector<std::string> names = list->categories();
             std::replace(names.begin(), names.end(), std::string("Tent"), std::string("Shelter"));
             list->setCategories(names);
         },
         {"Fly", "Pegs"}},
        {"Categories", [&] { list->setCategories({"Tent"}); }, {}},
        {"Add Column", [&] { list->addColumn("Why", FormatRight); }, {}},
        {"Delete Column", [&] { list->deleteColumns({0}); }, {"Cup", "- Kitchen", "Pot", "Stove", "Fly", "Pegs"}},
        {"Modify Column", [&] { list->modifyColumn(0, "Carried", FormatCenter); }, {}},
        {"Import", [&] { list->addImported(parseLighterPack("Lid,Cooking,,1,2,oz\n", false).records); }, {}},
        {"Mark Worn", [&] { list->toggleMark({rowOf("Fly")}, Mark::Worn); }, {"Fly"}}, // the column comes too
        {"Mark Consumable", [&] { list->toggleMark({rowOf("Pot")}, Mark::Consumable); }, {"- Kitchen"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SetUp();
        const std::string before = snapshot();
        c.command();
        const std::string after = snapshot();
        ASSERT_NE(after, before);
        EXPECT_EQ(list->undoLabel(), c.label);
        const auto undone = list->undo();
        ASSERT_TRUE(std::holds_alternative<std::vector<int>>(undone));
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(items(std::get<std::vector<int>>(undone)), c.touched);
        EXPECT_EQ(list->redoLabel(), c.label);
        list->redo();
        EXPECT_EQ(snapshot(), after);
        list->undo();
        EXPECT_EQ(snapshot(), before); // and once more, from the redone state
        // The set-up's own steps are still there to undo.
        EXPECT_EQ(list->undoLabel(), "Tick");
    }
}

TEST_F(UndoTest, ViewChangesComeBackAsTheyWereAndANewCommandDropsTheRedo)
{
    const std::string before = snapshot();
    list->deleteRows({rowOf("Fly")});
    const std::string deleted = snapshot();
    list->toggleGroup(rowOf("- Kitchen")); // collapsed after the command: undo shows it expanded again
    list->undo();
    EXPECT_EQ(snapshot(), before);
    list->toggleGroup(rowOf("- Kitchen")); // collapsed while the delete waits to be redone
    list->redo();
    EXPECT_EQ(snapshot(), deleted);
    list->undo();
    add("Bed", "Mat", "10");
    EXPECT_FALSE(list->canRedo());
    EXPECT_EQ(list->redoLabel(), "");
    EXPECT_EQ(list->undoLabel(), "Add Item");
}

TEST_F(UndoTest, AHundredAndFiftyStepsAllGoBackAndAHideModeRefusesUndoButKeepsTheHistory)
{
    const std::string before = snapshot();
    for (int i = 0; i < 150; ++i)
        list->setChecked(rowOf("Pegs"), i % 2 == 0);
    EXPECT_EQ(list->undoLabel(), "Untick");

    ASSERT_EQ(document->setHideNonSelected(true), std::vector<Message>{});
    const Message refusal{"Please uncheck the \"Hide Non-Selected Items\" checkbox before changing the list",
                          "Important!", MessageIcon::Exclamation, MessageButtons::Ok};
    EXPECT_EQ(list->undo(), (std::variant<Message, std::vector<int>>(refusal)));
    EXPECT_EQ(list->redo(), (std::variant<Message, std::vector<int>>(refusal)));
    ASSERT_EQ(document->setHideNonSelected(false), std::vector<Message>{});

    // The way back first undoes how the end of the mode showed the list (groups collapsed, category order).
    for (int i = 0; i < 150; ++i)
        list->undo();
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(list->undoLabel(), "Tick");
}

TEST_F(UndoTest, OpenAndSaveAsStartANewHistoryAndSaveKeepsIt)
{
    ASSERT_TRUE(document->write(folder / "trip.dat").listWritten);
    EXPECT_TRUE(list->canUndo());
    ASSERT_EQ(document->saveAs(folder / "copy.dat"), std::vector<Message>{});
    EXPECT_FALSE(list->canUndo());
    add("Bed", "Mat", "10");
    ASSERT_EQ(document->openFile(folder / "trip.dat"), std::vector<Message>{});
    EXPECT_FALSE(list->canUndo());
    EXPECT_FALSE(list->canRedo());
}
