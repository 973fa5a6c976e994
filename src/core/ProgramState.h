#pragma once

#include <QString>
#include <QtGlobal>

namespace tidewick {

// Program-wide state that several parts of the program share. One instance
// lives as long as the program; a test creates its own fresh one.
struct ProgramState {
    // Fetch counters: requests in the current 12-hour window, the quota and
    // count of this run, whether this is a test run, and the articles that test
    // runs have added since the program started.
    qint16 dailyRecs = 0;
    qint16 runQuota = 0;
    qint16 runQueries = 0;
    bool testFetch = false;
    qint16 testArticleCount = 0;

    // Automatic fetching: the interval in seconds and the countdown's count.
    qint32 fetchIntervalSeconds = 0;
    qint32 elapsedSeconds = 0;

    // True while a minimise has hidden the window into the tray.
    bool hiddenInTray = false;

    // Helper programs (absolute paths) and their work files, which live in a
    // private folder of this run inside the temporary folder.
    QString curlCommand;
    QString messagePath;
    QString ansiFilterCommand;
    QString cleanPath;
    QString workFolder;
};

} // namespace tidewick
