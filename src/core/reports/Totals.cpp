#include "core/reports/Totals.h"

#include "core/list/WeightUnits.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"
#include "core/text/Padding.h"

namespace cairnly {

std::string totalsLine(const std::string& name, double weight, bool metric)
{
    const std::string head = padRight(name, 21) + " : ";
    if (metric)
        return head + padLeft(formatFixed(weight, 2), 7) + " gm. (" +
               padLeft(formatFixed(static_cast<long double>(weight) * gramsToKilograms, 2), 6) + " kg)";
    // A sixteenth is exact in binary, so a float's pounds come out as they did in single precision.
    const double pounds = weight * static_cast<double>(ouncesToPounds);
    return head + padLeft(formatFixed(weight, 2), 6) + " oz. (" + padLeft(formatFixed(pounds, 2), 6) + " lb)";
}

CategoryTotals categoryTotals(std::span<const ReportRow> rows)
{
    CategoryTotals totals;
    totals.runs.emplace_back();
    bool first = true;
    for (const ReportRow& row : rows) {
        if (row.kind == RowKind::Member)
            continue;
        const std::string_view category = fieldText(row.record->category);
        if (first || !equalsNoCase(category, totals.runs.back().category)) {
            if (!first)
                totals.runs.emplace_back();
            totals.runs.back().category = std::string(category);
            first = false;
        }
        if (!row.ticked)
            continue;
        const GearRecord& r = *row.record;
        const float weight = readWeight(row.kind == RowKind::Group ? fieldText(r.groupWeight) : fieldText(r.weight));
        totals.runs.back().weight += weight;
        totals.grandTotal += weight;
    }
    return totals;
}

std::vector<std::string> totalsLines(const CategoryTotals& totals, bool metric)
{
    std::vector<std::string> lines;
    lines.reserve(totals.runs.size() + 2);
    for (const CategoryRun& run : totals.runs)
        lines.push_back(totalsLine(run.category, run.weight, metric));
    lines.emplace_back(43, '-');
    lines.push_back(totalsLine("Grand Total", totals.grandTotal, metric));
    return lines;
}

std::string weightLabel(float weight, bool metric)
{
    return formatFixed(static_cast<double>(weight), 2) + (metric ? " gm." : " oz.");
}

} // namespace cairnly
