// The LighterPack commands: a CSV of LighterPack, the web tool for gear lists, into a list and out of one.
#include "cli/Command.h"

#include "core/document/GearDocument.h"
#include "core/files/AtomicFile.h"
#include "core/files/DataFile.h"
#include "core/interchange/LighterPack.h"
#include "core/settings/SettingsStore.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace cairnly::cli {
namespace {

int importCommand(const Invocation& invocation)
{
    const std::string& file = invocation.arguments[0];
    const std::string& out = invocation.arguments[2];
    const auto document = openList(file);
    if (!document)
        return 1;
    const std::vector<UserColumn> columnsBefore = document->list().userColumns();
    const FileCommandOutcome outcome = importLighterPack(document->list(), pathFromText(invocation.arguments[1]));
    if (!outcome.done)
        return fail(outcome.message.text);

    // The data-file writer alone: the window's save would also record the list in Cairnly.ini.
    std::vector<const GearRecord*> topLevel;
    for (int row = 0; row < document->list().rowCount(); ++row) {
        if (document->list().kind(row) != RowKind::Member)
            topLevel.push_back(&document->list().record(row));
    }
    if (const auto error = writeDataFile(pathFromText(out), document->list().categories(), topLevel))
        return fail("cannot write " + out + ": " + *error);
    // OUT reopens with FILE's units and columns: a copy of its settings file, or of the defaults it was
    // read with when it has none.
    const fs::path settings = settingsFileFor(pathFromText(file));
    const fs::path outSettings = settingsFileFor(pathFromText(out));
    std::optional<std::string> error;
    if (fs::exists(settings)) {
        const WholeFile whole = readWholeFile(settings);
        if (!whole.read())
            return fail("cannot read " + settings.string() + ": " + whole.error);
        error = writeFileAtomically(outSettings, whole.bytes());
        // Columns the import added go into the copy as well, or OUT would open without their texts.
        if (!error && document->list().userColumns() != columnsBefore)
            error = saveSettings(outSettings, document->settings());
    } else {
        error = saveSettings(outSettings, document->settings());
    }
    if (error)
        return fail("cannot write " + outSettings.string() + ": " + *error);
    std::cout << outcome.message.text << '\n';
    return 0;
}

int exportCommand(const Invocation& invocation)
{
    const std::string& file = invocation.arguments[0];
    const auto document = openList(file);
    if (!document)
        return 1;
    const FileCommandOutcome outcome = exportLighterPack(document->list(), pathFromText(invocation.arguments[1]));
    if (!outcome.done)
        return fail(outcome.message.text);
    std::cout << outcome.message.text << '\n';
    return 0;
}

// Names this long take their description on the same line after two spaces, where help2man finds it too.
constexpr const char* importSummaryText = "import-lighterpack FILE CSV OUT  Write FILE plus the CSV's items to OUT.\n";
constexpr const char* exportSummaryText = "export-lighterpack FILE OUT  Write FILE to OUT as a LighterPack CSV.\n";

constexpr const char* importDetails = R"(import-lighterpack reads the CSV as LighterPack exports it (UTF-8; the columns
Item Name, Category, desc, qty, weight, unit, url, price, worn and consumable
count, the rest is ignored). Each row becomes an unticked item of FILE's list,
its weight converted into the list's unit, its texts cut to their fields; url,
price, worn and consumable go into the user columns "URL", "Price", "Worn" and
"Consumable", each added when a row has a text for it. Rows LighterPack would
skip (fewer than six fields, qty or weight not a number, an unknown unit) and
rows whose weight or qty would not fit are skipped. OUT gets a copy of FILE's
settings file (the name with ".ini"), so it opens in the same units, with the
added columns. A summary of the items added, the texts changed and the rows
skipped is printed. A CSV above 10 MB is refused.
)";

constexpr const char* exportDetails = R"(export-lighterpack writes LighterPack's ten columns, one row per item and per
group member (LighterPack has no groups): the unit weight in the list's unit
("ounce" or "gram") as the weight, the multiplier as qty, the notes as desc,
the user columns "URL" and "Price" as url and price, and the marks of the
columns "Worn" and "Consumable" (a member's: its group's) as worn and
consumable. Then the column "selected" ("Selected" for a ticked row) and one
column per other user column. It writes nothing but OUT.
)";

} // namespace

std::span<const Command> lighterPackCommands()
{
    static const Command commands[] = {
        {"import-lighterpack", 3, {}, importCommand, importSummaryText, importDetails},
        {"export-lighterpack", 2, {}, exportCommand, exportSummaryText, exportDetails},
    };
    return commands;
}

} // namespace cairnly::cli
