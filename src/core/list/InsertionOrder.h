#pragma once

#include "core/model/GearRecord.h"
#include "core/text/Cp1252.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace cairnly {

// A value (a row, a row number) with its record's category and item, folded, as Add compares them.
template <class Value>
struct AddOrderEntry
{
    std::string category;
    std::string item;
    Value value;
};

template <class Value>
AddOrderEntry<Value> addOrderEntry(const GearRecord& record, Value value)
{
    return {foldText(fieldText(record.category)), foldText(fieldText(record.item)), std::move(value)};
}

// The order Add would give entries added one after another: a new entry goes before the equal ones
// already there, so of equal entries the last comes first. That is a stable sort of the entries in reverse.
template <class Value>
void sortAsAddedOneByOne(std::vector<AddOrderEntry<Value>>& entries)
{
    std::reverse(entries.begin(), entries.end());
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        if (const int c = a.category.compare(b.category))
            return c < 0;
        return a.item < b.item;
    });
}

} // namespace cairnly
