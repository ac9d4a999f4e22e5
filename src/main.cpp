#include "gui/app/CairnlyApp.h"
#include "gui/support/Icons.h"
#include "gui/support/QtDesktop.h"
#include "gui/support/QtPrompts.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

// Without a display Qt would abort with a message about plugins; say plainly what is missing.
bool displayMissing()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return !value || !*value;
    };
    return unset("QT_QPA_PLATFORM") && unset("DISPLAY") && unset("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    if (displayMissing()) {
        std::fputs("Cairnly needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are not "
                   "set).\nStart it from a desktop session, or on a server under a virtual display: "
                   "xvfb-run cairnly\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cairnly"));
    // Lets a Wayland desktop match the window to its installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Cairnly"));
    initIcons();
    QtPrompts prompts;
    QtDialogRunner runner;
    QtDesktop desktop;
    cairnly::SystemLegacyRegistry registry;
    CairnlyApp cairnly(std::filesystem::current_path(), prompts, runner, desktop, registry);
    cairnly.show();
    cairnly.endOnSignals([] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
