#pragma once

#include "core/model/GearRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace cairnly {

// The conversion factors, each in the precision it is computed in, so every platform gets the same texts.
inline constexpr float ouncesToGrams = 28.375f;
inline constexpr double gramsToOunces = 0.03524;
inline constexpr float ouncesToPounds = 0.0625f;
inline constexpr long double gramsToKilograms = 0.001L;
// A total of ticked weights below this counts as nothing ticked.
inline constexpr double smallestCheckedTotal = 0.00001;

// The line under the list: "%.2f oz. (%01.2f lbs)" or "%.2f gm. (%01.2f kg)".
std::string totalLine(float total, bool metric);
// The line the Convert command starts from: "0.00 gm. (0.00 kgs)" or "0.00 oz. (0.00 lbs)".
const char* zeroTotalLine(bool metric);
bool countsAsChecked(float total);

struct ConvertedWeights
{
    std::string unitWeight;
    std::string weight;

    bool operator==(const ConvertedWeights&) const = default;
};

// A record's weights in the other unit: weight = f x unitWeight x multiplier and unitWeight = f x
// unitWeight, with "%.2f" to grams and "%.1f" to ounces. Empty when a text would not fit its field.
std::optional<ConvertedWeights> convertItem(const GearRecord& record, bool toGrams);

struct ConvertedGroup
{
    std::vector<ConvertedWeights> members; // in the order of the group's member list
    std::string groupWeight;               // the sum of the members' new weights, "%.2f"
};

// Every member of the group converted as convertItem does. Empty when any text would not fit.
std::optional<ConvertedGroup> convertGroup(const GearRecord& group, bool toGrams);

} // namespace cairnly
