#pragma once

#include "core/list/GearList.h"

namespace cairnly {

// One command's change of the list. The change listener hears of the outermost once it ends; a reset
// change tells the observer of one reset around everything inside it, however deeply nested.
class GearList::Change
{
public:
    enum Kind
    {
        Edit,
        Reset
    };

    explicit Change(GearList& list, Kind kind = Edit) : list(list), startsReset(kind == Reset && !list.resetting)
    {
        ++list.openChanges;
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
        if (--list.openChanges == 0 && list.changeListener)
            list.changeListener();
    }

    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

private:
    GearList& list;
    bool startsReset;
};

} // namespace cairnly
