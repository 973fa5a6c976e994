#include "schedule/NewsWatch.h"

#include "core/KeywordLimits.h"
#include "core/SettingsStore.h"
#include "core/StartupTexts.h"
#include "keywords/WatchListFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace tidewick {

NewsWatch::NewsWatch(const Services &services, ArticleAnnouncer &announcer, QObject *parent)
    : QObject(parent), m_services(services), m_reporter(*services.dialogs),
      m_notices(*services.dialogs, applicationTitle(kProductName)),
      m_found(services, m_notices), m_run(services, m_reporter, announcer, m_found.history()),
      m_scheduler(services, m_reporter, m_notices, m_watch, m_run)
{
    connect(&m_run, &FetchRun::articleFound, &m_found, &FoundArticles::add);
    m_watchListSave.setSingleShot(true);
    m_watchListSave.setInterval(0);
    connect(&m_watchListSave, &QTimer::timeout, this, &NewsWatch::saveWatchList);
    connect(&m_watch, &WatchListModel::listsChanged, this, [this] {
        if (!m_restoring)
            m_watchListSave.start();
    });
    connect(&m_watch, &WatchListModel::announceOnlyNewChanged, this, [this](bool on) {
        m_run.setAnnounceOnlyNew(on);
        if (!m_restoring)
            Trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("CheckOnlyNew_Click"))(0, [&] {
                m_services.settings->write(SettingKeys::AnnounceOnlyNew, on ? kOn : kOff);
            });
    });
}

// A file that cannot be used is said once; the lists then start empty. The
// next change writes a sound file in its place, unless something that must
// not be replaced is still there.
void NewsWatch::restoreWatchList()
{
    const WatchListFile file = WatchListFile::besideSettings(m_services.settings->filePath());
    WatchList list;
    qsizetype leftOut = 0;
    try {
        list = file.load(&leftOut);
    } catch (const AppError &error) {
        m_watchListKeptAsIs = QFileInfo::exists(file.path());
        m_notices.show(error.description(), MessageIcon::Exclamation);
        return;
    }
    if (leftOut > 0) {
        m_notices.show(QCoreApplication::translate(
                           "MainWindow", "%Ln keyword(s) of the watch list %1 were left out: a keyword holds more "
                                         "than blanks, no line break or text-direction control, and is at most %2 "
                                         "characters long.", nullptr, int(leftOut))
                           .arg(QDir::toNativeSeparators(file.path()), QLocale().toString(kLongestKeyword)));
    }
    m_watch.restore(list);
}

// A failed save is said, and the lists keep everything they hold.
void NewsWatch::saveWatchList()
{
    if (m_watchListKeptAsIs)
        return;
    try {
        WatchListFile::besideSettings(m_services.settings->filePath()).save(m_watch.watched());
    } catch (const AppError &error) {
        m_notices.show(error.description(), MessageIcon::Exclamation);
    }
}

void NewsWatch::saveWatchListNow()
{
    if (m_watchListSave.isActive()) {
        m_watchListSave.stop();
        saveWatchList();
    }
}

void NewsWatch::stop()
{
    m_scheduler.stop();
    m_run.stop();
    saveWatchListNow();
}

} // namespace tidewick
