#pragma once

#include "core/list/ReportRows.h"
#include "core/settings/Settings.h"

#include <span>
#include <string>
#include <vector>

namespace cairnly {

// The ticked weight split as backpackers plan by it. One unit of a worn item whose quantity is more than
// one is worn and the rest carried, as LighterPack counts two shirts, one worn; a worn group counts whole,
// and a row marked both ways is worn for its worn part and consumable for the rest.
struct WeightSplit
{
    double base = 0;       // carried and kept: everything neither worn nor consumable
    double consumable = 0; // used up on the way: food, water, fuel
    double worn = 0;

    double pack() const { return base + consumable; }
    double skinOut() const { return pack() + worn; }
};

// Over the rows the total line adds up, ticked item and group rows, with the marks of these columns.
WeightSplit tripWeights(std::span<const ReportRow> rows, const std::vector<UserColumn>& columns);
WeightSplit tripWeights(const GearList& list);
// The same for each run of categoryTotals, in the same order: the chart splits its bars by them.
std::vector<WeightSplit> tripWeightsByRun(std::span<const ReportRow> rows, const std::vector<UserColumn>& columns);

// "Base Weight", "Consumable", "Worn", "Pack Weight" and "Skin-Out Weight" in the form of the Totals lines.
std::vector<std::string> tripWeightLines(const WeightSplit& total, bool metric);

} // namespace cairnly
