#include "core/list/WeightFieldConverter.h"

#include "core/list/WeightUnits.h"
#include "core/model/GearRecord.h"
#include "core/text/Numbers.h"

namespace cairnly {

std::string WeightFieldConverter::caption(bool metric) const
{
    if (!direction)
        return convertsToOunces(metric) ? "Convert to Ounces" : "Convert to grams";
    return *direction ? "Convert to ounces" : "Convert to grams";
}

std::optional<WeightFieldConverter::Result> WeightFieldConverter::click(std::string_view field, bool metric)
{
    const bool toOunces = convertsToOunces(metric);
    const float value = static_cast<float>(readNumber(field.substr(0, 78)));
    const float converted = toOunces ? static_cast<float>(value * gramsToOunces) : value * ouncesToGrams;
    std::string text = formatFixed(static_cast<double>(converted), 2);
    if (text.size() > weightTextCapacity)
        return std::nullopt;
    direction = !toOunces;
    return Result{std::move(text), caption(metric)};
}

} // namespace cairnly
