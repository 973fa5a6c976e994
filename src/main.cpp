#include "BuildConfig.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/RealServices.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "core/Translation.h"
#include "desktop/CompositorFrames.h"
#include "ui/QtDialogs.h"
#include "core/ApplicationId.h"

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

// Another copy holds the program's name but does not answer (it hangs, or
// something else took the name): starting a second one would go behind its
// back, and ending quietly would leave the user wondering.
int tellRunningCopyDoesNotAnswer()
{
    const QString text = QCoreApplication::translate(
        "Tidewick", "Tidewick is already running but does not answer. If it has stopped responding, end it (for "
                    "example in the system monitor) and start Tidewick again.");
    std::fprintf(stderr, "Tidewick: %s\n", qPrintable(text));
    // The program ends with the box, or with the session that takes it away.
    tidewick::TerminationSignals ending(tidewick::RealServices::endEventLoop);
    tidewick::QtDialogs().showMessage(QStringLiteral("Tidewick"), text, tidewick::MessageIcon::Exclamation,
                                      tidewick::RealServices::endEventLoop);
    QApplication::exec();
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char *argv[])
{
    const tidewick::CommandLine commandLine = tidewick::parseCommandLine(argc, argv);
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;

    if (!hasDisplay()) {
        std::fputs("Tidewick is a desktop program and needs a graphical display, but none was found\n"
                   "(DISPLAY and WAYLAND_DISPLAY are not set).\n"
                   "Start it from your desktop session, or on a machine without one run it under a\n"
                   "virtual display:  xvfb-run -a tidewick\n",
                   stderr);
        return EXIT_FAILURE;
    }

    // Before the QApplication, which takes the X11 startup id away.
    const QVariantMap launch = tidewick::SingleInstance::launchPlatformData();
    QApplication app(argc, argv);
    // Also the window's class on X11 (WM_CLASS: the program's file name, then
    // this), which the desktop entry names as its StartupWMClass.
    QApplication::setApplicationName(QStringLiteral("Tidewick"));
    QApplication::setOrganizationName(QStringLiteral("Kestrow"));
    // Lets Wayland docks and task switchers match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(tidewick::kApplicationId);
    QApplication::setApplicationVersion(QLatin1String(tidewick::build::kVersion));
    QApplication::setQuitOnLastWindowClosed(false);
    tidewick::installTranslation(app);

    tidewick::SingleInstance instance;
    switch (instance.handOverToRunningCopy(launch)) {
    case tidewick::SingleInstance::Start::HandedOver:
        return EXIT_SUCCESS;
    case tidewick::SingleInstance::Start::NoAnswer:
        return tellRunningCopyDoesNotAnswer();
    case tidewick::SingleInstance::Start::First:
        break;
    }
    tidewick::RealServices outside(QString(), commandLine.newsHost);
    tidewick::MainWindow window(outside.services());
    outside.setMainWindow(&window);
    // Where the desktop draws no frames, the window has its own title bar
    // and its boxes inside it.
    const bool framesOfItsOwn = !tidewick::compositorDrawsFrames();
    if (framesOfItsOwn)
        window.drawOwnTitleBar();
    outside.setDialogParent(&window, [&window] { window.bringToFront(); }, framesOfItsOwn);
    QObject::connect(&window, &tidewick::MainWindow::loaded, &window, &tidewick::MainWindow::showAfterLoad);
    window.startUp();
    instance.onActivate([&window](const tidewick::SingleInstance::Request &request) {
        if (request.laterStart)
            window.onStartedAgain(request.activationToken);
        else
            window.bringToFront(request.activationToken);
    });
    return app.exec();
}
