#pragma once

#include "RecordSupport.h"
#include "core/list/ReportRows.h"
#include "core/text/Numbers.h"

#include <memory>
#include <vector>

namespace cairnly::testing {

// The rows of a list in list order as the reports read them, owning their records, without a list behind
// them. Each call returns its row so that a test can tick it.
class ReportList
{
public:
    std::vector<ReportRow> rows;

    ReportRow& item(const char* category, const char* item, const char* weight, const char* notes = "")
    {
        auto record = itemRecord(category, item, weight);
        setFieldText(record->notes, notes);
        rows.push_back({record.get(), RowKind::Item, false});
        records.push_back(std::move(record));
        return rows.back();
    }

    // Members as {item, weight, notes}, in the order the group walks them, under the group's category; the
    // group weight is their sum, as the list keeps it. An expanded group's member rows follow it as the list
    // shows them, ticked as member rows always show.
    ReportRow& group(const char* category, const std::vector<std::vector<const char*>>& members, bool expanded = false)
    {
        auto group = std::make_unique<GearRecord>();
        setFieldText(group->category, category);
        group->members = std::make_unique<OwningList<GearRecord>>();
        float sum = 0;
        for (auto m = members.rbegin(); m != members.rend(); ++m) {
            auto member = itemRecord(category, (*m)[0], (*m)[1]);
            setFieldText(member->notes, (*m)[2]);
            member->isMember = 1;
            member->parent = group.get();
            sum += readWeight((*m)[1]);
            group->members->add(std::move(member));
        }
        setFieldText(group->groupWeight, formatFixed(static_cast<double>(sum), 2));
        const std::size_t at = rows.size();
        rows.push_back({group.get(), RowKind::Group, false});
        if (expanded)
            group->members->forEach([&](const GearRecord& m) { rows.push_back({&m, RowKind::Member, true}); });
        records.push_back(std::move(group));
        return rows[at];
    }

private:
    std::vector<std::unique_ptr<GearRecord>> records;
};

} // namespace cairnly::testing
