#pragma once

#include "core/ErrorReport.h"
#include "core/Notices.h"
#include "core/ReportListModel.h"
#include "core/Services.h"
#include "fetch/FetchRun.h"
#include "keywords/WatchListModel.h"
#include "results/FoundArticles.h"
#include "schedule/FetchScheduler.h"

#include <QObject>
#include <QTimer>

namespace tidewick {

class ArticleAnnouncer;

// Everything the program does with the news, without a window: what the user
// watches, the fetch runs and the countdown that starts them, what was found
// (the list and its history), and the program's messages and error reports.
// The window shows it and forwards the user's actions; a test drives it on
// its own.
class NewsWatch : public QObject {
    Q_OBJECT

public:
    NewsWatch(const Services &services, ArticleAnnouncer &announcer, QObject *parent = nullptr);

    const Services &services() const { return m_services; }
    ErrorReporter &reporter() { return m_reporter; }
    Notices &notices() { return m_notices; }
    WatchListModel &watch() { return m_watch; }
    // The articles found, in the order they were.
    ReportListModel &results() { return m_found.list(); }
    FoundArticles &found() { return m_found; }
    FetchRun &run() { return m_run; }
    FetchScheduler &scheduler() { return m_scheduler; }

    // While the start-up restores the watch list and the options, changes
    // are nobody's choice: nothing is saved or stored.
    void setRestoring(bool restoring) { m_restoring = restoring; }
    bool restoring() const { return m_restoring; }
    // The watch list kept between runs: restored at start-up (before a
    // start-up fetch); every change after that is saved, several at once
    // (the sample keywords, an import of many files) in one save.
    void restoreWatchList();
    // Saves a change not yet saved at once (the program is ending).
    void saveWatchListNow();
    // Forgets the articles announced so far, and says how that went.
    void forgetSeenArticles() { m_found.forgetAnnounced(); }
    // The program is ending: nothing more is queried, shown or started.
    void stop();

private:
    void saveWatchList();

    Services m_services;
    ErrorReporter m_reporter;
    Notices m_notices;
    WatchListModel m_watch;
    FoundArticles m_found;
    FetchRun m_run;
    FetchScheduler m_scheduler;
    QTimer m_watchListSave;
    bool m_restoring = false;
    // The watch list's path holds what must not be replaced (no regular file,
    // or a damaged file that could not be moved aside): nothing is saved.
    bool m_watchListKeptAsIs = false;
};

} // namespace tidewick
