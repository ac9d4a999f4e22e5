#include "core/settings/Startup.h"

#include "core/model/Message.h"
#include "core/settings/SettingsStore.h"

#include <system_error>
#include <tuple>

namespace cairnly {
namespace {

void readRegistryColors(const LegacyRegistry& registry, Settings& settings)
{
    const std::unique_ptr<LegacyKey> key = registry.open();
    if (!key)
        return;
    const std::tuple<const char*, ColorValue*, ColorValue> colors[] = {
        {"BackColor", &settings.backColor, defaultBackColor},
        {"AltColor", &settings.altColor, defaultAltColor},
        {"GroupColor", &settings.groupColor, defaultGroupColor}};
    for (const auto& [name, color, fallback] : colors) {
        const std::optional<std::vector<uint8_t>> bytes = key->read(name, 4);
        if (!bytes || bytes->size() != 4)
            continue;
        const auto value = static_cast<ColorValue>(littleEndianInt32s(*bytes)[0]);
        *color = isBlackColor(value) ? fallback : value;
    }
}

// Why the folder cannot hold a settings file, in the system's words; nothing when it can.
std::optional<std::string> folderProblem(const std::filesystem::path& folder)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (std::filesystem::is_directory(status))
        return std::nullopt;
    if (status.type() == std::filesystem::file_type::not_found)
        return std::make_error_code(std::errc::no_such_file_or_directory).message();
    if (error)
        return error.message();
    return std::make_error_code(std::errc::not_a_directory).message();
}

} // namespace

StartupState startUp(const std::filesystem::path& currentDirectory, const LegacyRegistry& registry, int pixelsPerInch,
                     const UnitsQuestion& askUnits)
{
    StartupState state;
    state.appSettingsFile = currentDirectory / appSettingsFileName;
    const ProfileFile appSettings = ProfileFile::load(state.appSettingsFile);
    if (appSettings.loadError())
        state.messages.push_back(unableToOpen(state.appSettingsFile));
    state.lastFile = readLastFile(appSettings);
    if (!state.lastFile.empty()) {
        // Kept as recorded: a last file "trip.txt" stays the current data file, not "trip.dat".
        state.currentDataFile = currentDirectory / state.lastFile;
        state.startupSettingsFile = settingsFileFor(state.currentDataFile);
    } else {
        state.currentDataFile = currentDirectory / workingDataFileName;
        state.startupSettingsFile = currentDirectory / workingSettingsFileName;
    }
    std::error_code error;
    state.startupSettingsFileExisted = std::filesystem::exists(state.startupSettingsFile, error);
    // The last file's folder may be gone (a removed stick): then no settings file can be made for it, and
    // the import, with its one-time question, waits until the file can be reached again.
    const std::optional<std::string> unreachable = folderProblem(state.startupSettingsFile.parent_path());
    if (unreachable)
        state.messages.push_back(
            notice("The last data file " + pathText(state.currentDataFile) + " cannot be reached: " + *unreachable));

    state.settingsFile = currentDirectory / workingSettingsFileName;
    state.workingDataFile = currentDirectory / workingDataFileName;
    Settings& settings = state.settings;
    ProfileFile profile = ProfileFile::load(state.startupSettingsFile);
    if (profile.loadError() && state.startupSettingsFile != state.settingsFile)
        state.messages.push_back(unableToOpen(state.startupSettingsFile));
    if (state.startupSettingsFileExisted) {
        readListColors(profile, settings);
    } else {
        readRegistryColors(registry, settings);
        writeListColors(profile, settings);
    }

    settings.printFontSize = 10;
    settings.printFont = startupPrintFont(pixelsPerInch);
    settings.hasPrintFont = true;
    if (!state.startupSettingsFileExisted && !unreachable) {
        state.import = importLegacySettings(profile, settings, registry, pixelsPerInch, askUnits);
        state.importRan = true;
        for (const std::string& path : state.import.unrecordedPaths)
            state.messages.push_back(notice(unrecordablePathText(path)));
        // One write for the colours and the import together.
        if (std::optional<std::string> failure = profile.save(state.startupSettingsFile))
            state.messages.push_back(writeError(settingsWriteFailureText(state.startupSettingsFile, *failure)));
    }

    if (loadSettings(state.settingsFile, settings))
        state.messages.push_back(unableToOpen(state.settingsFile));
    return state;
}

} // namespace cairnly
