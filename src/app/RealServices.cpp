#include "app/RealServices.h"

#include "BuildConfig.h"
#include "app/MainWindow.h"
#include "app/NewsServiceChoice.h"
#include "desktop/AutostartEntry.h"

#include <QApplication>
#include <QDesktopServices>

namespace tidewick {

namespace {
// Ends the program as a close of the window does, work folder and tray icon
// included; without a window there is nothing to tidy.
void closeMainWindows()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<MainWindow *>(widget))
            form->onCloseRequested();
    }
    QCoreApplication::quit();
}
} // namespace

RealServices::RealServices(const QString &configFolder, const std::optional<QString> &newsHost)
    : m_settings(configFolder), m_statusNotifier(m_tray, QDBusConnection::sessionBus()),
      m_notifications(m_statusNotifier, QDBusConnection::sessionBus()),
      m_termination(closeMainWindows)
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
    const NewsServiceChoice newsService = chooseNewsService(newsHost, m_settings, QLatin1String(build::kNewsHost));
    m_services.newsHost = newsService.host;
    m_services.newsHostProblem = newsService.problem;
    m_services.openLink = [](const QUrl &link) { return QDesktopServices::openUrl(link); };
    m_services.endProgram = [] { QCoreApplication::quit(); };
}

} // namespace tidewick
