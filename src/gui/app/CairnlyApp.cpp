#include "gui/app/CairnlyApp.h"

#include "core/settings/Startup.h"
#include "gui/app/MainPanel.h"
#include "gui/app/MainWindow.h"
#include "gui/app/TerminationSignals.h"
#include "gui/dialogs/WeightUnitsDialog.h"
#include "gui/support/DialogRunner.h"
#include "gui/support/Icons.h"
#include "gui/support/Prompts.h"

#include <QApplication>
#include <QScreen>

namespace {

int screenPixelsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

// The stored placement, when it has one and it lies on a screen.
std::optional<QRect> storedPlacement(const std::array<int32_t, 4>& coords)
{
    if (coords[2] == 0 || coords[3] == 0)
        return std::nullopt;
    const QRect rect(QPoint(coords[0], coords[1]), QPoint(coords[2] - 1, coords[3] - 1));
    if (rect.width() < 1 || rect.height() < 1)
        return std::nullopt;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(rect))
            return rect;
    }
    return std::nullopt;
}

} // namespace

CairnlyApp::CairnlyApp(const std::filesystem::path& currentDirectory, Prompts& prompts, DialogRunner& runner,
                       Desktop& desktop, const cairnly::LegacyRegistry& registry)
    : recent(currentDirectory / "Cairnly.ini")
{
    // Every window has the program's icon, the units dialog of a first start too.
    QApplication::setWindowIcon(cairnlyIcon("cairnly"));
    recent.load();
    const cairnly::StartupState startup =
        cairnly::startUp(currentDirectory, registry, screenPixelsPerInch(), [&runner]() -> std::optional<bool> {
            WeightUnitsDialog dialog;
            if (runner.run(dialog) != QDialog::Accepted)
                return std::nullopt;
            return dialog.metricChosen();
        });
    gearDocument = std::make_unique<cairnly::GearDocument>(startup.appSettingsFile.parent_path(),
                                                           startup.currentDataFile, startup.settings);
    window = std::make_unique<MainWindow>(*gearDocument, prompts, runner, desktop, recent);
    prompts.showAll(window.get(), startup.messages);
    window->loadWorkingList();
    // A logout writes the list as a close does, with no question asked; the session then ends the program.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window.get(), [this] { window->saveUnattended(); });
    if (const auto placement = storedPlacement(gearDocument->settings().coords))
        window->setGeometry(*placement);
}

CairnlyApp::~CairnlyApp() = default;

void CairnlyApp::endOnSignals(std::function<void()> quit)
{
    endingSignals = std::make_unique<TerminationSignals>();
    QObject::connect(endingSignals.get(), &TerminationSignals::received, window.get(), [this, quit] {
        window->saveUnattended();
        quit();
    });
}

MainPanel& CairnlyApp::mainPanel() const
{
    return *window->mainPanel();
}

void CairnlyApp::show()
{
    window->show();
    // The columns follow the window's size only from here: the placement above must not widen them.
    window->startTrackingResizes();
}
