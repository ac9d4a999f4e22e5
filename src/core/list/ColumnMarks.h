#pragma once

#include "core/model/GearRecord.h"
#include "core/settings/Settings.h"

#include <string>
#include <string_view>
#include <vector>

// Worn and consumable gear is marked in user columns of the list's own, so the data file and its settings
// stay as they are and any program that reads them shows the marks as plain columns.
namespace cairnly {

enum class Mark
{
    Worn,
    Consumable
};

// The heading of the mark's column, and the text a mark is written as: "Worn" or "Consumable", as
// LighterPack writes them.
const char* markText(Mark mark);

// The first user column with this heading, compared without regard to case or surrounding spaces; -1
// for none.
int columnHeaded(const std::vector<UserColumn>& columns, std::string_view heading);

inline int markColumn(const std::vector<UserColumn>& columns, Mark mark)
{
    return columnHeaded(columns, markText(mark));
}

// Any text but "", "0", "no", "n", "false" and "-" (without regard to case) marks its item.
bool isMarkText(std::string_view text);

// The record's text in user column k; empty when it has none.
std::string_view columnText(const GearRecord& record, int column);

// Whether the record is marked in user column k; never for a column of -1.
inline bool isMarked(const GearRecord& record, int column)
{
    return column >= 0 && isMarkText(columnText(record, column));
}

// Sets the record's text in user column k, giving it empty texts for the columns before k it lacks.
void setColumnText(GearRecord& record, int column, std::string text);

} // namespace cairnly
