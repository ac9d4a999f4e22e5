#pragma once

#include "core/settings/Settings.h"

#include <string>
#include <vector>

namespace cairnly {

// One list column as the list view shows it.
struct ListColumn
{
    std::string heading; // Windows-1252
    ColumnFormat format = FormatLeft;
    int width = 0;

    bool operator==(const ListColumn&) const = default;
};

// The columns the list shows after settings are loaded: the four fixed columns, then the user columns.
struct ColumnLayout
{
    std::vector<ListColumn> columns;
    std::vector<int> order; // the logical column at each visual place; empty when no stored order applies

    bool operator==(const ColumnLayout&) const = default;
};

// The fixed columns a quarter of the client width wide ("Item" and the weight centred), one column per
// user column a quarter wide, the stored widths (low 16 bits) when COLWIDTHS was read and its first
// width is not 0, and the stored order when it is a permutation of the columns.
ColumnLayout columnLayout(const Settings& settings, int clientWidth);

// "Weight (gm)" or "Weight (oz)".
const char* weightHeading(bool metric);

} // namespace cairnly
