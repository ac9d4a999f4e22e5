#include "core/list/GearList.h"

#include "core/list/GearListChange.h"
#include "core/list/GearListHistory.h"

#include <algorithm>

namespace cairnly {
namespace {

std::size_t recordBytes(const GearRecord& record)
{
    std::size_t bytes = sizeof(GearRecord);
    if (record.columnTexts)
        record.columnTexts->forEach([&](const std::string& text) { bytes += sizeof(std::string) + text.capacity(); });
    if (record.members)
        record.members->forEach([&](const GearRecord& member) { bytes += recordBytes(member); });
    return bytes;
}

std::size_t textsBytes(const std::vector<std::string>& texts)
{
    std::size_t bytes = 0;
    for (const std::string& text : texts)
        bytes += sizeof(std::string) + text.capacity();
    return bytes;
}

} // namespace

GearList::CompoundStep::CompoundStep(GearList& list) : change(std::make_unique<Change>(list)) {}

GearList::CompoundStep::~CompoundStep() = default;

GearList::Step* GearList::recordingStep()
{
    return history->current && !history->replaying ? &*history->current : nullptr;
}

GearList::Scalars GearList::scalars() const
{
    return {total, totalText, inGrams, sortedByOther, modifyAfterSorting, sortDirections};
}

void GearList::swapScalars(Scalars& other)
{
    std::swap(total, other.total);
    std::swap(totalText, other.totalText);
    std::swap(inGrams, other.inGrams);
    std::swap(sortedByOther, other.sortedByOther);
    std::swap(modifyAfterSorting, other.modifyAfterSorting);
    std::swap(sortDirections, other.sortDirections);
}

std::vector<std::string>& GearList::editCategories()
{
    if (Step* step = recordingStep(); step && !step->categories)
        step->categories = categoryList;
    return categoryList;
}

std::vector<std::string>& GearList::editGroupNames()
{
    if (Step* step = recordingStep(); step && !step->groupNames)
        step->groupNames = groupNameList;
    return groupNameList;
}

void GearList::editColumns()
{
    if (Step* step = recordingStep(); step && !step->layout) {
        step->columnDefinitions = columnDefinitions;
        step->layout = layout;
    }
}

void GearList::beginStep(const char* label)
{
    if (history->replaying)
        return;
    history->current.emplace();
    history->current->label = label;
    history->current->scalars = scalars();
}

void GearList::endStep()
{
    if (!history->current)
        return;
    Step step = std::move(*history->current);
    history->current.reset();
    const bool unchanged = step.entries.empty() && step.scalars == scalars() &&
                           (!step.categories || *step.categories == categoryList) &&
                           (!step.groupNames || *step.groupNames == groupNameList) &&
                           (!step.columnDefinitions || *step.columnDefinitions == columnDefinitions) &&
                           (!step.layout || *step.layout == layout);
    if (!unchanged)
        keepStep(std::move(step));
}

void GearList::keepStep(Step step)
{
    step.bytes = sizeof(Step) + (step.categories ? textsBytes(*step.categories) : 0) +
                 (step.groupNames ? textsBytes(*step.groupNames) : 0);
    if (step.layout)
        step.bytes += step.layout->columns.size() * (sizeof(ListColumn) + sizeof(UserColumn) + 80);
    for (const Entry& entry : step.entries) {
        step.bytes += sizeof(Entry) + entry.sources.size() * sizeof(int) + entry.ticks.size();
        for (const Row& row : entry.rows)
            step.bytes += sizeof(Row) + recordBytes(*row.record);
    }
    History& h = *history;
    if (step.isView()) {
        // A view change made while steps wait to be redone comes after them in time, before them in the rows.
        std::vector<Step>& pending = h.pendingView;
        if (h.applied < h.steps.size()) {
            pending.push_back(std::move(step));
            return;
        }
        if (!h.steps.empty() && h.steps.back().isView()) {
            Step& last = h.steps.back();
            std::move(step.entries.begin(), step.entries.end(), std::back_inserter(last.entries));
            last.bytes += step.bytes;
            h.bytes += step.bytes;
            return;
        }
    } else {
        // A new command drops what could have been redone; the view changes since the undo stay done.
        for (std::size_t i = h.applied; i < h.steps.size(); ++i)
            h.bytes -= h.steps[i].bytes;
        h.steps.erase(h.steps.begin() + static_cast<std::ptrdiff_t>(h.applied), h.steps.end());
        for (Step& view : h.pendingView) {
            h.bytes += view.bytes;
            h.steps.push_back(std::move(view));
        }
        h.pendingView.clear();
    }
    h.bytes += step.bytes;
    h.steps.push_back(std::move(step));
    h.applied = h.steps.size();
    dropOldestSteps();
}

void GearList::dropOldestSteps()
{
    History& h = *history;
    if (h.bytes <= History::budget)
        return;
    auto commands = std::count_if(h.steps.begin(), h.steps.end(), [](const Step& step) { return !step.isView(); });
    while (h.bytes > History::budget && commands > 1) {
        // The oldest command goes, with the view changes that only led back to it.
        do {
            commands -= h.steps.front().isView() ? 0 : 1;
            h.bytes -= h.steps.front().bytes;
            h.steps.pop_front();
            --h.applied;
        } while (!h.steps.empty() && h.steps.front().isView());
    }
}

// While a hide mode shows a part of the list, the whole list's history is what undo would work on.
const GearList::History& GearList::shownHistory() const
{
    return wholeList ? *wholeList->history : *history;
}

bool GearList::canUndo() const
{
    const History& h = shownHistory();
    return std::any_of(h.steps.begin(), h.steps.begin() + static_cast<std::ptrdiff_t>(h.applied),
                       [](const Step& step) { return !step.isView(); });
}

bool GearList::canRedo() const
{
    const History& h = shownHistory();
    return std::any_of(h.steps.begin() + static_cast<std::ptrdiff_t>(h.applied), h.steps.end(),
                       [](const Step& step) { return !step.isView(); });
}

std::string GearList::undoLabel() const
{
    const History& h = shownHistory();
    for (std::size_t i = h.applied; i-- > 0;) {
        if (!h.steps[i].isView())
            return h.steps[i].label;
    }
    return {};
}

std::string GearList::redoLabel() const
{
    const History& h = shownHistory();
    for (std::size_t i = h.applied; i < h.steps.size(); ++i) {
        if (!h.steps[i].isView())
            return h.steps[i].label;
    }
    return {};
}

std::variant<Message, std::vector<int>> GearList::undo()
{
    if (auto refused = changeRefusal())
        return *refused;
    std::vector<const GearRecord*> touched;
    if (!canUndo())
        return std::vector<int>{};
    history->replaying = true;
    {
        Change change(*this, Change::Reset);
        revertPendingView(touched);
        // The view changes made since the command, then the command: the list as it was before it.
        while (history->applied > 0) {
            Step& step = history->steps[--history->applied];
            applyStep(step, true, touched);
            if (!step.isView())
                break;
        }
        history->replaying = false;
    }
    return rowsHolding(std::move(touched));
}

std::variant<Message, std::vector<int>> GearList::redo()
{
    if (auto refused = changeRefusal())
        return *refused;
    std::vector<const GearRecord*> touched;
    if (!canRedo())
        return std::vector<int>{};
    history->replaying = true;
    {
        Change change(*this, Change::Reset);
        revertPendingView(touched);
        // The view changes made before the command, then the command: the list as it was after it.
        while (history->applied < history->steps.size()) {
            Step& step = history->steps[history->applied++];
            applyStep(step, false, touched);
            if (!step.isView())
                break;
        }
        history->replaying = false;
    }
    return rowsHolding(std::move(touched));
}

void GearList::revertPendingView(std::vector<const GearRecord*>& touched)
{
    std::vector<Step>& pending = history->pendingView;
    for (auto it = pending.rbegin(); it != pending.rend(); ++it)
        applyStep(*it, true, touched);
    pending.clear();
    touched.clear(); // a group collapsed again is no row the command touched
}

void GearList::applyStep(Step& step, bool backwards, std::vector<const GearRecord*>& touched)
{
    swapScalars(step.scalars);
    if (step.categories)
        std::swap(*step.categories, categoryList);
    if (step.groupNames)
        std::swap(*step.groupNames, groupNameList);
    if (step.columnDefinitions)
        std::swap(*step.columnDefinitions, columnDefinitions);
    if (step.layout)
        std::swap(*step.layout, layout);
    if (backwards) {
        for (auto it = step.entries.rbegin(); it != step.entries.rend(); ++it)
            applyEntry(*it, touched);
    } else {
        for (Entry& entry : step.entries)
            applyEntry(entry, touched);
    }
    categoryRuleStale = true;
}

void GearList::applyEntry(Entry& entry, std::vector<const GearRecord*>& touched)
{
    using Kind = Entry::Kind;
    const auto at = rows.begin() + entry.row;
    switch (entry.kind) {
    case Kind::Inserted:
        entry.rows.assign(std::make_move_iterator(at), std::make_move_iterator(at + entry.count));
        rows.erase(at, at + entry.count);
        entry.kind = Kind::Removed;
        break;
    case Kind::Removed:
        for (const Row& row : entry.rows)
            touched.push_back(row.record.get());
        entry.count = static_cast<int>(entry.rows.size());
        rows.insert(at, std::make_move_iterator(entry.rows.begin()), std::make_move_iterator(entry.rows.end()));
        entry.rows.clear();
        entry.kind = Kind::Inserted;
        break;
    case Kind::Replaced: {
        const GearRecord* old = rows[entry.row].record.get();
        std::swap(rows[entry.row], entry.rows.front());
        repointMembers(entry.row, old);
        touched.push_back(rows[entry.row].record.get());
        break;
    }
    case Kind::Rebuilt: {
        auto [inverse, removed] = rebuild(entry.sources, std::move(entry.rows));
        entry.sources = std::move(inverse);
        entry.rows = std::move(removed);
        break;
    }
    case Kind::Ticked: {
        const bool checked = rows[entry.row].checked;
        rows[entry.row].checked = entry.flag;
        entry.flag = checked;
        touched.push_back(rows[entry.row].record.get());
        break;
    }
    case Kind::Ticks:
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const char checked = rows[i].checked ? 1 : 0;
            rows[i].checked = entry.ticks[i] != 0;
            entry.ticks[i] = checked;
        }
        break;
    case Kind::Weights:
        swapWeightTexts(entry.weights);
        for (const Row& row : rows)
            touched.push_back(row.record.get());
        break;
    case Kind::Expanded: {
        GearRecord& group = *rows[entry.row].record;
        const bool expanded = group.expanded != 0;
        group.expanded = entry.flag ? 1 : 0;
        entry.flag = expanded;
        break;
    }
    }
}

std::vector<int> GearList::rowsHolding(std::vector<const GearRecord*> records) const
{
    std::sort(records.begin(), records.end());
    std::vector<int> found;
    for (int i = 0; i < rowCount(); ++i) {
        if (std::binary_search(records.begin(), records.end(), rows[i].record.get()))
            found.push_back(i);
    }
    return found;
}

} // namespace cairnly
