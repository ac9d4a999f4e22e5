#include "core/list/ReportRows.h"

namespace cairnly {

std::vector<ReportRow> reportRows(const GearList& rows)
{
    std::vector<ReportRow> view;
    view.reserve(static_cast<std::size_t>(rows.rowCount()));
    for (int row = 0; row < rows.rowCount(); ++row)
        view.push_back({&rows.record(row), rows.kind(row), rows.isChecked(row)});
    return view;
}

} // namespace cairnly
