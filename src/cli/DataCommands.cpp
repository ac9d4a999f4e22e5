// The data-file commands: dump, make and list.
#include "cli/Command.h"
#include "cli/DataJson.h"

#include "core/document/GearDocument.h"
#include "core/files/AtomicFile.h"
#include "core/files/ReportTarget.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsStore.h"
#include "core/text/Cp1252.h"

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

namespace cairnly::cli {
namespace {

int dump(const Invocation& invocation)
{
    const std::string& file = invocation.arguments[0];
    const DataFileContents contents = readDataFile(pathFromText(file));
    switch (contents.outcome) {
    case DataFileContents::Outcome::Missing:
    case DataFileContents::Outcome::Unreadable:
        return fail(contents.tooLarge ? tooLargeText(pathFromText(file)) : cannotOpen(file, contents.readError));
    case DataFileContents::Outcome::Refused:
        return fail(file + ": " + (contents.messages.empty() ? "refused" : contents.messages.front().text));
    case DataFileContents::Outcome::Read:
        break;
    }
    std::cout << contentsToJson(contents).dump(2) << '\n';
    return 0;
}

int make(const Invocation& invocation)
{
    const std::string& jsonFile = invocation.arguments[0];
    const std::string& target = invocation.arguments[1];
    const WholeFile text = readWholeFile(pathFromText(jsonFile));
    if (text.tooLarge)
        return fail(tooLargeText(pathFromText(jsonFile)));
    if (!text.read())
        return fail(cannotOpen(jsonFile, text.error));
    Json json;
    try {
        json = parseJson(text.bytes());
    } catch (const Json::parse_error& error) {
        return fail(jsonFile + ": not valid JSON: " + error.what());
    } catch (const JsonTooLarge&) {
        return fail(tooLargeText(pathFromText(jsonFile)));
    }
    JsonList list;
    try {
        list = listFromJson(json);
    } catch (const JsonFormatError& error) {
        return fail(jsonFile + ": " + error.what());
    }
    if (const auto error = writeDataFile(pathFromText(target), list.categories, list.rows()))
        return fail(cannotWrite(target, *error));
    return 0;
}

int list(const Invocation& invocation)
{
    const auto document = openList(invocation.arguments[0]);
    if (!document)
        return 1;
    std::string out;
    for (int row = 0; row < document->list().rowCount(); ++row) {
        out += document->list().isChecked(row) ? "[x]" : "[ ]";
        for (int column = 0; column < document->list().columnCount(); ++column) {
            out += '\t';
            out += toUtf8(document->cellText(row, column));
        }
        out += '\n';
    }
    out += document->list().totalLine();
    out += '\n';
    std::cout << out;
    return 0;
}

constexpr const char* dumpSummary = "dump FILE        Print the gear data file FILE as JSON.\n";
constexpr const char* makeSummary = "make JSON OUT    Write the JSON (in the form dump prints) to OUT as a gear data\n"
                                    "                 file of the current format (Version 5.9).\n";
constexpr const char* listSummary = "list FILE        Print the gear list FILE as the window shows it after Open.\n";

constexpr const char* dumpDetails = R"(dump prints {"format", "categories", "rows", "messages"}. "format" is "5.9",
"5", "4" or "unversioned"; each row is a record with the texts "category",
"item", "unitWeight", "weight", "notes", "multiplier", "groupWeight",
"collapsedLabel" and "expandedLabel", the flags "checked", "isMember" and
"expanded" (0 or 1), the list "columnTexts" and, for a group, "members" (records,
in the order they stand in the file). Texts are UTF-8.
)";

constexpr const char* makeDetails = R"(make takes the same form ("format" and "messages" may be left out). Every text
must have a Windows-1252 form and fit its field: category 20 characters, item
40, unitWeight, weight and groupWeight 9, notes 50, multiplier 4, the labels 42,
a column text 50. When the JSON is not right, make names the place and writes
nothing. For any file make wrote, make of its dump gives back the same bytes.
)";

constexpr const char* listDetails = R"(list reads FILE with the settings file beside it (FILE's name with ".ini"), which
gives the units and the user columns. It prints one line per row: "[x]" for a
ticked row or "[ ]", then the text of every column in the order of the columns
(Category, Item, Weight, Notes, then the user columns), separated by tabs; then
the total line. Groups are shown collapsed. Texts are UTF-8.
)";

// Why the list could not be opened, in the command's words: the window's messages name an unreadable
// file without the system's reason, and promise to keep a damaged file before the list is saved over
// it, which a command that refuses it never does.
std::string openFailure(const std::string& word, const GearDocument& document, const Message& first)
{
    const std::filesystem::path file = pathFromText(word);
    if (first.caption == "File Does Not Exist!")
        return cannotOpen(word, std::generic_category().message(ENOENT));
    if (first == unableToOpen(file))
        return cannotOpen(word, readWholeFile(file).error);
    const std::filesystem::path settings = settingsFileFor(file);
    if (first == unableToOpen(settings))
        return cannotOpen(pathText(settings), ProfileFile::load(settings).loadError().value_or(first.caption));
    if (first.text == tooLargeText(file))
        return first.text;
    // The notice of the overwrite guard: the rows before the damage are in the list.
    if (first == notice(first.text)) {
        std::size_t read = 0;
        for (int row = 0; row < document.list().rowCount(); ++row)
            read += document.list().kind(row) != RowKind::Member ? 1 : 0;
        return word + " is damaged: " + std::to_string(read) + (read == 1 ? " row" : " rows") +
               " could be read; nothing was written";
    }
    return word + ": " + first.text;
}

} // namespace

std::unique_ptr<GearDocument> openList(const std::string& word)
{
    const std::filesystem::path file = pathFromText(word);
    std::error_code ec;
    auto document = std::make_unique<GearDocument>(std::filesystem::absolute(file, ec).parent_path(), file, Settings{});
    const std::vector<Message> messages = document->openFile(file);
    if (messages.empty())
        return document;
    fail(openFailure(word, *document, messages.front()));
    return nullptr;
}

std::optional<std::string> reportRefusal(const GearDocument& document, const std::string& target)
{
    std::error_code ec;
    const std::vector<std::filesystem::path> lists = {document.currentDataFile(), document.settingsFile(),
                                                      document.applicationSettingsFile(),
                                                      std::filesystem::current_path(ec) / "Cairnly.ini"};
    if (const std::optional<Message> refusal = reportTargetRefusal(pathFromText(target), lists))
        return refusal->text;
    return std::nullopt;
}

std::span<const Command> dataCommands()
{
    static const Command commands[] = {
        {"dump", 1, {}, dump, dumpSummary, dumpDetails},
        {"make", 2, {}, make, makeSummary, makeDetails},
        {"list", 1, {}, list, listSummary, listDetails},
    };
    return commands;
}

} // namespace cairnly::cli
