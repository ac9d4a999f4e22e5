#include "core/document/ControlStates.h"

#include "core/list/GearList.h"
#include "core/list/WeightUnits.h"

namespace cairnly {

ControlStates controlStates(const GearList& list, int highlightedCount)
{
    const bool any = list.rowCount() > 0;
    const HideModes& hidden = list.hideModes();
    ControlStates states{};
    ButtonStates& b = states.buttons;
    // A sort by weight or a user column takes Add away until the list is sorted by category again.
    b.add = !list.otherSort();
    b.modify = list.modifyAfterSort().value_or(any);
    b.remove = b.print = b.totals = b.exportList = b.convert = any;
    b.clearSelected = countsAsChecked(list.selectedTotal());
    // While the mode is on its switch must stay reachable, or a list whose ticks all went would be stuck in it.
    b.hideNonSelected = b.clearSelected || hidden.nonSelected;

    MenuStates& m = states.menus;
    m.remove = m.modify = m.markWorn = m.markConsumable = highlightedCount > 0;
    m.save = m.saveAs = m.print = m.exportList = any;
    m.clearSelected = b.clearSelected;
    m.hideSelected = hidden.selected || b.clearSelected;
    m.hideNonSelected = b.hideNonSelected;
    m.selectAll = list.anyUnticked();
    m.expandAll = m.collapseAll = list.anyGroup();
    m.deleteColumn = m.modifyColumn = !list.userColumns().empty();

    m.undo = list.canUndo();
    m.redo = list.canRedo();
    states.undoText = m.undo ? "&Undo " + list.undoLabel() : "&Undo";
    states.redoText = m.redo ? "&Redo " + list.redoLabel() : "&Redo";

    states.hideNonSelectedText = hidden.nonSelected ? "Show &Non-Selected" : "Hide &Non-Selected";
    states.hideSelectedText = hidden.selected ? "S&how Selected" : "&Hide Selected";
    return states;
}

} // namespace cairnly
