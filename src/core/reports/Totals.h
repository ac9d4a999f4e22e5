#pragma once

#include "core/list/ReportRows.h"

#include <span>
#include <string>
#include <vector>

namespace cairnly {

// One run of rows of a category in list order, with the ticked weight it holds.
struct CategoryRun
{
    std::string category; // the run's first spelling, Windows-1252
    float weight = 0;

    bool operator==(const CategoryRun&) const = default;
};

// The Totals command's sums: a category that the list shows in two separate runs (after a weight sort)
// has two runs here. Member rows add nothing: their ticked group row stands for them.
struct CategoryTotals
{
    std::vector<CategoryRun> runs; // never empty: an empty list has one run without a name
    float grandTotal = 0;
};

CategoryTotals categoryTotals(std::span<const ReportRow> rows);

// "%-21s : %6.2f oz. (%6.2f lb)" or "%-21s : %7.2f gm. (%6.2f kg)" for each run, the separator of 43
// hyphens, then the same form for "Grand Total". Windows-1252.
std::vector<std::string> totalsLines(const CategoryTotals& totals, bool metric);

// One line of that form.
std::string totalsLine(const std::string& name, double weight, bool metric);

// The run's weight as the lines show it, "12.50 oz." or "1500.00 gm.".
std::string weightLabel(float weight, bool metric);

} // namespace cairnly
