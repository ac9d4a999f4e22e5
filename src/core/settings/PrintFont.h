#pragma once

#include "core/settings/Settings.h"

#include <cstdint>

namespace cairnly {

// The sizes the printing font dialog offers, in points.
inline constexpr int32_t smallestPrintFontSize = 8;
inline constexpr int32_t largestPrintFontSize = 14;

// The printing font: its description and its size in whole points.
struct PrintFont
{
    LogFont description;
    int32_t size = 10;

    bool operator==(const PrintFont&) const = default;
};

// What the printing font dialog opens with; the printing font takes it at once, whatever the dialog's
// answer. A size above the largest becomes 10. A description with a face name gets the height of the size;
// one without gets "Courier New" at 10 points. A printing font always exists once the settings are loaded,
// so nothing here stands in for a missing one.
PrintFont printFontForDialog(const PrintFont& current, int pixelsPerInch);

// The font the dialog's OK chose: the size in whole points (cut, not rounded) kept within the sizes the
// dialog offers, and the description's height from that size.
PrintFont chosenPrintFont(LogFont description, double pointSize, int pixelsPerInch);

} // namespace cairnly
