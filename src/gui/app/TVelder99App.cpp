#include "TVelder99App.h"

#include "app/DialogRunner.h"
#include "app/Prompts.h"
#include "app/TSDIDecFrame.h"
#include "app/TVelder99DlgClient.h"
#include "dialogs/TWeightDisplayDialg.h"
#include "settings/Startup.h"

#include <QGuiApplication>
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

TVelder99App::TVelder99App(const std::filesystem::path& currentDirectory, Prompts& prompts, DialogRunner& runner,
                           const cairnly::LegacyRegistry& registry)
    : recent(currentDirectory / "Cairnly.ini")
{
    recent.load();
    const cairnly::StartupState startup =
        cairnly::startUp(currentDirectory, registry, screenPixelsPerInch(), [&runner]() -> std::optional<bool> {
            TWeightDisplayDialg dialog;
            if (runner.run(dialog) != QDialog::Accepted)
                return std::nullopt;
            return dialog.metricChosen();
        });
    auto* client = new TVelder99DlgClient(startup, prompts, runner, recent);
    mainFrame = std::make_unique<TSDIDecFrame>(client, recent);
    for (const std::string& text : startup.messages)
        prompts.show(mainFrame.get(), cairnly::Message{text, cairnly::applicationName,
                                                       cairnly::MessageIcon::Exclamation, cairnly::MessageButtons::Ok});
    client->loadWorkingList();
    if (const auto placement = storedPlacement(client->gearRows().settings().coords))
        mainFrame->setGeometry(*placement);
}

TVelder99App::~TVelder99App() = default;

TVelder99DlgClient& TVelder99App::client() const
{
    return *mainFrame->client();
}

void TVelder99App::show()
{
    mainFrame->show();
    // The columns follow the window's size only from here: the placement above must not widen them.
    client().startTrackingResizes();
}
