#pragma once

#include "core/Clock.h"
#include "ui/QtDialogs.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/SettingsStore.h"
#include "app/TerminationSignals.h"
#include "desktop/NotificationTrayBackend.h"
#include "desktop/QtTrayBackend.h"
#include "desktop/StatusNotifierTrayBackend.h"
#include "fetch/ProcessRunner.h"

#include <QPointer>
#include <optional>

namespace tidewick {

class MainWindow;

// The real outside world of the program, owned in one place: the dialogs,
// the clock, the settings store, the helper runner, the tray and the
// program-wide state. Create it after the QApplication.
class RealServices {
public:
    // `configFolder`: where the settings live (the user's folder when empty);
    // `newsHost`: the command line's choice of news service, if any.
    explicit RealServices(const QString &configFolder = QString(),
                          const std::optional<QString> &newsHost = std::nullopt);

    const Services &services() const { return m_services; }
    // Message boxes and file dialogs are centred on the main window, which
    // `bringBack` shows first when it is out of sight.
    void setDialogParent(QWidget *window, std::function<void()> bringBack, bool insideWindow = false)
    {
        m_dialogs.setParent(window, std::move(bringBack));
        m_dialogs.showInsideWindow(insideWindow);
    }

    // The window that a request to end from outside closes.
    void setMainWindow(MainWindow *window);
    // Ends the event loop, and with it the program, at once.
    static void endEventLoop();

private:
    void endAsAClose();

    QPointer<MainWindow> m_window;
    QtDialogs m_dialogs;
    SystemClock m_clock;
    SettingsStore m_settings;
    QProcessRunner m_runner;
    ProgramState m_globals;
    QtTrayBackend m_tray;
    StatusNotifierTrayBackend m_statusNotifier;
    NotificationTrayBackend m_notifications;
    Services m_services;
    TerminationSignals m_termination;
};

} // namespace tidewick
