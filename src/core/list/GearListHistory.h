#pragma once

#include "core/list/GearList.h"

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace cairnly {

// A record's weight texts and its members', in walk order.
struct GearList::WeightTexts
{
    using Field = std::array<char, 10>;
    Field unitWeight{};
    Field weight{};
    Field groupWeight{};
    std::vector<std::pair<Field, Field>> members; // unit weight and weight
};

// One change of the rows, kept so that it can be made the other way: applying an entry swaps what the
// list holds with what the entry holds, so the same entry serves undo and redo in turn.
struct GearList::Entry
{
    enum class Kind
    {
        Inserted, // count rows at row are in the list
        Removed,  // rows were taken out at row
        Replaced, // rows[0] is the other version of the row
        Rebuilt,  // sources and rows rebuild the rows as they were (see rebuildRows)
        Ticked,   // flag is the row's other tick
        Ticks,    // ticks are every row's other tick
        Expanded, // flag is the group row's other expanded state
        Weights   // weights are every row's other weight texts
    };

    explicit Entry(Kind kind, int row = 0, int count = 0, bool flag = false)
        : kind(kind), row(row), count(count), flag(flag)
    {}

    Kind kind;
    int row;
    int count;
    std::vector<Row> rows;
    std::vector<int> sources;
    std::vector<char> ticks;
    std::vector<WeightTexts> weights;
    bool flag;
};

// The list's values beside the rows that a command may change; small, so a step keeps them whole.
struct GearList::Scalars
{
    float total = 0;
    std::string totalText;
    bool inGrams = false;
    bool sortedByOther = false;
    std::optional<bool> modifyAfterSorting;
    std::array<uint8_t, columnWidthSlots> sortDirections{};

    bool operator==(const Scalars&) const = default;
};

// One undoable command (with a label), or a change of the view alone (without one: a group expanded or
// collapsed), which is kept so that the steps before it can still find their rows.
struct GearList::Step
{
    std::string label;
    std::vector<Entry> entries;
    Scalars scalars;
    // The other version of the larger parts, kept only when the command changed them.
    std::optional<std::vector<std::string>> categories;
    std::optional<std::vector<std::string>> groupNames;
    std::optional<std::vector<UserColumn>> columnDefinitions;
    std::optional<ColumnLayout> layout;
    std::size_t bytes = 0; // what the step keeps, roughly

    bool isView() const { return label.empty(); }
};

// The steps made so far: those up to `applied` are in the list, the rest can be redone. View steps made
// after an undo wait apart, since the steps to redo were made before them.
struct GearList::History
{
    std::deque<Step> steps;
    std::size_t applied = 0;
    std::vector<Step> pendingView;
    std::optional<Step> current; // the outermost command in progress
    bool replaying = false;      // undo and redo change the rows without recording
    std::size_t bytes = 0;

    // What the steps of one list may keep: beyond it the oldest go, the newest always stays.
    static constexpr std::size_t budget = 64 * 1024 * 1024;
};

// The whole list while a hide mode shows a part of it.
struct GearList::SetAside
{
    std::vector<Row> rows;
    std::vector<std::string> categoryList;
    std::vector<std::string> groupNameList;
    Scalars scalars;
    std::unordered_map<std::string, int> categoryKeys;
    std::unique_ptr<History> history;
};

} // namespace cairnly
