#include "app/RealServices.h"

#include "BuildConfig.h"
#include "app/MainWindow.h"
#include "app/NewsServiceChoice.h"
#include "desktop/AutostartEntry.h"

#include <QApplication>
#include <QDesktopServices>
#include <QStandardPaths>

namespace tidewick {

RealServices::RealServices(const QString &configFolder, const std::optional<QString> &newsHost)
    : m_settings(configFolder), m_statusNotifier(m_tray, QDBusConnection::sessionBus()),
      m_notifications(m_statusNotifier, QDBusConnection::sessionBus()),
      m_termination([this] { endAsAClose(); })
{
    m_services.dialogs = &m_dialogs;
    m_services.clock = &m_clock;
    m_services.settings = &m_settings;
    m_services.runner = &m_runner;
    m_services.globals = &m_globals;
    m_services.tray = &m_notifications;
    m_services.programFolder = QCoreApplication::applicationDirPath();
    m_services.executablePath = QCoreApplication::applicationFilePath();
    m_services.autostartFolder = autostartFolder();
    m_services.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const NewsServiceChoice newsService = chooseNewsService(newsHost, m_settings, QLatin1String(build::kNewsHost));
    m_services.newsHost = newsService.host;
    m_services.newsHostProblem = newsService.problem;
    m_services.openLink = [](const QUrl &link) { return QDesktopServices::openUrl(link); };
    m_services.endProgram = [] { endEventLoop(); };
}

void RealServices::setMainWindow(MainWindow *window)
{
    m_window = window;
}

// A request to end from outside (log-out, kill) ends the program as a close
// of the window does, work folder and tray icon included.
void RealServices::endAsAClose()
{
    if (m_window)
        m_window->onCloseRequested();
    endEventLoop();
}

// QCoreApplication::quit() asks every window first and gives up when one
// declines (a box that is up): the end of the program is not a question.
void RealServices::endEventLoop()
{
    QCoreApplication::exit(0);
}

} // namespace tidewick
