#pragma once

// Makes the gear list known to screen readers as a table whose first cells are check boxes: every row's
// first cell is checkable, reports its tick and announces a change of it. Qt's own table cells report
// "checked" alone, so an unticked row could not be told from a row without a box. Installed once, before
// the first list is shown.
void installGearListAccessibility();
