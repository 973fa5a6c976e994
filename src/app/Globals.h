#pragma once

#include <QString>
#include <QtGlobal>

namespace tidewick {

// Program-wide state that several parts of the program share. One instance
// lives as long as the program; a test creates its own fresh one.
struct Globals {
    // Fetch counters: requests in the current 12-hour window, the quota and
    // count of this run, whether this is a test run, and the articles that test
    // runs have added since the program started.
    qint16 DailyRecs = 0;
    qint16 RunQuota = 0;
    qint16 RunQueries = 0;
    bool TestFetch = false;
    qint16 TestArticleCount = 0;

    // Automatic fetching: the interval in seconds and the countdown's count.
    qint32 FetchIntervalSeconds = 0;
    qint32 ElapsedSeconds = 0;

    // True while a minimise has hidden the window into the tray.
    bool HiddenInTray = false;

    // Helper programs (absolute paths) and their work files, which live in a
    // private folder of this run inside the temporary folder.
    QString CurlCommand;
    QString MessagePath;
    QString AnsiFilterCommand;
    QString CleanPath;
    QString WorkFolder;
};

} // namespace tidewick
