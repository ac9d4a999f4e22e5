#pragma once

#include "ScratchFolder.h"
#include "core/list/GearRows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace cairnly::testing {

// Keeps its own count of the rows from the notifications alone and checks it against the rows, as a
// Qt model would depend on it.
class ShadowObserver : public GearRowsObserver
{
public:
    const GearRows* rows = nullptr;
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
    void statesChanged() override { ++stateChanges; }

private:
    void expect(bool condition, const char* what)
    {
        if (!condition)
            errors.emplace_back(what);
    }
    int pending = 0;
    bool inReset = false;
};

// A list in a fresh working folder, in ounces, with an observer checking every notification.
class RowsTest : public ::testing::Test
{
protected:
    ScratchFolder folder;
    ShadowObserver observer;
    std::unique_ptr<GearRows> rows;

    void SetUp() override { makeRows(Settings{}); }

    void TearDown() override
    {
        EXPECT_TRUE(observer.errors.empty()) << observer.errors.front();
        EXPECT_EQ(observer.count, rows->rowCount());
    }

    void makeRows(Settings settings)
    {
        rows = std::make_unique<GearRows>(folder.path(), folder / "GearData.dat", std::move(settings));
        observer = ShadowObserver{};
        observer.rows = rows.get();
        rows->setObserver(&observer);
        rows->setClientWidth(400);
        rows->applySettingsLayout();
        observer.count = rows->rowCount();
    }

    void add(const std::string& category, const std::string& item, const std::string& unitWeight,
             const std::string& multiplier = "1", std::vector<std::string> texts = {})
    {
        ItemEntry entry;
        entry.category = category;
        entry.item = item;
        entry.unitWeight = unitWeight;
        entry.multiplier = multiplier;
        entry.columnTexts = std::move(texts);
        ASSERT_EQ(rows->addItem(entry, AddSource::Command), std::nullopt);
    }

    // The row whose Item cell shows this text.
    int rowOf(const std::string& shownItem)
    {
        for (int i = 0; i < rows->rowCount(); ++i) {
            if (rows->cellText(i, 1) == shownItem)
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
        ASSERT_TRUE(std::holds_alternative<CreateGroupRequest>(rows->dropOnRow(source, onto)));
        ASSERT_GE(rows->createGroup(source, onto, name, ""), 0);
    }

    // Each row as "<kind> <tick> cell|cell|...": kind I, G or M; tick x or -.
    std::vector<std::string> table()
    {
        std::vector<std::string> lines;
        for (int i = 0; i < rows->rowCount(); ++i) {
            const char kind = rows->kind(i) == RowKind::Group ? 'G' : rows->kind(i) == RowKind::Member ? 'M' : 'I';
            std::string line = std::string(1, kind) + (rows->isChecked(i) ? " x " : " - ");
            for (int c = 0; c < rows->columnCount(); ++c)
                line += (c ? "|" : "") + rows->cellText(i, c);
            lines.push_back(line);
        }
        return lines;
    }
};

using Lines = std::vector<std::string>;

} // namespace cairnly::testing
