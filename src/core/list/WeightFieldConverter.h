#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cairnly {

// The item editor's Convert button. Its direction is one flag for the whole run: the first click of
// the run converts grams to ounces when ounces are shown and ounces to grams otherwise, and every click
// flips it, across later openings of the editor too.
class WeightFieldConverter
{
public:
    struct Result
    {
        std::string field;   // the converted weight, "%.2f"
        std::string caption; // names what the next click does
    };

    // The caption names the conversion the next click does.
    std::string caption(bool metric) const;
    // Empty when the converted weight would not fit the 9-character field; nothing changes then.
    std::optional<Result> click(std::string_view field, bool metric);

private:
    bool convertsToOunces(bool metric) const { return direction.value_or(!metric); }

    std::optional<bool> direction; // grams to ounces next; unset until the first click of the run
};

} // namespace cairnly
