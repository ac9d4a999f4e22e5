#include "core/list/WeightUnits.h"

#include "core/text/Numbers.h"

namespace cairnly {

std::string totalLine(float total, bool metric)
{
    if (metric)
        return formatFixed(static_cast<double>(total), 2) + " gm. (" +
               formatFixed(static_cast<long double>(total) * gramsToKilograms, 2) + " kg)";
    const float pounds = total * ouncesToPounds;
    return formatFixed(static_cast<double>(total), 2) + " oz. (" + formatFixed(static_cast<double>(pounds), 2) +
           " lbs)";
}

const char* zeroTotalLine(bool metric)
{
    return metric ? "0.00 gm. (0.00 kgs)" : "0.00 oz. (0.00 lbs)";
}

bool countsAsChecked(float total)
{
    return static_cast<double>(total) >= smallestCheckedTotal;
}

std::optional<ConvertedWeights> convertItem(const GearRecord& record, bool toGrams)
{
    const float unitWeight = readWeight(fieldText(record.unitWeight));
    const float multiplier = readWeight(fieldText(record.multiplier));
    ConvertedWeights converted;
    if (toGrams) {
        // Each product rounded to single precision, as the constant is.
        const float newUnitWeight = ouncesToGrams * unitWeight;
        const float newWeight = newUnitWeight * multiplier;
        converted.unitWeight = formatFixed(static_cast<double>(newUnitWeight), 2);
        converted.weight = formatFixed(static_cast<double>(newWeight), 2);
    } else {
        const double newUnitWeight = gramsToOunces * static_cast<double>(unitWeight);
        const double newWeight = newUnitWeight * static_cast<double>(multiplier);
        converted.unitWeight = formatFixed(newUnitWeight, 1);
        converted.weight = formatFixed(newWeight, 1);
    }
    if (converted.unitWeight.size() > weightTextCapacity || converted.weight.size() > weightTextCapacity)
        return std::nullopt;
    return converted;
}

std::optional<ConvertedGroup> convertGroup(const GearRecord& group, bool toGrams)
{
    ConvertedGroup converted;
    bool fits = true;
    float sum = 0.0f;
    if (group.members) {
        group.members->forEach([&](const GearRecord& member) {
            std::optional<ConvertedWeights> weights = convertItem(member, toGrams);
            if (!weights) {
                fits = false;
                return;
            }
            sum += readWeight(weights->weight);
            converted.members.push_back(std::move(*weights));
        });
    }
    converted.groupWeight = formatFixed(static_cast<double>(sum), 2);
    if (!fits || converted.groupWeight.size() > weightTextCapacity)
        return std::nullopt;
    return converted;
}

} // namespace cairnly
