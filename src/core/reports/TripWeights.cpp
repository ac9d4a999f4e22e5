#include "core/reports/TripWeights.h"

#include "core/list/ColumnMarks.h"
#include "core/reports/Totals.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"

#include <algorithm>

namespace cairnly {
namespace {

// The row's ticked weight split by its marks. Weights are read as the total line reads them.
WeightSplit splitOf(const ReportRow& row, int wornColumn, int consumableColumn)
{
    const GearRecord& r = *row.record;
    const bool group = row.kind == RowKind::Group;
    const double weight = readWeight(group ? fieldText(r.groupWeight) : fieldText(r.weight));
    const bool consumable = isMarked(r, consumableColumn);
    WeightSplit split;
    double rest = weight;
    if (isMarked(r, wornColumn)) {
        const bool oneOfMany = !group && readNumber(fieldText(r.multiplier)) > 1;
        split.worn = oneOfMany ? std::min(static_cast<double>(readWeight(fieldText(r.unitWeight))), weight) : weight;
        rest = weight - split.worn;
    }
    (consumable ? split.consumable : split.base) = rest;
    return split;
}

void add(WeightSplit& sum, const WeightSplit& part)
{
    sum.base += part.base;
    sum.consumable += part.consumable;
    sum.worn += part.worn;
}

} // namespace

TripWeights tripWeights(std::span<const ReportRow> rows, const std::vector<UserColumn>& columns)
{
    const int wornColumn = markColumn(columns, Mark::Worn);
    const int consumableColumn = markColumn(columns, Mark::Consumable);
    TripWeights weights;
    weights.runs.emplace_back();
    // The runs break where categoryTotals breaks them.
    std::string_view runCategory;
    bool first = true;
    for (const ReportRow& row : rows) {
        if (row.kind == RowKind::Member)
            continue;
        const std::string_view category = fieldText(row.record->category);
        if (first || !equalsNoCase(category, runCategory)) {
            if (!first)
                weights.runs.emplace_back();
            runCategory = category;
            first = false;
        }
        if (!row.ticked)
            continue;
        const WeightSplit split = splitOf(row, wornColumn, consumableColumn);
        add(weights.runs.back(), split);
        add(weights.total, split);
    }
    return weights;
}

TripWeights tripWeights(const GearList& list)
{
    return tripWeights(reportRows(list), list.userColumns());
}

std::vector<std::string> tripWeightLines(const WeightSplit& total, bool metric)
{
    return {totalsLine("Base Weight", total.base, metric), totalsLine("Consumable", total.consumable, metric),
            totalsLine("Worn", total.worn, metric), totalsLine("Pack Weight", total.pack(), metric),
            totalsLine("Skin-Out Weight", total.skinOut(), metric)};
}

} // namespace cairnly
