#pragma once

#include <string>

namespace cairnly {

class GearList;

// The enabled state of the main window's buttons.
struct ButtonStates
{
    bool add = true;
    bool modify = true;
    bool remove = true; // Delete
    bool print = true;
    bool totals = true;
    bool exportList = true;
    bool convert = true;
    bool clearSelected = true;
    bool hideNonSelected = true; // the "Hide Non-Selected Items" check box

    bool operator==(const ButtonStates&) const = default;
};

// Which menu entries are enabled; entries not named here are always enabled.
struct MenuStates
{
    bool remove = false; // Delete
    bool modify = false;
    bool save = false;
    bool saveAs = false;
    bool print = false;
    bool exportList = false;
    bool clearSelected = false;
    bool hideSelected = false;
    bool hideNonSelected = false;
    bool selectAll = false;
    bool expandAll = false;
    bool collapseAll = false;
    bool deleteColumn = false;
    bool modifyColumn = false;
    bool undo = false;
    bool redo = false;
    bool markWorn = false;
    bool markConsumable = false;

    bool operator==(const MenuStates&) const = default;
};

// What the window's controls show for a list with this many rows highlighted.
struct ControlStates
{
    ButtonStates buttons;
    MenuStates menus;
    const char* hideNonSelectedText; // the two hide modes' menu entries name what they do next
    const char* hideSelectedText;
    std::string undoText; // "&Undo Delete", or "&Undo" when there is nothing to undo
    std::string redoText;
};

ControlStates controlStates(const GearList& list, int highlightedCount);

} // namespace cairnly
