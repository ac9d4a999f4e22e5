#pragma once

#include "settings/LegacyRegistry.h"
#include "settings/RecentFiles.h"

#include <filesystem>
#include <memory>

class DialogRunner;
class Prompts;
class TSDIDecFrame;
class TVelder99DlgClient;

// The application: the recent-files list over Cairnly.ini and the one main window, started in the
// order the settings and the lists need.
class TVelder99App
{
public:
    // currentDirectory holds Cairnly.ini and the working file; the program never changes directory.
    TVelder99App(const std::filesystem::path& currentDirectory, Prompts& prompts, DialogRunner& runner,
                 const cairnly::LegacyRegistry& registry);
    ~TVelder99App();
    TVelder99App(const TVelder99App&) = delete;
    TVelder99App& operator=(const TVelder99App&) = delete;

    TSDIDecFrame& frame() const { return *mainFrame; }
    TVelder99DlgClient& client() const;
    cairnly::RecentFiles& recentFiles() { return recent; }

    // Shows the main window where it was last placed and starts following its size.
    void show();

private:
    cairnly::RecentFiles recent;
    std::unique_ptr<TSDIDecFrame> mainFrame;
};
