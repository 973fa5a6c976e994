#pragma once

#include "TestNews.h"

#include <QStringList>

namespace tidewick::test {

// The news watch with its queries going with the real curl and ansifilter
// to the local news service on `port`, giving up on a query after a few
// seconds.
struct ServiceQuery : TestNews {
    explicit ServiceQuery(int port, int queryTimeLimitSeconds = 3);

    // A test fetch ("News Fetch Now (Test)"): at most three queries.
    void testRun();
    // A scheduled run; the 24-hour interval lets it use the whole budget.
    void scheduledRun();

    QStringList rows();
    QString dailyRecs();
    bool workFolderEmpty();
};

} // namespace tidewick::test
