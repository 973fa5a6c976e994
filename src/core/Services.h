#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace tidewick {

class Clock;
class Dialogs;
class ProcessRunner;
class SettingsStore;
class TrayBackend;
struct ProgramState;

// Everything the main window reaches outside itself. The program passes the
// real ones; a test passes fakes and its own folders.
struct Services {
    Dialogs *dialogs = nullptr;
    Clock *clock = nullptr;
    SettingsStore *settings = nullptr;
    ProcessRunner *runner = nullptr;
    TrayBackend *tray = nullptr;
    ProgramState *globals = nullptr;
    // The folder of the running program (optional skin and hand pointer),
    // the program itself, and the folder of the log-on autostart entries.
    QString programFolder;
    QString executablePath;
    QString autostartFolder;
    // The folder of the program's data: the history of what was found.
    QString dataFolder;
    // The news service, host and optional port as curl takes them.
    QString newsHost;
    // Why that address cannot be used, worded for the user; empty when it
    // can. Nothing is queried while there is a problem.
    QString newsHostProblem;
    // Opens an http or https link in the user's browser.
    std::function<bool(const QUrl &)> openLink;
    // The longest a query may take before curl gives up.
    int queryTimeLimitSeconds = 60;
    // Ends the program's event loop (the window has closed).
    std::function<void()> endProgram;
};

} // namespace tidewick
