#include "ListSupport.h"

#include "core/files/DataFile.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"

#include <random>
#include <set>

using namespace cairnly;
using namespace cairnly::testing;

namespace {

const std::vector<std::string> categoryPool = {"Tent", "tent", "Cooking", "Bed", "\xC9t\xE9", "\xE9T\xC9", "Misc"};
const std::vector<std::string> itemPool = {"Fly", "fly", "Pot", "Stove", "Mat", "Bag", "Cup", "Zip", "a", "B"};
const std::vector<std::string> weightPool = {"1", "2.5", "0.1", "12", "0.33", "7", "", "abc", "100"};

// The insertion rule as plainly as it can be said, over the top-level rows only: the first row of the
// same category starts a block; the record goes before the first row of the block whose item is not
// less; without a block, before the first row whose category is not less.
std::size_t plainInsertPosition(const std::vector<std::pair<std::string, std::string>>& list,
                                const std::string& category, const std::string& item)
{
    std::size_t a = 0;
    while (a < list.size() && compareNoCase(list[a].first, category) != 0)
        ++a;
    if (a == list.size()) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (compareNoCase(list[i].first, category) >= 0)
                return i;
        }
        return list.size();
    }
    std::size_t length = 1;
    while (a + length < list.size() && compareNoCase(list[a + length].first, category) == 0)
        ++length;
    for (std::size_t i = a; i < a + length; ++i) {
        if (compareNoCase(list[i].second, item) >= 0)
            return i;
    }
    return a + length;
}

std::string pick(std::mt19937& random, const std::vector<std::string>& pool)
{
    return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(random)];
}

} // namespace

class ListRandomTest : public ListTest
{
protected:
    std::mt19937 random{12345};

    int anyRow()
    {
        return list->rowCount() == 0 ? -1 : std::uniform_int_distribution<int>(0, list->rowCount() - 1)(random);
    }
    int rowOfKind(RowKind kind)
    {
        std::vector<int> found;
        for (int i = 0; i < list->rowCount(); ++i) {
            if (list->kind(i) == kind)
                found.push_back(i);
        }
        return found.empty() ? -1 : found[std::uniform_int_distribution<std::size_t>(0, found.size() - 1)(random)];
    }

    void checkInvariants(const std::string& step)
    {
        SCOPED_TRACE(step);
        double sum = 0.0;
        bool anyTicked = false;
        std::vector<std::string> seen;
        for (int i = 0; i < list->rowCount(); ++i) {
            const GearRecord& r = list->record(i);
            // The category rule, looking at every row above.
            const std::string category(fieldText(r.category));
            bool above = false;
            for (const std::string& s : seen)
                above = above || equalsNoCase(s, category);
            seen.push_back(category);
            if (!list->otherSort()) {
                ASSERT_EQ(list->cellText(i, 0), above ? "" : category) << "row " << i;
            }
            if (list->kind(i) == RowKind::Member) {
                ASSERT_TRUE(list->isChecked(i));
                continue;
            }
            if (list->kind(i) == RowKind::Group) {
                ASSERT_EQ(fieldText(r.groupWeight), formatFixed(static_cast<double>(groupSum(r)), 2));
                // An expanded group is followed by exactly its members, in walk order.
                std::vector<const GearRecord*> members;
                r.members->forEach([&](const GearRecord& m) { members.push_back(&m); });
                if (r.expanded) {
                    for (std::size_t k = 0; k < members.size(); ++k) {
                        const int memberRow = i + 1 + static_cast<int>(k);
                        ASSERT_LT(memberRow, list->rowCount());
                        ASSERT_EQ(list->kind(memberRow), RowKind::Member);
                        ASSERT_TRUE(list->record(memberRow) == *members[k]);
                        ASSERT_EQ(list->record(memberRow).parent, &r);
                    }
                }
                const int next = i + 1 + (r.expanded ? static_cast<int>(members.size()) : 0);
                if (next < list->rowCount()) {
                    ASSERT_NE(list->kind(next), RowKind::Member) << "stray member row at " << next;
                }
            }
            if (list->isChecked(i)) {
                anyTicked = true;
                sum += readWeight(list->kind(i) == RowKind::Group ? fieldText(r.groupWeight) : fieldText(r.weight));
            }
        }
        ASSERT_EQ(list->selectedTotal(), static_cast<float>(sum));
        if (!anyTicked) {
            ASSERT_EQ(list->selectedTotal(), 0.0f);
        }
        ASSERT_EQ(buttons().clearSelected, static_cast<double>(static_cast<float>(sum)) >= 0.00001);
    }
};

