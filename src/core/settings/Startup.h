#pragma once

#include "core/model/Message.h"
#include "core/platform/LegacyRegistry.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsImport.h"

#include <filesystem>
#include <string>
#include <vector>

namespace cairnly {

// What the main window needs from the settings at start-up.
struct StartupState
{
    std::filesystem::path appSettingsFile; // Cairnly.ini in the current directory
    std::filesystem::path lastFile;        // as recorded in Cairnly.ini; empty when none is
    // The data file named in the title: the last file (a relative one taken from the current directory),
    // or GearData.dat in the current directory.
    std::filesystem::path currentDataFile;
    std::filesystem::path startupSettingsFile; // the settings file of the last file, or GearData.ini
    bool startupSettingsFileExisted = false;
    bool importRan = false;
    ImportOutcome import;
    std::filesystem::path settingsFile;    // GearData.ini in the current directory: the settings in use
    std::filesystem::path workingDataFile; // GearData.dat in the current directory, to be read next
    Settings settings;
    // What to show, in order: settings files that are there but cannot be read, a last file that cannot
    // be reached, paths kept out of the new settings file, and a settings file that could not be written.
    std::vector<Message> messages;
};

// Start-up in its order: the last file from Cairnly.ini, that file's settings file and whether it
// exists, the list colours read from it or else from the legacy registry key and written to it, the
// start-up printing font, the settings import into a settings file that did not exist (asking for the
// units when the registry has no choice), and then the settings of the working data file loaded over
// all of it.
StartupState startUp(const std::filesystem::path& currentDirectory, const LegacyRegistry& registry, int pixelsPerInch,
                     const UnitsQuestion& askUnits);

} // namespace cairnly
