#include "core/list/GearRows.h"

namespace cairnly {

void GearRows::setListColors(ColorValue background, ColorValue alternate, ColorValue group)
{
    currentSettings.backColor = background;
    currentSettings.altColor = alternate;
    currentSettings.groupColor = group;
    notifyChanged(0);
    notifyStates(); // the empty area below the rows takes the background colour too
}

void GearRows::setPrintOptions(bool totalEachCategory, bool showGrandTotal, bool printNotes)
{
    currentSettings.totalCategories = totalEachCategory ? 1 : 0;
    currentSettings.showGrandTotal = showGrandTotal ? 1 : 0;
    currentSettings.printNotes = printNotes ? 1 : 0;
}

void GearRows::setPrintFont(const PrintFont& font)
{
    currentSettings.printFont = font.description;
    currentSettings.printFontSize = font.size;
    currentSettings.hasPrintFont = true;
}

} // namespace cairnly