TEST_F(ListRandomTest, LoadingPlacesRecordsAsInsertingThemOneByOneWould)
{
    for (int round = 0; round < 30; ++round) {
        std::vector<GearRecord> records(std::uniform_int_distribution<int>(0, 60)(random));
        std::vector<std::pair<std::string, std::string>> plain;
        std::vector<std::string> plainTags;
        std::vector<const GearRecord*> pointers;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const std::string category = pick(random, categoryPool);
            const std::string item = pick(random, itemPool);
            setFieldText(records[i].category, category);
            setFieldText(records[i].item, item);
            setFieldText(records[i].notes, std::to_string(i));
            pointers.push_back(&records[i]);
            const std::size_t at = plainInsertPosition(plain, category, item);
            plain.insert(plain.begin() + static_cast<std::ptrdiff_t>(at), {category, item});
            plainTags.insert(plainTags.begin() + static_cast<std::ptrdiff_t>(at), std::to_string(i));
        }
        folder.write("GearData.dat", formatDataFile({"Tent"}, pointers));
        document->loadWorkingFile();
        ASSERT_EQ(list->rowCount(), static_cast<int>(records.size()));
        for (int i = 0; i < list->rowCount(); ++i)
            ASSERT_EQ(fieldText(list->record(i).notes), plainTags[i]) << "round " << round << " row " << i;
    }
}

