#pragma once

#include "core/files/OverwriteGuard.h"
#include "core/list/GearList.h"
#include "core/model/Message.h"
#include "core/platform/DisplayLock.h"
#include "core/settings/PrintFont.h"
#include "core/settings/Settings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cairnly {

struct DataFileContents;

// What writing the list reports.
struct WriteReport
{
    std::vector<Message> messages; // failures and notices, in the order they arose
    bool listWritten = false;      // the data file itself was written
    bool failed = false;           // some file could not be written (a notice alone is no failure)
};

// One file a write puts out: its bytes, or why it may not be written.
struct PreparedFile
{
    std::filesystem::path path;
    std::string bytes;
    std::optional<std::string> refusal; // the system's text for a file that could not be read before
};

// A write of the list made ready on the window's thread, to be written on any: what Cairnly.ini (the
// current data file recorded), the settings file and the data file get, and what the user is told before
// each of them.
struct PreparedWrite
{
    std::vector<Message> beforeAppSettings;
    std::optional<PreparedFile> appSettings; // none when there is nothing to record
    std::vector<Message> beforeSettings;
    PreparedFile settings;
    std::vector<Message> beforeData;
    std::optional<PreparedFile> data; // none when the file may not be written over
};

// Writes the files in their order, each safely: the first two stay written when a later one fails. It
// touches nothing but the files, so any thread may run it.
WriteReport writePrepared(const PreparedWrite& prepared);

// The open document: one gear list, its settings, and the files they are read from and written to (the
// working file GearData.dat, the current data file named in the window title, the settings file beside
// each, and Cairnly.ini), with the two hide modes, which show a part of the list read from the working
// file. The list's own commands are called on list(); the document tells its listener whenever what the
// window shows beside the rows may have changed.
class GearDocument
{
public:
    // workingDirectory holds Cairnly.ini and the working file; currentDataFile is the file named in the
    // window title; settings are those start-up read.
    GearDocument(std::filesystem::path workingDirectory, std::filesystem::path currentDataFile, Settings settings);
    GearDocument(const GearDocument&) = delete;
    GearDocument& operator=(const GearDocument&) = delete;

    GearList& list() { return gearList; }
    const GearList& list() const { return gearList; }
    // The list changed, or a setting, a hide mode or the current file did: what the window shows may
    // differ, and so may what a write would put out.
    void setStatesListener(std::function<void()> listener);

    // The settings as the next write stores them: the list's units and columns included.
    Settings settings() const;
    const std::filesystem::path& currentDataFile() const { return dataFile; }
    // The settings file of the settings last loaded: GearData.ini in the working folder after start-up,
    // the file's own after Open and Save As (not after Save, and whatever the title names).
    const std::filesystem::path& settingsFile() const { return settingsPath; }
    std::filesystem::path workingDataFile() const;
    std::filesystem::path applicationSettingsFile() const;

    // The text a cell shows, read under the display lock.
    std::string cellText(int row, int column) const;
    ColorValue cellColor(int row, int column) const;

    // --- Files -------------------------------------------------------------------------------------
    // Lays out the list's columns from the settings (at start-up, before the working file is loaded).
    void applySettingsLayout();
    // Empties the rows and reads the working file under the hide modes.
    std::vector<Message> loadWorkingFile();
    // Records the current data file in Cairnly.ini, writes the settings file beside the target, then
    // the target (the working file when none is given). The first two stay done when the third fails.
    // Export paths the settings file cannot hold are left out of it and reported. A data file read only in
    // part is first kept whole beside it; one that could not be read is not written over.
    WriteReport write(const std::optional<std::filesystem::path>& target = std::nullopt);
    // The same write made ready, for another thread to put out (writePrepared).
    PreparedWrite prepareWrite(const std::optional<std::filesystem::path>& target = std::nullopt);
    // The files no report may be written over: the current data file, its settings file and Cairnly.ini.
    std::vector<std::filesystem::path> listFiles() const;
    // Open and a recent-file choice: the file is read before anything is emptied, so a file that is
    // missing or refused leaves everything as it was.
    std::vector<Message> openFile(const std::filesystem::path& file);
    std::optional<Message> saveRefusal() const;
    std::optional<Message> closeRefusal() const;
    // Save As once the name is chosen: a failed write leaves the list and the current data file alone.
    std::vector<Message> saveAs(const std::filesystem::path& file);
    // The two hide modes. Turning a mode on writes the working file first when the other mode is off;
    // if that fails the mode stays off and the list as it was.
    bool hideNonSelected() const { return gearList.hideModes().nonSelected; }
    bool hideSelected() const { return gearList.hideModes().selected; }
    std::vector<Message> setHideNonSelected(bool on);
    std::vector<Message> setHideSelected(bool on);

    // --- Settings ----------------------------------------------------------------------------------
    // The list colours; every row and the empty area are drawn again.
    void setListColors(ColorValue background, ColorValue alternate, ColorValue group);
    void setPrintOptions(bool totalEachCategory, bool showGrandTotal, bool printNotes);
    void setPrintFont(const PrintFont& font);
    // The Export dialog's OK: the paths and the notes flag reach the settings file at the next write.
    void setExportSettings(const std::array<std::filesystem::path, 4>& paths, bool includeNotes);
    void setWindowRect(const std::array<int32_t, 4>& rect) { storedSettings.coords = rect; }

private:
    std::vector<Message> guardAfterReading(const std::filesystem::path& file, const DataFileContents& contents);
    std::vector<Message> reloadFrom(const std::filesystem::path& file, DataFileContents contents);
    std::vector<Message> switchHideModes(HideModes modes);
    std::vector<Message> readWorkingFile(HideModes modes);
    std::optional<Message> hideRefusal(const char* action) const;
    void statesChanged();

    std::filesystem::path workingFolder;
    std::filesystem::path dataFile;
    std::filesystem::path settingsPath;
    Settings storedSettings; // the list's units and columns live in the list
    GearList gearList;
    OverwriteGuard overwriteGuard;
    mutable DisplayLock displayLock;
    std::function<void()> statesListener;
};

} // namespace cairnly
