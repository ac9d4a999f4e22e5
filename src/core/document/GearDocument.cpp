#include "core/document/GearDocument.h"

#include "core/files/AtomicFile.h"
#include "core/files/DataFile.h"
#include "core/settings/SettingsStore.h"

namespace fs = std::filesystem;

namespace cairnly {

GearDocument::GearDocument(fs::path workingDirectory, fs::path currentDataFile, Settings settings)
    : workingFolder(std::move(workingDirectory)), dataFile(std::move(currentDataFile)),
      settingsPath(workingFolder / workingSettingsFileName), storedSettings(std::move(settings))
{
    gearList.setDisplayLock(&displayLock);
    gearList.loadColumns(storedSettings);
    gearList.setChangeListener([this] { statesChanged(); });
}

void GearDocument::setStatesListener(std::function<void()> listener)
{
    statesListener = std::move(listener);
}

void GearDocument::statesChanged()
{
    if (statesListener)
        statesListener();
}

Settings GearDocument::settings() const
{
    Settings settings = storedSettings;
    gearList.storeColumns(settings);
    return settings;
}

fs::path GearDocument::workingDataFile() const
{
    return workingFolder / workingDataFileName;
}

fs::path GearDocument::applicationSettingsFile() const
{
    return workingFolder / appSettingsFileName;
}

std::string GearDocument::cellText(int row, int column) const
{
    DisplayLock::Hold hold(displayLock);
    return gearList.cellText(row, column);
}

ColorValue GearDocument::cellColor(int row, int column) const
{
    if (column == 1 && gearList.kind(row) != RowKind::Item)
        return storedSettings.groupColor;
    return row % 2 == 0 ? storedSettings.altColor : storedSettings.backColor;
}

// --- Files ----------------------------------------------------------------------------------------

// The reader's messages, and what its outcome means for a later write over the file, which the list
// then stands for.
std::vector<Message> GearDocument::guardAfterReading(const fs::path& file, const DataFileContents& contents)
{
    std::vector<Message> messages = contents.messages;
    switch (contents.outcome) {
    case DataFileContents::Outcome::Unreadable:
        overwriteGuard.neverOverwrite(file, contents.readError);
        break;
    case DataFileContents::Outcome::Refused:
        messages.push_back(overwriteGuard.keepBeforeOverwriting(file, std::nullopt));
        break;
    case DataFileContents::Outcome::Read:
        if (contents.damaged)
            messages.push_back(overwriteGuard.keepBeforeOverwriting(file, contents.records.size()));
        else
            overwriteGuard.readWhole(file);
        break;
    case DataFileContents::Outcome::Missing:
        break;
    }
    return messages;
}

void GearDocument::applySettingsLayout()
{
    gearList.loadColumns(storedSettings);
}

std::vector<Message> GearDocument::loadWorkingFile()
{
    return readWorkingFile(gearList.hideModes());
}

std::vector<Message> GearDocument::readWorkingFile(HideModes modes)
{
    const fs::path file = workingDataFile();
    DataFileContents contents = readDataFile(file);
    std::vector<Message> messages = guardAfterReading(file, contents);
    gearList.load(std::move(contents), modes);
    return messages;
}

WriteReport writePrepared(const PreparedWrite& prepared)
{
    WriteReport report;
    auto fail = [&report](Message message) {
        report.messages.push_back(std::move(message));
        report.failed = true;
    };
    auto put = [](const PreparedFile& file) {
        return file.refusal ? file.refusal : writeFileAtomically(file.path, file.bytes);
    };
    report.messages = prepared.beforeAppSettings;
    if (prepared.appSettings) {
        if (const auto error = put(*prepared.appSettings))
            fail(writeError(settingsWriteFailureText(prepared.appSettings->path, *error)));
    }
    report.messages.insert(report.messages.end(), prepared.beforeSettings.begin(), prepared.beforeSettings.end());
    if (const auto error = put(prepared.settings))
        fail(writeError(settingsWriteFailureText(prepared.settings.path, *error)));
    report.messages.insert(report.messages.end(), prepared.beforeData.begin(), prepared.beforeData.end());
    if (!prepared.data) {
        report.failed = true;
        return report;
    }
    if (const auto error = put(*prepared.data)) {
        fail(writeError(*error));
        return report;
    }
    report.listWritten = true;
    return report;
}

WriteReport GearDocument::write(const std::optional<fs::path>& target)
{
    return writePrepared(prepareWrite(target));
}

PreparedWrite GearDocument::prepareWrite(const std::optional<fs::path>& target)
{
    auto prepared = [](const fs::path& path, const ProfileFile& profile) {
        return PreparedFile{path, profile.loadError() ? std::string() : profile.serialize(), profile.loadError()};
    };
    PreparedWrite write;
    const fs::path appSettingsFile = applicationSettingsFile();
    if (!pathToProfileText(dataFile))
        write.beforeAppSettings.push_back(notice(unrecordablePathText(pathText(dataFile))));
    if (const std::optional<ProfileFile> recorded = withLastFile(appSettingsFile, dataFile))
        write.appSettings = prepared(appSettingsFile, *recorded);

    const fs::path file = target ? *target : workingDataFile();
    gearList.storeColumns(storedSettings);
    const fs::path settingsFile = settingsFileFor(file);
    ProfileFile settings = ProfileFile::load(settingsFile);
    std::vector<std::string> unrecordedPaths;
    writeSettings(settings, storedSettings, &unrecordedPaths, standardPixelsPerInch);
    for (const std::string& path : unrecordedPaths)
        write.beforeSettings.push_back(notice(unrecordablePathText(path)));
    write.settings = prepared(settingsFile, settings);

    if (overwriteGuard.beforeWrite(file, write.beforeData))
        write.data = PreparedFile{file, formatDataFile(gearList.categories(), gearList.topLevelRecords()), {}};
    return write;
}

std::vector<fs::path> GearDocument::listFiles() const
{
    return {dataFile, settingsFileFor(dataFile), applicationSettingsFile()};
}

std::optional<Message> GearDocument::saveRefusal() const
{
    return gearList.changeRefusal("saving");
}

std::optional<Message> GearDocument::closeRefusal() const
{
    return gearList.changeRefusal("closing");
}

std::vector<Message> GearDocument::reloadFrom(const fs::path& file, DataFileContents contents)
{
    dataFile = file;
    settingsPath = settingsFileFor(file);
    std::vector<Message> messages;
    if (loadSettings(settingsPath, storedSettings))
        messages.push_back(unableToOpen(settingsPath));
    gearList.loadColumns(storedSettings);
    for (Message& message : guardAfterReading(file, contents))
        messages.push_back(std::move(message));
    gearList.load(std::move(contents), gearList.hideModes());
    statesChanged();
    return messages;
}

std::vector<Message> GearDocument::openFile(const fs::path& file)
{
    if (auto refused = gearList.changeRefusal("opening a file"))
        return {*refused};
    std::error_code ec;
    if (!fs::exists(file, ec))
        return {Message{pathText(file), "File Does Not Exist!", MessageIcon::Exclamation, MessageButtons::Ok}};
    DataFileContents contents = readDataFile(file);
    if (contents.outcome == DataFileContents::Outcome::Missing)
        return {Message{pathText(file), "File Does Not Exist!", MessageIcon::Exclamation, MessageButtons::Ok}};
    if (contents.outcome != DataFileContents::Outcome::Read)
        return contents.messages;
    return reloadFrom(file, std::move(contents));
}

std::vector<Message> GearDocument::saveAs(const fs::path& file)
{
    if (auto refused = saveRefusal())
        return {*refused};
    const fs::path previous = dataFile;
    dataFile = file;
    WriteReport report = write(file);
    if (!report.listWritten) {
        dataFile = previous;
        return std::move(report.messages);
    }
    for (Message& message : reloadFrom(file, readDataFile(file)))
        report.messages.push_back(std::move(message));
    return std::move(report.messages);
}

std::vector<Message> GearDocument::switchHideModes(HideModes modes)
{
    const HideModes before = gearList.hideModes();
    if (modes == before)
        return {};
    std::vector<Message> messages;
    // Turning the first mode on writes the whole list to the working file, which the modes read from;
    // turning the last one off brings the whole list back as the file holds it.
    if (!before.any()) {
        WriteReport report = write();
        messages = std::move(report.messages);
        if (!report.listWritten)
            return messages;
    }
    if (!modes.any()) {
        gearList.showWhole();
        return messages;
    }
    const fs::path file = workingDataFile();
    DataFileContents contents = readDataFile(file);
    for (Message& message : guardAfterReading(file, contents))
        messages.push_back(std::move(message));
    gearList.showPart(std::move(contents), modes);
    return messages;
}

std::vector<Message> GearDocument::setHideNonSelected(bool on)
{
    HideModes modes = gearList.hideModes();
    modes.nonSelected = on;
    return switchHideModes(modes);
}

std::vector<Message> GearDocument::setHideSelected(bool on)
{
    HideModes modes = gearList.hideModes();
    modes.selected = on;
    return switchHideModes(modes);
}

// --- Settings -------------------------------------------------------------------------------------

void GearDocument::setListColors(ColorValue background, ColorValue alternate, ColorValue group)
{
    storedSettings.backColor = background;
    storedSettings.altColor = alternate;
    storedSettings.groupColor = group;
    statesChanged(); // every row and the empty area below them are drawn again
}

void GearDocument::setPrintOptions(bool totalEachCategory, bool showGrandTotal, bool printNotes)
{
    storedSettings.totalCategories = totalEachCategory;
    storedSettings.showGrandTotal = showGrandTotal;
    storedSettings.printNotes = printNotes;
    statesChanged();
}

void GearDocument::setPrintFont(const PrintFont& font)
{
    storedSettings.printFont = font.description;
    storedSettings.printFontSize = font.size;
    storedSettings.hasPrintFont = true;
    statesChanged();
}

void GearDocument::setExportSettings(const std::array<fs::path, 4>& paths, bool includeNotes)
{
    storedSettings.exportPaths = paths;
    storedSettings.exportNotes = includeNotes;
    statesChanged();
}

} // namespace cairnly
