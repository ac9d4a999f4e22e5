#pragma once

#include "core/list/GearList.h"
#include "core/list/GearListHistory.h"

namespace cairnly {

// One command's change of the list. The outermost change of a command is one step of the history,
// named by the first label given inside it (none for a change of the view alone); the change listener
// hears of it once it ends. A reset change tells the observer of one reset around everything inside it,
// however deeply nested.
class GearList::Change
{
public:
    enum Kind
    {
        Edit,
        Reset
    };

    explicit Change(GearList& list, Kind kind = Edit, const char* label = "")
        : list(list), startsReset(kind == Reset && !list.resetting)
    {
        if (list.openChanges++ == 0)
            list.beginStep(label);
        else if (list.history->current && list.history->current->label.empty())
            list.history->current->label = label;
        if (startsReset) {
            if (list.observer)
                list.observer->aboutToReset();
            list.resetting = true;
        }
    }

    ~Change()
    {
        if (startsReset) {
            list.resetting = false;
            list.categoryRuleStale = true;
            if (list.observer)
                list.observer->reset();
        }
        if (--list.openChanges == 0) {
            list.endStep();
            if (list.changeListener)
                list.changeListener();
        }
    }

    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

private:
    GearList& list;
    bool startsReset;
};

} // namespace cairnly
