#include "core/reports/ExportChoices.h"

#include "core/files/AtomicFile.h"
#include "core/files/ReportTarget.h"
#include "core/list/ReportRows.h"
#include "core/settings/ProfileFile.h"

#include <string>
#include <utility>

namespace cairnly {

bool ExportChoices::wants(ExportFormat format) const
{
    switch (format) {
    case ExportFormat::Text:
        return text;
    case ExportFormat::CommaDelimited:
        return commaDelimited;
    case ExportFormat::Html:
        return html;
    case ExportFormat::Xml:
        return xml;
    }
    return false;
}

void readExportSettings(ExportChoices& choices, const std::filesystem::path& settingsFile)
{
    const ProfileFile profile = ProfileFile::load(settingsFile);
    for (std::size_t i = 0; i < choices.paths.size(); ++i) {
        const std::optional<std::string> text = profile.readString(settingsKeys::exports, settingsKeys::exportFiles[i]);
        choices.paths[i] = text ? profileTextToPath(*text) : std::filesystem::path();
    }
    if (const std::optional<int32_t> notes = profile.readStructInt32(settingsKeys::exports, settingsKeys::exportNotes))
        choices.includeNotes = *notes != 0;
    choices.onlyChecked = false;
}

std::optional<Message> exportChoicesProblem(const ExportChoices& choices,
                                            const std::vector<std::filesystem::path>& listFiles)
{
    if (choices.sendAsEmail && choices.path(ExportFormat::Text).empty())
        return Message{"To send EMail, please choose a Text File by clicking on the Browse button and entering a file "
                       "name",
                       "Export Dialog", MessageIcon::Error, MessageButtons::Ok};
    // A ticked format without a file would only fail after OK, with an empty path for its message.
    const std::pair<ExportFormat, const char*> formats[] = {{ExportFormat::Text, "Text"},
                                                            {ExportFormat::CommaDelimited, "Comma Delimited"},
                                                            {ExportFormat::Html, "HTML"},
                                                            {ExportFormat::Xml, "XML"}};
    for (const auto& [format, name] : formats) {
        if (choices.wants(format) && choices.path(format).empty())
            return Message{std::string("Please enter a file name for the ") + name + " file", "Export Dialog",
                           MessageIcon::Error, MessageButtons::Ok};
    }
    for (const auto& [format, name] : formats) {
        const bool written = choices.wants(format) || (format == ExportFormat::Text && choices.sendAsEmail);
        if (written) {
            if (auto refusal = reportTargetRefusal(choices.path(format), listFiles))
                return refusal;
        }
    }
    return std::nullopt;
}

ExportOutcome runExport(const GearList& rows, const Settings& settings, const ExportChoices& choices,
                        const SystemColors& systemColors)
{
    const ExportOptions options = exportOptions(settings, systemColors, choices.includeNotes, choices.onlyChecked);
    const std::vector<ReportRow> view = reportRows(rows);

    ExportOutcome outcome;
    auto write = [&](ExportFormat format) {
        const std::filesystem::path& target = choices.path(format);
        if (!target.empty() && !writeFileAtomically(target, exportBytes(format, view, options)))
            return true;
        outcome.messages.push_back(unableToOpen(target));
        return false;
    };
    for (const ExportFormat format :
         {ExportFormat::Text, ExportFormat::CommaDelimited, ExportFormat::Html, ExportFormat::Xml}) {
        if (choices.wants(format))
            write(format);
    }
    if (choices.sendAsEmail && write(ExportFormat::Text))
        outcome.mailAttachment = choices.path(ExportFormat::Text);
    return outcome;
}

} // namespace cairnly
