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

struct TripWeights
{
    WeightSplit total;
    std::vector<WeightSplit> runs; // one per run of categoryTotals, in the same order
};

// Over the rows the total line adds up: ticked item and group rows, the marks read from these columns.
TripWeights tripWeights(std::span<const ReportRow> rows, const std::vector<UserColumn>& columns);
TripWeights tripWeights(const GearList& list);

// "Base Weight", "Consumable", "Worn", "Pack Weight" and "Skin-Out Weight" in the form of the Totals lines.
std::vector<std::string> tripWeightLines(const WeightSplit& total, bool metric);

} // namespace cairnly
