#include "core/reports/TripWeights.h"

#include "core/list/ColumnMarks.h"
#include "core/reports/Totals.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"

#include <algorithm>

namespace cairnly {
namespace {

[[gnu::always_inline]] inline void prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

struct MarkColumns
{
    int worn;
    int consumable;
};

// The rows as the loops below read them: the report rows, or the list's own rows, read in place so that a
// list's figures need no copy of its rows.
struct ReportRowSource
{
    std::span<const ReportRow> rows;

    std::size_t size() const { return rows.size(); }
    const GearRecord* record(std::size_t i) const { return rows[i].record; }
    RowKind kind(std::size_t i) const { return rows[i].kind; }
    bool ticked(std::size_t i) const { return rows[i].ticked; }
};

struct ListRowSource
{
    const GearList& list;

    std::size_t size() const { return static_cast<std::size_t>(list.rowCount()); }
    const GearRecord* record(std::size_t i) const { return &list.record(static_cast<int>(i)); }
    RowKind kind(std::size_t i) const { return list.kind(static_cast<int>(i)); }
    bool ticked(std::size_t i) const { return list.isChecked(static_cast<int>(i)); }
};

// A long list's records lie all over the heap, and a row's marks hang off its record by a chain of
// pointers: the loop would wait on memory at every link. So each row has its record fetched sixteen rows
// ahead, and a row to be read its text list eight rows ahead and its two texts four rows ahead, each step
// from what the step before has brought in by then. Inlined, since GCC drops a call to a function whose
// only effect is a prefetch.
template <class Rows>
[[gnu::always_inline]] inline void prefetchAhead(const Rows& rows, std::size_t i, MarkColumns marks)
{
    auto read = [&](std::size_t distance) -> const GearRecord* {
        const std::size_t row = i + distance;
        return row < rows.size() && rows.kind(row) != RowKind::Member && rows.ticked(row) ? rows.record(row) : nullptr;
    };
    if (i + 16 < rows.size()) {
        const auto* bytes = reinterpret_cast<const char*>(rows.record(i + 16));
        for (std::size_t offset = 0; offset < sizeof(GearRecord); offset += 64)
            prefetch(bytes + offset);
    }
    if (const GearRecord* record = read(8); record && record->columnTexts)
        prefetch(record->columnTexts.get());
    if (const GearRecord* record = read(4); record && record->columnTexts) {
        const OwningList<std::string>& texts = *record->columnTexts;
        if (marks.worn >= 0)
            prefetch(texts.get(marks.worn + 1));
        if (marks.consumable >= 0)
            prefetch(texts.get(marks.consumable + 1));
    }
}

// The ticked row's weight split by its marks. Weights are read as the total line reads them.
WeightSplit splitOf(const GearRecord& r, bool group, MarkColumns marks)
{
    const double weight = readWeight(group ? fieldText(r.groupWeight) : fieldText(r.weight));
    WeightSplit split;
    double rest = weight;
    if (isMarked(r, marks.worn)) {
        const bool oneOfMany = !group && readNumber(fieldText(r.multiplier)) > 1;
        split.worn = oneOfMany ? std::min(static_cast<double>(readWeight(fieldText(r.unitWeight))), weight) : weight;
        rest = weight - split.worn;
    }
    (isMarked(r, marks.consumable) ? split.consumable : split.base) = rest;
    return split;
}

void add(WeightSplit& sum, const WeightSplit& part)
{
    sum.base += part.base;
    sum.consumable += part.consumable;
    sum.worn += part.worn;
}

MarkColumns markColumns(const std::vector<UserColumn>& columns)
{
    return {markColumn(columns, Mark::Worn), markColumn(columns, Mark::Consumable)};
}

// Member rows add nothing: their group row stands for them, as in the total line.
template <class Rows>
WeightSplit sumOf(const Rows& rows, MarkColumns marks)
{
    WeightSplit total;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        prefetchAhead(rows, i, marks);
        const RowKind kind = rows.kind(i);
        if (kind != RowKind::Member && rows.ticked(i))
            add(total, splitOf(*rows.record(i), kind == RowKind::Group, marks));
    }
    return total;
}

} // namespace

WeightSplit tripWeights(std::span<const ReportRow> rows, const std::vector<UserColumn>& columns)
{
    return sumOf(ReportRowSource{rows}, markColumns(columns));
}

WeightSplit tripWeights(const GearList& list)
{
    return sumOf(ListRowSource{list}, markColumns(list.userColumns()));
}

std::vector<WeightSplit> tripWeightsByRun(std::span<const ReportRow> rows, const std::vector<UserColumn>& columns)
{
    const MarkColumns marks = markColumns(columns);
    const ReportRowSource source{rows};
    std::vector<WeightSplit> runs(1);
    // The runs break where categoryTotals breaks them.
    std::string_view runCategory;
    bool first = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        prefetchAhead(source, i, marks);
        const ReportRow& row = rows[i];
        if (row.kind == RowKind::Member)
            continue;
        const std::string_view category = fieldText(row.record->category);
        if (first || !equalsNoCase(category, runCategory)) {
            if (!first)
                runs.emplace_back();
            runCategory = category;
            first = false;
        }
        if (row.ticked)
            add(runs.back(), splitOf(*row.record, row.kind == RowKind::Group, marks));
    }
    return runs;
}

std::vector<std::string> tripWeightLines(const WeightSplit& total, bool metric)
{
    return {totalsLine("Base Weight", total.base, metric), totalsLine("Consumable", total.consumable, metric),
            totalsLine("Worn", total.worn, metric), totalsLine("Pack Weight", total.pack(), metric),
            totalsLine("Skin-Out Weight", total.skinOut(), metric)};
}

} // namespace cairnly
