#pragma once

#include "core/list/GearList.h"

#include <vector>

namespace cairnly {

// A row of the list as the reports read it. The record stays owned by the list, so a view is made
// afresh for each report and lives no longer than it.
struct ReportRow
{
    const GearRecord* record = nullptr; // a group row's members are in record->members
    RowKind kind = RowKind::Item;
    bool ticked = false; // the check box as shown: member rows always show ticked
};

// The rows in list order, member rows of expanded groups included.
std::vector<ReportRow> reportRows(const GearList& rows);

} // namespace cairnly
