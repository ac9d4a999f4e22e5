#pragma once

#include <algorithm>
#include <vector>

namespace cairnly {

// The order Add would give entries added one after another, each with a folded category and item: a new
// entry goes before the equal ones already there, so of equal entries the last comes first. That is a
// stable sort of the entries in reverse.
template <class Keyed>
void sortAsAddedOneByOne(std::vector<Keyed>& entries)
{
    std::reverse(entries.begin(), entries.end());
    std::stable_sort(entries.begin(), entries.end(), [](const Keyed& a, const Keyed& b) {
        if (const int c = a.category.compare(b.category))
            return c < 0;
        return a.item < b.item;
    });
}

} // namespace cairnly
