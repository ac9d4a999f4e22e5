// The report commands: totals and export.
#include "cli/Command.h"

#include "core/document/GearDocument.h"
#include "core/files/AtomicFile.h"
#include "core/list/ReportRows.h"
#include "core/reports/ExportWriters.h"
#include "core/reports/Totals.h"
#include "core/reports/TripWeights.h"
#include "core/text/Cp1252.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace cairnly::cli {
namespace {

// The system colours of a freshly installed Windows, by index, as COLORREFs: a settings file may name
// one, and a report has no desktop to ask.
constexpr std::array<ColorValue, 31> windowsSystemColors = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000, 0x000000, 0xB4B4B4,
    0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969,
    0xE3E3E3, 0x000000, 0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};

ColorValue windowsSystemColor(int index)
{
    return index >= 0 && index < static_cast<int>(windowsSystemColors.size())
               ? windowsSystemColors[static_cast<std::size_t>(index)]
               : 0;
}

int totals(const Invocation& invocation)
{
    const auto document = openList(invocation.arguments[0]);
    if (!document)
        return 1;
    const GearList& list = document->list();
    for (const std::string& line : totalsLines(categoryTotals(reportRows(list)), list.metric()))
        std::cout << toUtf8(line) << '\n';
    if (invocation.has("--weights")) {
        std::cout << '\n';
        for (const std::string& line : tripWeightLines(tripWeights(list), list.metric()))
            std::cout << toUtf8(line) << '\n';
    }
    return 0;
}

int exportList(const Invocation& invocation)
{
    const std::pair<const char*, ExportFormat> formats[] = {{"text", ExportFormat::Text},
                                                            {"csv", ExportFormat::CommaDelimited},
                                                            {"html", ExportFormat::Html},
                                                            {"xml", ExportFormat::Xml}};
    const auto chosen = invocation.options.find("--format");
    const auto format = std::find_if(std::begin(formats), std::end(formats), [&](const auto& entry) {
        return chosen != invocation.options.end() && chosen->second == entry.first;
    });
    if (format == std::end(formats))
        return 2;
    const auto document = openList(invocation.arguments[0]);
    if (!document)
        return 1;
    const ExportOptions options = exportOptions(document->settings(), windowsSystemColor, invocation.has("--notes"),
                                                invocation.has("--only-checked"));
    const std::string& target = invocation.arguments[1];
    if (const auto refusal = reportRefusal(*document, target))
        return fail(*refusal);
    if (const auto error = writeFileAtomically(pathFromText(target),
                                               exportBytes(format->second, reportRows(document->list()), options)))
        return fail(cannotWrite(target, *error));
    return 0;
}

constexpr const char* totalsSummary = "totals [--weights] FILE  Print the Totals lines of the gear list FILE.\n";
// A name this long takes its description on the same line after two spaces, where help2man finds it too.
constexpr const char* exportSummary =
    "export --format F [--notes] [--only-checked] FILE OUT  Export FILE to OUT as F.\n";

constexpr const char* reportDetails = R"(totals and export read FILE as list does, with the settings file beside it
for the units and the list colours (without one: ounces and the default
colours; a system colour takes the value of a fresh Windows), and write nothing
but OUT. totals prints one line per run of a category in list order, the
separator and the Grand Total, in UTF-8; --weights adds an empty line and the
Base Weight, Consumable, Worn, Pack Weight and Skin-Out Weight of the ticked
gear, by the marks in the user columns "Worn" and "Consumable". export writes
one file byte for byte as the window's Export command: F is text, csv, html or
xml; --notes adds the notes, --only-checked leaves out the unticked rows.
)";

} // namespace

std::span<const Command> reportCommands()
{
    static const Command commands[] = {
        {"totals", 1, {{"--weights"}}, totals, totalsSummary, nullptr},
        {"export", 2, {{"--format", true}, {"--notes"}, {"--only-checked"}}, exportList, exportSummary, reportDetails},
    };
    return commands;
}

} // namespace cairnly::cli
