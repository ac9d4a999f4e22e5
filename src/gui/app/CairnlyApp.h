#pragma once

#include "core/document/GearDocument.h"
#include "core/platform/LegacyRegistry.h"
#include "core/settings/RecentFiles.h"

#include <filesystem>
#include <functional>
#include <memory>

class Desktop;
class DialogRunner;
class Prompts;
class MainWindow;
class MainPanel;
class TerminationSignals;

// The application: the recent-files list over Cairnly.ini, the open document and the one main window,
// started in the order the settings and the lists need. The document outlives the window that shows it.
class CairnlyApp
{
public:
    // currentDirectory holds Cairnly.ini and the working file; the program never changes directory.
    CairnlyApp(const std::filesystem::path& currentDirectory, Prompts& prompts, DialogRunner& runner, Desktop& desktop,
               const cairnly::LegacyRegistry& registry);
    ~CairnlyApp();
    CairnlyApp(const CairnlyApp&) = delete;
    CairnlyApp& operator=(const CairnlyApp&) = delete;

    MainWindow& mainWindow() const { return *window; }
    MainPanel& mainPanel() const;
    cairnly::GearDocument& document() const { return *gearDocument; }
    cairnly::RecentFiles& recentFiles() { return recent; }

    // Shows the main window where it was last placed and starts following its size.
    void show();
    // From now on SIGTERM, SIGHUP and SIGINT end the program as a close does, with no question asked,
    // then quit it.
    void endOnSignals(std::function<void()> quit);

private:
    cairnly::RecentFiles recent;
    std::unique_ptr<cairnly::GearDocument> gearDocument;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TerminationSignals> endingSignals;
};
