#include "core/interchange/LighterPack.h"

#include "core/files/AtomicFile.h"
#include "core/interchange/CsvReader.h"
#include "core/list/ColumnMarks.h"
#include "core/list/GearList.h"
#include "core/list/ReportRows.h"
#include "core/list/WeightUnits.h"
#include "core/text/Cp1252.h"
#include "core/text/CsvField.h"
#include "core/text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace cairnly {
namespace {

constexpr const char* lighterPackHeader = "Item Name,Category,desc,qty,weight,unit,url,price,worn,consumable";
constexpr const char* emptyCategoryStandIn = "Miscellaneous";
constexpr std::size_t summaryRowLimit = 10;

struct Unit
{
    std::string_view name;
    bool grams;    // of the gram family, else of the ounce family
    double factor; // to grams or to ounces
};

// The units LighterPack's import takes, exactly as written.
constexpr Unit units[] = {
    {"ounce", false, 1},   {"ounces", false, 1}, {"oz", false, 1},         {"pound", false, 16},
    {"pounds", false, 16}, {"lb", false, 16},    {"lbs", false, 16},       {"gram", true, 1},
    {"grams", true, 1},    {"g", true, 1},       {"kilogram", true, 1000}, {"kilograms", true, 1000},
    {"kg", true, 1000},    {"kgs", true, 1000},
};

const Unit* unitNamed(std::string_view name)
{
    for (const Unit& unit : units) {
        if (unit.name == name)
            return &unit;
    }
    return nullptr;
}

// A field that is a decimal number and nothing else (spaces around it aside).
std::optional<double> numberIn(std::string_view field)
{
    const std::size_t first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    field = field.substr(first, field.find_last_not_of(" \t") - first + 1);
    std::size_t i = field[0] == '+' || field[0] == '-' ? 1 : 0;
    std::size_t digits = 0;
    bool point = false;
    for (; i < field.size(); ++i) {
        if (field[i] >= '0' && field[i] <= '9')
            ++digits;
        else if (field[i] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    return readNumber(field);
}

// A number as LighterPack reads one: at most two decimals, no trailing zeros, always a digit before the
// point ("0.5", never ".5").
std::string plainNumber(double value)
{
    std::string text = formatFixed(value, 2);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

// The weight in the list's unit, with the factors of the list's own Convert.
double inListUnit(double weight, const Unit& unit, bool metric)
{
    const double inFamily = weight * unit.factor;
    if (unit.grams == metric)
        return inFamily;
    if (metric)
        return static_cast<double>(ouncesToGrams * static_cast<float>(inFamily));
    return gramsToOunces * inFamily;
}

// The text as a record field holds it, and whether it had to be cut or changed.
std::string fieldTextFrom(std::string_view utf8, std::size_t capacity, bool& changed)
{
    std::string unified;
    unified.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!(utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n'))
            unified += utf8[i]; // a CR LF is one line break, so one space
    }
    std::string text = fromUtf8Replacing(unified, changed);
    if (text.size() > capacity) {
        text.resize(capacity);
        changed = true;
    }
    return text;
}

// A value from the file, fit to be quoted in a message.
std::string inQuotes(std::string_view utf8)
{
    bool ignored = false;
    return "\"" + toUtf8(fieldTextFrom(utf8, 20, ignored)) + "\"";
}

// "%.2f", a zero always without its sign.
std::string weightText(double weight)
{
    return formatFixed(weight == 0 ? 0.0 : weight, 2);
}

// Names the first ten entries, one a line, then counts the rest.
template <typename Entry, typename Describe>
void appendListed(std::string& text, const std::vector<Entry>& entries, Describe describe)
{
    for (std::size_t i = 0; i < entries.size() && i < summaryRowLimit; ++i)
        text += "\n" + describe(entries[i]);
    if (entries.size() > summaryRowLimit)
        text += "\nand " + std::to_string(entries.size() - summaryRowLimit) + " more.";
}

std::string counted(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

LighterPackRows parseLighterPack(std::string_view csv, bool metric)
{
    LighterPackRows result;
    // LighterPack's own import leaves these behind; here they become user columns.
    result.columnTexts = {{markText(Mark::Worn), {}}, {markText(Mark::Consumable), {}}, {"Price", {}}, {"URL", {}}};
    ImportedColumn& worn = result.columnTexts[0];
    ImportedColumn& consumable = result.columnTexts[1];
    ImportedColumn& price = result.columnTexts[2];
    ImportedColumn& url = result.columnTexts[3];
    for (const CsvRow& row : CsvRows(csv)) {
        const std::vector<std::string>& f = row.fields;
        if (f.size() == 1 && f[0].empty())
            continue;
        auto skip = [&](std::string reason) { result.skipped.push_back({row.line, std::move(reason)}); };
        if (f.size() < 6) {
            skip("fewer than six fields");
            continue;
        }
        if (equalsNoCase(f[0], "Item Name"))
            continue;
        // The item editor makes no item without a name either.
        if (f[0].empty()) {
            skip("the Item Name is empty");
            continue;
        }
        const std::optional<double> qty = numberIn(f[3]);
        const std::optional<double> weight = numberIn(f[4]);
        const Unit* unit = unitNamed(f[5]);
        if (!qty) {
            skip("the qty " + inQuotes(f[3]) + " is not a number");
            continue;
        }
        if (*qty < 0) {
            skip("the qty " + inQuotes(f[3]) + " is negative");
            continue;
        }
        if (!weight) {
            skip("the weight " + inQuotes(f[4]) + " is not a number");
            continue;
        }
        if (*weight < 0) {
            skip("the weight " + inQuotes(f[4]) + " is negative");
            continue;
        }
        if (!unit) {
            skip("the unit " + inQuotes(f[5]) + " is not one LighterPack knows");
            continue;
        }

        auto record = std::make_unique<GearRecord>();
        const double unitWeight = inListUnit(*weight, *unit, metric);
        const std::string unitWeightText = weightText(unitWeight);
        if (!std::isfinite(unitWeight) || unitWeightText.size() > fieldCapacity(record->unitWeight)) {
            skip("the weight is too large for the weight field");
            continue;
        }
        const std::string multiplierText = plainNumber(*qty);
        if (!std::isfinite(*qty) || multiplierText.size() > fieldCapacity(record->multiplier)) {
            skip("the qty is too large for the multiplier field");
            continue;
        }
        setFieldText(record->unitWeight, unitWeightText);
        setFieldText(record->multiplier, multiplierText);
        if (!computeWeight(*record)) {
            skip("the weight times the qty is too large for the weight field");
            continue;
        }
        auto text = [&](std::string_view utf8, std::size_t capacity, const char* field, const char* standIn) {
            bool changed = false;
            std::string kept = fieldTextFrom(utf8, capacity, changed);
            if (kept.empty() && standIn) {
                kept = standIn;
                changed = true;
            }
            if (changed)
                result.changedTexts.push_back({row.line, field, kept});
            return kept;
        };
        setFieldText(record->item, text(f[0], fieldCapacity(record->item), "Item Name", nullptr));
        // An empty line would end the data file's list of categories.
        setFieldText(record->category, text(f[1], fieldCapacity(record->category), "Category", emptyCategoryStandIn));
        setFieldText(record->notes, text(f[2], fieldCapacity(record->notes), "desc", nullptr));
        auto field = [&](std::size_t i) { return i < f.size() ? std::string_view(f[i]) : std::string_view(); };
        url.texts.push_back(text(field(6), columnTextCapacity, "url", nullptr));
        price.texts.push_back(text(field(7), columnTextCapacity, "price", nullptr));
        worn.texts.emplace_back(isMarkText(field(8)) ? markText(Mark::Worn) : "");
        consumable.texts.emplace_back(isMarkText(field(9)) ? markText(Mark::Consumable) : "");
        result.records.push_back(std::move(record));
    }
    return result;
}

std::string importSummary(const LighterPackRows& rows)
{
    std::string text = counted(rows.records.size(), "item was", "items were") + " added to the list.";
    if (!rows.changedTexts.empty()) {
        text += "\n" + counted(rows.changedTexts.size(), "text was", "texts were") +
                " cut to fit a field or had characters replaced:";
        appendListed(text, rows.changedTexts, [](const ChangedText& changed) {
            return "Line " + std::to_string(changed.line) + ": the " + changed.field + " became \"" +
                   toUtf8(changed.text) + "\".";
        });
    }
    if (!rows.skipped.empty()) {
        text += "\n" + counted(rows.skipped.size(), "row was", "rows were") + " skipped:";
        appendListed(text, rows.skipped, [](const SkippedRow& skipped) {
            return "Line " + std::to_string(skipped.line) + ": " + skipped.reason + ".";
        });
    }
    return text;
}

std::string lighterPackCsv(std::span<const ReportRow> rows, const std::vector<UserColumn>& columns, bool metric)
{
    const int urlColumn = columnHeaded(columns, "URL");
    const int priceColumn = columnHeaded(columns, "Price");
    const int wornColumn = markColumn(columns, Mark::Worn);
    const int consumableColumn = markColumn(columns, Mark::Consumable);
    auto trailing = [&](int k) {
        return k != urlColumn && k != priceColumn && k != wornColumn && k != consumableColumn;
    };
    std::string csv = lighterPackHeader;
    csv += ",selected";
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (trailing(static_cast<int>(k)))
            csv += "," + csvField(toUtf8(columns[k].heading));
    }
    csv += '\n';
    const char* unit = metric ? "gram" : "ounce";
    // marks: the record whose marks count, a member's group.
    auto writeItem = [&](const GearRecord& r, const GearRecord& marks, bool ticked) {
        csv += csvField(toUtf8(fieldText(r.item))) + ',' + csvField(toUtf8(fieldText(r.category))) + ',' +
               csvField(toUtf8(fieldText(r.notes))) + ',' + plainNumber(readNumber(fieldText(r.multiplier))) + ',' +
               plainNumber(readNumber(fieldText(r.unitWeight))) + ',' + unit + ',' +
               csvField(toUtf8(columnText(r, urlColumn))) + ',' + csvField(toUtf8(columnText(r, priceColumn))) + ',' +
               (isMarked(marks, wornColumn) ? markText(Mark::Worn) : "") + ',' +
               (isMarked(marks, consumableColumn) ? markText(Mark::Consumable) : "") + ',' + (ticked ? "Selected" : "");
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (trailing(static_cast<int>(k)))
                csv += ',' + csvField(toUtf8(columnText(r, static_cast<int>(k))));
        }
        csv += '\n';
    };
    for (const ReportRow& row : rows) {
        if (row.kind == RowKind::Item)
            writeItem(*row.record, *row.record, row.ticked);
        else if (row.kind == RowKind::Group)
            row.record->members->forEach([&](const GearRecord& member) { writeItem(member, *row.record, row.ticked); });
    }
    return csv;
}

std::string lighterPackCsv(const GearList& rows)
{
    return lighterPackCsv(reportRows(rows), rows.userColumns(), rows.metric());
}

FileCommandOutcome importLighterPack(GearList& rows, const fs::path& csvFile)
{
    if (auto refused = rows.changeRefusal())
        return {false, *refused};
    auto failure = [&](const std::string& why) {
        return FileCommandOutcome{false, Message{"Nothing was imported from \"" + pathText(csvFile) + "\": " + why,
                                                 "Error", MessageIcon::Exclamation, MessageButtons::Ok}};
    };
    // A pipe is read as far as the limit.
    const WholeFile whole = readWholeFile(csvFile, lighterPackFileLimit);
    if (whole.tooLarge)
        return failure("the file is larger than 10 MB, far larger than any gear list.");
    if (!whole.read())
        return failure(whole.error + ".");
    std::string summary = importRows(rows, parseLighterPack(whole.bytes(), rows.metric()));
    return {true, Message{std::move(summary), applicationName, MessageIcon::Information, MessageButtons::Ok}};
}

std::string importRows(GearList& rows, LighterPackRows parsed)
{
    std::string summary = importSummary(parsed);
    rows.addImported(std::move(parsed.records), parsed.columnTexts);
    for (const ImportedColumn& column : parsed.columnTexts) {
        const bool brought =
            std::any_of(column.texts.begin(), column.texts.end(), [](const auto& text) { return !text.empty(); });
        if (brought && columnHeaded(rows.userColumns(), column.heading) < 0)
            summary += "\nThe texts of the column \"" + column.heading +
                       "\" were left out: the list has as many columns as it can hold.";
    }
    return summary;
}

FileCommandOutcome exportLighterPack(const GearList& rows, const fs::path& csvFile)
{
    if (auto error = writeFileAtomically(csvFile, lighterPackCsv(rows)))
        return {false, Message{"\"" + csvFile.string() + "\" could not be written: " + *error, "Error",
                               MessageIcon::Exclamation, MessageButtons::Ok}};
    std::size_t items = 0;
    std::size_t groups = 0;
    for (const ReportRow& row : reportRows(rows)) {
        if (row.kind == RowKind::Item) {
            ++items;
        } else if (row.kind == RowKind::Group) {
            ++groups;
            items += static_cast<std::size_t>(row.record->members->count());
        }
    }
    std::string summary = counted(items, "item was", "items were") + " written to \"" + csvFile.string() + "\".";
    if (groups > 0)
        summary += "\nLighterPack has no groups: the members of " + counted(groups, "group", "groups") +
                   " were written as items of their own, without the group's name.";
    return {true, Message{std::move(summary), applicationName, MessageIcon::Information, MessageButtons::Ok}};
}

} // namespace cairnly