TEST_F(ListRandomTest, LongSequencesOfOperationsKeepEveryRuleOfTheListAndUndoEveryStep)
{
    std::vector<std::pair<std::string, std::string>> done; // each step's list before and after it
    std::vector<std::pair<std::string, std::string>> redoable;
    for (const char* heading : {"Where", "Why"}) {
        const std::string before = snapshot();
        list->addColumn(heading, FormatLeft);
        done.emplace_back(before, snapshot());
    }
    int groups = 0;
    for (int step = 0; step < 3000; ++step) {
        // Adding outweighs deleting so the list grows; a hide mode soon goes off again.
        static const std::vector<double> weights = {14, 10, 8, 3, 10, 6, 3, 5, 4, 2, 5,
                                                    2,  2,  2, 2, 2,  3, 2, 8, 2, 5, 3};
        int operation = std::discrete_distribution<int>(weights.begin(), weights.end())(random);
        if ((document->hideNonSelected() || document->hideSelected()) &&
            std::uniform_int_distribution<int>(0, 1)(random))
            operation = document->hideNonSelected() ? 14 : 15;
        std::string name = "step " + std::to_string(step) + " op " + std::to_string(operation);
        // Every command that changes the list is a step: undo gives back what was there before it, redo
        // what it made, whatever the view did in between.
        static const std::set<int> commands = {0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 17, 18, 19};
        const bool hidden = document->hideNonSelected() || document->hideSelected();
        const std::string before = commands.count(operation) ? snapshot() : std::string();
        switch (operation) {
        case 0:
        case 1: {
            ItemEntry entry;
            entry.category = pick(random, categoryPool);
            entry.item = pick(random, itemPool);
            entry.unitWeight = pick(random, weightPool);
            entry.multiplier = std::to_string(std::uniform_int_distribution<int>(0, 3)(random));
            for (int c = 0; c < static_cast<int>(document->settings().userColumns.size()); ++c)
                entry.columnTexts.push_back(pick(random, itemPool));
            list->addItem(entry, operation == 0 ? AddSource::Command : AddSource::EditorButton);
            break;
        }
        case 2:
        case 3:
            if (const int row = anyRow(); row >= 0)
                list->setChecked(row, operation == 2);
            break;
        case 4: {
            const int source = rowOfKind(RowKind::Item);
            const int target = anyRow();
            if (source < 0)
                break;
            const DropReply reply = list->dropOnRow(source, target);
            if (std::holds_alternative<CreateGroupRequest>(reply))
                list->createGroup(source, target, "G" + std::to_string(++groups), "notes");
            break;
        }
        case 5:
            list->toggleGroup(rowOfKind(RowKind::Group));
            break;
        case 6:
            list->setAllGroups(std::uniform_int_distribution<int>(0, 1)(random) == 1);
            break;
        case 7:
            if (const int row = rowOfKind(RowKind::Member); row >= 0)
                list->removeFromGroup(row);
            break;
        case 8:
            if (const int row = anyRow(); row >= 0)
                list->deleteRows({row});
            break;
        case 9: {
            std::vector<int> several;
            for (int k = 0; k < 4; ++k) {
                if (const int row = anyRow(); row >= 0)
                    several.push_back(row);
            }
            list->deleteRows(several);
            break;
        }
        case 10:
            list->sortByColumn(std::uniform_int_distribution<int>(0, list->columnCount() - 1)(random));
            break;
        case 11:
            list->renameCategory(pick(random, categoryPool), pick(random, categoryPool));
            break;
        case 12:
            if (!document->settings().userColumns.empty() && std::uniform_int_distribution<int>(0, 3)(random) == 0)
                list->deleteColumns({0});
            else
                list->addColumn("C" + std::to_string(step), FormatCenter);
            break;
        case 13:
            list->convert();
            break;
        case 14:
            document->setHideNonSelected(!document->hideNonSelected());
            break;
        case 15:
            document->setHideSelected(!document->hideSelected());
            break;
        case 16:
            if (!document->hideNonSelected() && !document->hideSelected()) {
                ASSERT_TRUE(document->write().messages.empty());
                document->loadWorkingFile();
            }
            break;
        case 17:
            list->selectAll();
            break;
        case 18: {
            const int row = anyRow();
            if (row < 0 || list->kind(row) == RowKind::Group)
                break;
            auto setup = list->modifySetup({row});
            if (auto* editor = std::get_if<ItemEditorSetup>(&setup)) {
                editor->entry.unitWeight = pick(random, weightPool);
                editor->entry.category = pick(random, categoryPool);
                list->modifyItem(row, editor->entry);
            }
            break;
        }
        case 19:
            list->clearSelected();
            break;
        case 20: {
            const auto undone = list->undo();
            if (hidden) {
                ASSERT_TRUE(std::holds_alternative<Message>(undone)) << name;
            } else if (done.empty()) {
                ASSERT_FALSE(list->canUndo()) << name;
            } else {
                ASSERT_EQ(snapshot(), done.back().first) << name;
                redoable.push_back(done.back());
                done.pop_back();
            }
            break;
        }
        case 21: {
            const auto redone = list->redo();
            if (hidden) {
                ASSERT_TRUE(std::holds_alternative<Message>(redone)) << name;
            } else if (redoable.empty()) {
                ASSERT_FALSE(list->canRedo()) << name;
            } else {
                ASSERT_EQ(snapshot(), redoable.back().second) << name;
                done.push_back(redoable.back());
                redoable.pop_back();
            }
            break;
        }
        }
        if (operation == 16) { // a list read afresh starts a new history
            done.clear();
            redoable.clear();
        }
        if (!before.empty()) {
            if (const std::string after = snapshot(); after != before) {
                ASSERT_TRUE(list->canUndo()) << name;
                done.emplace_back(before, after);
                redoable.clear();
            }
        }
        checkInvariants(name);
        if (HasFatalFailure())
            return;
    }
}
