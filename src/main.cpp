#include "BuildConfig.h"
#include "app/Clock.h"
#include "app/Dialogs.h"
#include "app/Form1.h"
#include "app/Globals.h"
#include "app/SettingsStore.h"
#include "desktop/QtTrayBackend.h"
#include "desktop/mStartUp.h"
#include "fetch/ProcessRunner.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without any display Qt would abort with a message about platform plugins
// that tells a new user little; say plainly what is needed instead.
bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fputs("Tidewick is a desktop program and needs a graphical display, but none was found\n"
                   "(DISPLAY and WAYLAND_DISPLAY are not set).\n"
                   "Start it from your desktop session, or on a machine without one run it under a\n"
                   "virtual display:  xvfb-run -a tidewick\n",
                   stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tidewick"));
    QApplication::setOrganizationName(QStringLiteral("Kestrow"));
    QApplication::setApplicationVersion(QLatin1String(tidewick::build::kVersion));
    QApplication::setQuitOnLastWindowClosed(false);

    tidewick::QtDialogs dialogs;
    tidewick::SystemClock clock;
    tidewick::SettingsStore settings;
    tidewick::QProcessRunner runner;
    tidewick::Globals globals;
    tidewick::QtTrayBackend tray;

    tidewick::Services services;
    services.dialogs = &dialogs;
    services.clock = &clock;
    services.settings = &settings;
    services.runner = &runner;
    services.globals = &globals;
    services.tray = &tray;
    services.executablePath = QCoreApplication::applicationFilePath();
    services.autostartFolder = tidewick::autostartFolder();
    // Closing the window ends the program there and then, also when the close
    // arrived while a fetch was waiting for its helpers: nothing of the
    // interrupted work may go on.
    services.endProgram = [] {
        std::fflush(nullptr);
        std::_Exit(EXIT_SUCCESS);
    };
    services.programFolder = QCoreApplication::applicationDirPath();
    services.newsHost = QLatin1String(tidewick::build::kNewsHost);

    tidewick::Form1 window(services);
    dialogs.setParent(&window);
    window.Form_Load();
    window.showAfterLoad();
    return app.exec();
}
