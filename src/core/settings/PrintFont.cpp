#include "core/settings/PrintFont.h"

#include "core/settings/SettingsStore.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace cairnly {

PrintFont printFontForDialog(const PrintFont& current, int pixelsPerInch)
{
    PrintFont font = current;
    if (font.size > largestPrintFontSize)
        font.size = 10;
    if (font.description.faceName[0] != '\0') {
        font.description.height = fontHeight(font.size, pixelsPerInch);
    } else {
        std::strcpy(font.description.faceName, "Courier New");
        font.description.height = fontHeight(10, pixelsPerInch);
    }
    return font;
}

PrintFont chosenPrintFont(LogFont description, double pointSize, int pixelsPerInch)
{
    const double whole = std::isfinite(pointSize) ? std::trunc(pointSize) : 0.0;
    const auto size = static_cast<int32_t>(
        std::clamp(whole, static_cast<double>(smallestPrintFontSize), static_cast<double>(largestPrintFontSize)));
    description.height = fontHeight(size, pixelsPerInch);
    return {description, size};
}

} // namespace cairnly
