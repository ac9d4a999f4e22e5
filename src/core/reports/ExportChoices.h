#pragma once

#include "core/list/GearList.h"
#include "core/model/Message.h"
#include "core/reports/ExportWriters.h"
#include "core/settings/SettingsStore.h"

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

namespace cairnly {

// The Export dialog's choices, held for the whole run: the format boxes and "Send as EMail" stay as last
// confirmed, the rest is set afresh at each opening.
struct ExportChoices
{
    bool text = false;
    bool commaDelimited = false;
    bool html = false;
    bool xml = false;
    bool sendAsEmail = false;
    bool onlyChecked = false; // "Export only Checked Items"; otherwise "Export All Items"
    bool includeNotes = false;
    std::array<std::filesystem::path, 4> paths; // text, comma-delimited, HTML, XML

    bool wants(ExportFormat format) const;
    const std::filesystem::path& path(ExportFormat format) const { return paths[static_cast<std::size_t>(format)]; }
};

// Prepares the choices for an opening of the dialog: the four paths from the settings file (an absent key
// gives an empty path), the notes flag from it (an absent one keeps the flag), and "Export All Items".
void readExportSettings(ExportChoices& choices, const std::filesystem::path& settingsFile);

// The dialog's OK check: a message keeps it open. A mail needs the text file's path, and so does every ticked
// format its own. No file is written over a list: neither over the open list's own files (listFiles) nor
// over any other data file.
std::optional<Message> exportChoicesProblem(const ExportChoices& choices,
                                            const std::vector<std::filesystem::path>& listFiles = {});

struct ExportOutcome
{
    std::vector<Message> messages; // "Unable to Open!" for each file that could not be written, in order
    // The text file to hand to the mail program: only when it was asked for and written.
    std::optional<std::filesystem::path> mailAttachment;
};

// Writes the chosen files in the order text, comma-delimited, HTML, XML, each replacing its file whole; a
// file that fails does not stop the later ones. "Send as EMail" writes the text file (again) last.
ExportOutcome runExport(const GearList& rows, const Settings& settings, const ExportChoices& choices,
                        const SystemColors& systemColors);

} // namespace cairnly
