#include "core/reports/ExportWriters.h"

#include "core/text/Cp1252.h"
#include "core/text/CsvField.h"
#include "core/text/Numbers.h"
#include "core/text/Padding.h"

#include <vector>

namespace cairnly {
namespace {

// A row as the writers put it out: an item-form row, or a member written in its group's place.
struct WrittenRow
{
    const GearRecord* record;
    bool member;
    int listIndex; // the row's place in the list: the HTML rows alternate by it
};

struct Walk
{
    std::vector<WrittenRow> rows;
    float selectedTotal = 0; // "Total Weight of Selected Items"
};

Walk walkRows(std::span<const ReportRow> rows, bool onlyChecked)
{
    Walk walk;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ReportRow& row = rows[i];
        if (row.kind == RowKind::Member || (onlyChecked && !row.ticked))
            continue;
        const int index = static_cast<int>(i);
        if (row.kind == RowKind::Group) {
            // The members of an unticked group are written in all-items mode but are not selected.
            row.record->members->forEach([&](const GearRecord& member) {
                walk.rows.push_back({&member, true, index});
                if (row.ticked)
                    walk.selectedTotal += readWeight(fieldText(member.weight));
            });
            continue;
        }
        walk.rows.push_back({row.record, false, index});
        if (row.ticked)
            walk.selectedTotal += readWeight(fieldText(row.record->weight));
    }
    return walk;
}

std::string totalText(float total)
{
    return padLeft(formatFixed(static_cast<double>(total), 2), 7);
}

std::string writeText(const Walk& walk, bool notes)
{
    std::string out = notes ? "Category              Item                                  Weight     Notes\r\n" +
                                  std::string(79, '-') + "\r\n"
                            : "Category              Item                                  Weight     \r\n" +
                                  std::string(71, '-') + "\r\n";
    for (const WrittenRow& row : walk.rows) {
        const GearRecord& r = *row.record;
        out += padRight(fieldText(r.category), 21) + padRight(fieldText(r.item), 41) + padRight(fieldText(r.weight), 9);
        if (row.member)
            out += "* ";
        if (notes)
            out += fieldText(r.notes);
        out += "\r\n";
    }
    out += "\r\n" + padRight(" ", 21) + padRight("Total Weight of Selected Items", 40) + totalText(walk.selectedTotal) +
           "\r\n";
    return out;
}

std::string writeCommaDelimited(const Walk& walk, bool notes)
{
    std::string out = notes ? "Category,Item,Weight,Notes\r\n" : "Category,Item,Weight\r\n";
    for (const WrittenRow& row : walk.rows) {
        const GearRecord& r = *row.record;
        out +=
            csvField(fieldText(r.category)) + ',' + csvField(fieldText(r.item)) + ',' + csvField(fieldText(r.weight));
        if (notes)
            out += ',' + csvField(fieldText(r.notes));
        out += "\r\n";
    }
    out += ",Total Weight of Selected Items," + totalText(walk.selectedTotal) + ",\r\n";
    return out;
}

// Markup characters as entities and every character above 127 as a reference to its code point; XML
// also leaves out control characters, which no XML parser accepts.
std::string escapeMarkup(std::string_view text, bool xml)
{
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const char32_t cp = codePointOf(static_cast<unsigned char>(ch));
        if (xml && (cp < 0x20 || (cp >= 0x7F && cp < 0xA0)))
            continue;
        switch (cp) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (cp < 0x80)
                out += ch;
            else
                out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ';';
        }
    }
    return out;
}

// Six lowercase hexadecimal digits, red first.
std::string htmlColor(ColorValue color)
{
    constexpr char hex[] = "0123456789abcdef";
    std::string digits;
    for (const int shift : {0, 8, 16}) {
        const unsigned byte = (color >> shift) & 0xFF;
        digits += hex[byte >> 4];
        digits += hex[byte & 0xF];
    }
    return digits;
}

