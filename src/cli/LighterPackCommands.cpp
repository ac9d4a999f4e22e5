// The LighterPack commands: a CSV of LighterPack, the web tool for gear lists, into a list and out of one.
#include "cli/Command.h"

#include "core/document/GearDocument.h"
#include "core/files/AtomicFile.h"
#include "core/files/DataFile.h"
#include "core/files/ReportTarget.h"
#include "core/interchange/LighterPack.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsStore.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace cairnly::cli {
namespace {

// The bytes OUT's settings file is to hold: a copy of FILE's settings file, or the defaults FILE was read
// with when it has none, so that OUT reopens with FILE's units and columns; columns the import added go
// into the copy as well, or OUT would open without their texts.
std::optional<std::string> settingsBytesFor(const fs::path& file, const fs::path& outSettings,
                                            const GearDocument& document, bool columnsAdded, std::string& bytes)
{
    const fs::path settings = settingsFileFor(file);
    if (fs::exists(settings)) {
        const WholeFile whole = readWholeFile(settings);
        if (!whole.read())
            return cannotOpen(pathText(settings), whole.error);
        bytes = whole.bytes();
        if (columnsAdded) {
            ProfileFile profile = ProfileFile::parse(bytes);
            writeSettings(profile, document.settings(), nullptr, standardPixelsPerInch);
            bytes = profile.serialize();
        }
        return std::nullopt;
    }
    ProfileFile profile = ProfileFile::load(outSettings);
    // A settings file that cannot be read is never written over: what it holds would be lost.
    if (profile.loadError())
        return cannotWrite(pathText(outSettings), *profile.loadError());
    writeSettings(profile, document.settings(), nullptr, standardPixelsPerInch);
    bytes = profile.serialize();
    return std::nullopt;
}

int importCommand(const Invocation& invocation)
{
    const std::string& file = invocation.arguments[0];
    const std::string& csv = invocation.arguments[1];
    const std::string& out = invocation.arguments[2];
    const fs::path outSettings = settingsFileFor(pathFromText(out));
    const auto document = openList(file);
    if (!document)
        return 1;
    for (const fs::path& target : {pathFromText(out), outSettings}) {
        if (sameFile(target, pathFromText(csv)))
            return fail(neverWrittenOver(target).text);
    }

    const WholeFile whole = readWholeFile(pathFromText(csv), lighterPackFileLimit);
    if (whole.tooLarge)
        return fail(csv + " is too large to be a LighterPack list");
    if (!whole.read())
        return fail(cannotOpen(csv, whole.error));
    const std::vector<UserColumn> columnsBefore = document->list().userColumns();
    const std::string summary =
        importRows(document->list(), parseLighterPack(whole.bytes(), document->list().metric()));

    // The data-file writer alone: the window's save would also record the list in Cairnly.ini.
    std::vector<const GearRecord*> topLevel;
    for (int row = 0; row < document->list().rowCount(); ++row) {
        if (document->list().kind(row) != RowKind::Member)
            topLevel.push_back(&document->list().record(row));
    }
    std::string settingsBytes;
    if (const auto error = settingsBytesFor(pathFromText(file), outSettings, *document,
                                            document->list().userColumns() != columnsBefore, settingsBytes))
        return fail(*error);

    // Both files or neither: the settings file first, put back as it was should the list fail, and so
    // not written over when what it holds cannot be read to be put back.
    const WholeFile oldSettings = readWholeFile(outSettings);
    if (!oldSettings.read() && oldSettings.status != WholeFile::Status::Missing)
        return fail(cannotWrite(pathText(outSettings), oldSettings.error));
    if (const auto error = writeFileAtomically(outSettings, settingsBytes))
        return fail(cannotWrite(pathText(outSettings), *error));
    if (const auto error = writeDataFile(pathFromText(out), document->list().categories(), topLevel)) {
        std::error_code ignored;
        if (oldSettings.read())
            writeFileAtomically(outSettings, oldSettings.bytes());
        else
            fs::remove(outSettings, ignored);
        return fail(cannotWrite(out, *error));
    }
    std::cout << summary << '\n';
    return 0;
}

int exportCommand(const Invocation& invocation)
{
    const std::string& file = invocation.arguments[0];
    const std::string& target = invocation.arguments[1];
    const auto document = openList(file);
    if (!document)
        return 1;
    if (const auto refusal = reportRefusal(*document, target))
        return fail(*refusal);
    const fs::path csv = pathFromText(target);
    const FileCommandOutcome outcome = exportLighterPack(document->list(), csv);
    if (!outcome.done) {
        // The window's words name the file in quotes; the command says it as every write failure.
        const std::string windowWords = "\"" + csv.string() + "\" could not be written: ";
        const std::string& text = outcome.message.text;
        return fail(text.starts_with(windowWords) ? cannotWrite(target, text.substr(windowWords.size())) : text);
    }
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
