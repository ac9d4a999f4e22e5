#include "Startup.h"

#include "SettingsStore.h"

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

} // namespace

StartupState startUp(const std::filesystem::path& currentDirectory, const LegacyRegistry& registry, int pixelsPerInch,
                     const UnitsQuestion& askUnits)
{
    StartupState state;
    state.appSettingsFile = currentDirectory / appSettingsFileName;
    state.lastFile = readLastFile(state.appSettingsFile);
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

    Settings& settings = state.settings;
    ProfileFile profile = ProfileFile::load(state.startupSettingsFile);
    if (state.startupSettingsFileExisted) {
        readListColors(profile, settings);
    } else {
        readRegistryColors(registry, settings);
        writeListColors(profile, settings);
    }

    settings.printFontSize = 10;
    settings.printFont = startupPrintFont(pixelsPerInch);
    settings.hasPrintFont = true;
    if (!state.startupSettingsFileExisted) {
        state.import = importLegacySettings(profile, settings, registry, pixelsPerInch, askUnits);
        state.importRan = true;
        for (const std::string& path : state.import.unrecordedPaths)
            state.messages.push_back(unrecordablePathText(path));
        // One write for the colours and the import together.
        if (std::optional<std::string> failure = profile.save(state.startupSettingsFile))
            state.messages.push_back(std::move(*failure));
    }

    state.settingsFile = currentDirectory / workingSettingsFileName;
    state.workingDataFile = currentDirectory / workingDataFileName;
    loadSettings(state.settingsFile, settings);
    return state;
}

} // namespace cairnly
