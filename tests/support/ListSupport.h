#pragma once

#include "ScratchFolder.h"
#include "core/document/ControlStates.h"
#include "core/document/GearDocument.h"
#include "core/files/DataFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace cairnly::testing {

// Keeps its own count of the rows from the notifications alone and checks it against the rows, as a
// Qt model would depend on it.
class ShadowObserver : public GearListObserver
{
public:
    const GearList* rows = nullptr;
    int count = 0;
    int resets = 0;
    int stateChanges = 0;
    std::vector<std::pair<int, int>> changed; // the ranges of rowsChanged, in order
    std::vector<std::string> errors;

    void rowsAboutToBeInserted(int first, int last) override
    {
        expect(pending == 0 && first >= 0 && first <= count && last >= first, "bad insert range");
        pending = last - first + 1;
    }
    void rowsInserted() override
    {
        count += pending;
        pending = 0;
        expect(count == rows->rowCount(), "count after insert");
    }
    void rowsAboutToBeRemoved(int first, int last) override
    {
        expect(pending == 0 && first >= 0 && last < count && last >= first, "bad remove range");
        pending = last - first + 1;
    }
    void rowsRemoved() override
    {
        count -= pending;
        pending = 0;
        expect(count == rows->rowCount(), "count after remove");
    }
    void rowsChanged(int first, int last) override
    {
        expect(first >= 0 && last < count && first <= last, "bad change range");
        changed.emplace_back(first, last);
    }
    void aboutToReset() override
    {
        expect(!inReset, "nested reset");
        inReset = true;
    }
    void reset() override
    {
        expect(inReset, "reset without its start");
        inReset = false;
        count = rows->rowCount();
        ++resets;
    }

private:
    void expect(bool condition, const char* what)
    {
        if (!condition)
            errors.emplace_back(what);
    }
    int pending = 0;
    bool inReset = false;
};

// A document in a fresh working folder, in ounces, with an observer checking every notification of its
// list.
class ListTest : public ::testing::Test
{
protected:
    ScratchFolder folder;
    ShadowObserver observer;
    std::unique_ptr<GearDocument> document;
    GearList* list = nullptr;

    void SetUp() override { makeDocument(Settings{}); }

    void TearDown() override
    {
        EXPECT_TRUE(observer.errors.empty()) << observer.errors.front();
        EXPECT_EQ(observer.count, list->rowCount());
    }

    void makeDocument(Settings settings)
    {
        document = std::make_unique<GearDocument>(folder.path(), folder / "GearData.dat", std::move(settings));
        list = &document->list();
        observer = ShadowObserver{};
        observer.rows = list;
        list->setObserver(&observer);
        document->setStatesListener([this] { ++observer.stateChanges; });
        list->setClientWidth(400);
        document->applySettingsLayout();
        observer.count = list->rowCount();
    }

    ButtonStates buttons() const { return controlStates(*list, 0).buttons; }
    MenuStates menuStates(int highlighted) const { return controlStates(*list, highlighted).menus; }

    void add(const std::string& category, const std::string& item, const std::string& unitWeight,
             const std::string& multiplier = "1", std::vector<std::string> texts = {})
    {
        ItemEntry entry;
        entry.category = category;
        entry.item = item;
        entry.unitWeight = unitWeight;
        entry.multiplier = multiplier;
        entry.columnTexts = std::move(texts);
        ASSERT_EQ(list->addItem(entry, AddSource::Command), std::nullopt);
    }

    // The row whose Item cell shows this text.
    int rowOf(const std::string& shownItem)
    {
        for (int i = 0; i < list->rowCount(); ++i) {
            if (list->cellText(i, 1) == shownItem)
                return i;
        }
        ADD_FAILURE() << "no row shows " << shownItem;
        return -1;
    }

    // Forms a group by dropping the dragged item onto the target item.
    void group(const std::string& dragged, const std::string& target, const std::string& name)
    {
        const int source = rowOf(dragged);
        const int onto = rowOf(target);
        ASSERT_TRUE(std::holds_alternative<CreateGroupRequest>(list->dropOnRow(source, onto)));
        ASSERT_GE(list->createGroup(source, onto, name, ""), 0);
    }

    // Everything the list shows or would write: the rows, the file's bytes and the state beside them.
    std::string snapshot()
    {
        std::string all;
        for (const std::string& line : table())
            all += line + "\n";
        all += formatDataFile(list->categories(), list->topLevelRecords());
        for (const std::string& name : list->groupNames())
            all += name + ";";
        for (const ListColumn& column : list->columns().columns)
            all += column.heading + ":" + std::to_string(column.format) + ";";
        for (int column = 0; column < list->columnCount(); ++column)
            all += std::to_string(list->sortDirection(column));
        const ButtonStates b = buttons();
        all += list->totalLine() + (list->metric() ? "g" : "o") + (list->otherSort() ? "s" : "-") +
               (b.add ? "a" : "-") + (b.modify ? "m" : "-");
        return all;
    }

    // Each row as "<kind> <tick> cell|cell|...": kind I, G or M; tick x or -.
    std::vector<std::string> table()
    {
        std::vector<std::string> lines;
        for (int i = 0; i < list->rowCount(); ++i) {
            const char kind = list->kind(i) == RowKind::Group ? 'G' : list->kind(i) == RowKind::Member ? 'M' : 'I';
            std::string line = std::string(1, kind) + (list->isChecked(i) ? " x " : " - ");
            for (int c = 0; c < list->columnCount(); ++c)
                line += (c ? "|" : "") + list->cellText(i, c);
            lines.push_back(line);
        }
        return lines;
    }
};

using Lines = std::vector<std::string>;

} // namespace cairnly::testing
