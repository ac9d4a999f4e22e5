#pragma once

#include "core/list/ListEntries.h"
#include "core/list/ReportRows.h"
#include "core/model/GearRecord.h"
#include "core/model/Message.h"
#include "core/settings/Settings.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Lists in and out of LighterPack, the web tool for gear lists, through the CSV it exports and imports.
namespace cairnly {

class GearList;

// A list of thousands of items is far smaller; anything larger is not a LighterPack list.
inline constexpr std::uintmax_t lighterPackFileLimit = 10 * 1024 * 1024;

struct SkippedRow
{
    int line = 0;
    std::string reason;

    bool operator==(const SkippedRow&) const = default;
};

// A text of an imported row that was cut to its field or had characters replaced.
struct ChangedText
{
    int line = 0;
    std::string field; // the column's name in LighterPack's header
    std::string text;  // as the item keeps it, Windows-1252

    bool operator==(const ChangedText&) const = default;
};

// The rows of a LighterPack CSV, ready to join a list.
struct LighterPackRows
{
    // In file order: unticked items, texts cut to their fields, unit weights in the list's unit.
    std::vector<std::unique_ptr<GearRecord>> records;
    // The texts of the user columns "Worn", "Consumable", "Price" and "URL", one for each record.
    std::vector<ImportedColumn> columnTexts;
    std::vector<ChangedText> changedTexts; // of the records, in file order
    std::vector<SkippedRow> skipped;
};

// Reads a LighterPack CSV (UTF-8) for a list in grams (metric) or in ounces: Item Name, Category, desc,
// qty, weight and unit make the record, and url, price, worn and consumable (where the row has them)
// the texts of its user columns: the url and price cut to a column text, a worn or consumable mark as
// "Worn" or "Consumable". Rows LighterPack itself would skip are skipped (fewer than six fields, qty or
// weight not a number, an unknown unit), and so are rows the list cannot hold: without an Item Name,
// with a negative qty or weight, or with a weight or qty too large for its field. The header row and
// empty lines are passed over.
LighterPackRows parseLighterPack(std::string_view csv, bool metric);

// What an import did, in plain text: the items added; the texts changed and the rows skipped, each with
// the first ten named (the line and what became of the text, or why the row was skipped) and then how
// many more.
std::string importSummary(const LighterPackRows& rows);

// The items and group members as LighterPack's CSV, in list order, with the ticks (a member takes its
// group's) and the user columns' texts after LighterPack's ten columns. The URL and Price columns go to
// url and price and the worn and consumable marks (a member's: its group's) to worn and consumable, not
// after them. UTF-8, LF line ends.
std::string lighterPackCsv(std::span<const ReportRow> rows, const std::vector<UserColumn>& columns, bool metric);
// The same for the list as it stands, with its columns and unit.
std::string lighterPackCsv(const GearList& rows);

// What a file command did: done, or refused or failed with nothing changed; the message says which.
struct FileCommandOutcome
{
    bool done = false;
    Message message;
};

// Adds the parsed rows to the list, the texts of their columns with them; returns the import's summary,
// which also names the columns the list had no room for.
std::string importRows(GearList& rows, LighterPackRows parsed);
// Reads the CSV file and adds its rows to the list.
FileCommandOutcome importLighterPack(GearList& rows, const std::filesystem::path& csvFile);
// Writes the list as LighterPack's CSV, safely; the summary says when group names were left out.
FileCommandOutcome exportLighterPack(const GearList& rows, const std::filesystem::path& csvFile);

} // namespace cairnly