std::string cell(const char* opener, const std::string& color, std::string_view text)
{
    return std::string(opener) + "bgcolor=#" + color + "><font face=Arial>" + std::string(text) + "</font></td>";
}

constexpr const char* categoryCell = "<td width=25% align=left ";
constexpr const char* itemCell = "<td width=25% align=center ";
constexpr const char* weightCell = "<td width=10% align=center ";
constexpr const char* notesCell = "<td width=40% align=left ";

std::string writeHtml(const Walk& walk, const ExportOptions& options)
{
    const std::string back = htmlColor(options.backColor);
    const std::string alt = htmlColor(options.altColor);
    const std::string group = htmlColor(options.groupColor);
    std::string out = "<html>\r\n<head>\r\n<title>Gear List</title>\r\n</head>\r\n<body>\r\n"
                      "<table border=1 width=100%>\r\n";
    out +=
        "<tr>" + cell(categoryCell, back, "Category") + cell(itemCell, back, "Item") + cell(weightCell, back, "Weight");
    if (options.includeNotes)
        out += cell(notesCell, back, "Notes");
    out += "</tr>";
    for (const WrittenRow& row : walk.rows) {
        const GearRecord& r = *row.record;
        // The reverse of the window, which starts with the alternate colour.
        const std::string& color = row.member ? group : row.listIndex % 2 == 0 ? back : alt;
        out += "<tr>" + cell(categoryCell, color, escapeMarkup(fieldText(r.category), false)) +
               cell(itemCell, color, escapeMarkup(fieldText(r.item), false)) +
               cell(weightCell, color, escapeMarkup(fieldText(r.weight), false));
        if (options.includeNotes) {
            const std::string notes = escapeMarkup(fieldText(r.notes), false);
            out += cell(notesCell, color, notes.empty() ? "&nbsp;" : notes);
        }
        out += "</tr>\r\n";
    }
    out += "</table></body></html>\r\n";
    return out;
}

std::string writeXml(const Walk& walk, bool notes)
{
    std::string out = "<xml>\r\n<Backpacking_Gear>\r\n";
    for (const WrittenRow& row : walk.rows) {
        const GearRecord& r = *row.record;
        out += "<category attribute=\"" + escapeMarkup(fieldText(r.category), true) + "\">\r\n\t<Item>" +
               escapeMarkup(fieldText(r.item), true) + "</Item>\r\n\t<Weight>" +
               escapeMarkup(fieldText(r.weight), true) + "</Weight>\r\n";
        if (notes)
            out += "<Notes>" + escapeMarkup(fieldText(r.notes), true) + "</Notes>\r\n";
        out += "</category>\r\n";
    }
    out += "</Backpacking_Gear></xml>\r\n";
    return out;
}

} // namespace

ExportOptions exportOptions(const Settings& settings, const SystemColors& systemColors, bool includeNotes,
                            bool onlyChecked)
{
    ExportOptions options;
    options.includeNotes = includeNotes;
    options.onlyChecked = onlyChecked;
    options.backColor = resolveColor(settings.backColor, systemColors);
    options.altColor = resolveColor(settings.altColor, systemColors);
    options.groupColor = resolveColor(settings.groupColor, systemColors);
    return options;
}

std::string exportBytes(ExportFormat format, std::span<const ReportRow> rows, const ExportOptions& options)
{
    const Walk walk = walkRows(rows, options.onlyChecked);
    // Laid out in the code page, where a character is a byte, so that the text file's columns line up in
    // characters whatever the encoding.
    auto encoded = [&](std::string codePageText) {
        return options.encoding == ExportEncoding::Utf8 ? toUtf8(codePageText) : codePageText;
    };
    switch (format) {
    case ExportFormat::Text:
        return encoded(writeText(walk, options.includeNotes));
    case ExportFormat::CommaDelimited:
        return encoded(writeCommaDelimited(walk, options.includeNotes));
    case ExportFormat::Html:
        return writeHtml(walk, options);
    case ExportFormat::Xml:
        return writeXml(walk, options.includeNotes);
    }
    return {};
}

} // namespace cairnly
