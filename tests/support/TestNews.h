#pragma once

#include "TestSeams.h"
#include "core/ArticleAnnouncer.h"
#include "schedule/NewsWatch.h"

#include <memory>

namespace tidewick::test {

// The news watch without a window, on test seams, with an announcer that
// writes down what it is shown and lets each announcement be seen on the
// next turn of the event loop. The lists hold the countries and categories
// a window offers.
class TestNews : public TestSeams, public ArticleAnnouncer {
public:
    TestNews() = default;
    ~TestNews() override;

    // Builds the news watch (after the seams are set up, the runner above
    // all); the interval is the first start's ("Fetch every 1 hour").
    NewsWatch &create();
    NewsWatch &news() { return *m_news; }
    WatchListModel &watch() { return m_news->watch(); }
    FetchScheduler &scheduler() { return m_news->scheduler(); }

    // A fetch run, waited for; false when it did not end within `ms`.
    bool fetch(FetchKind kind, int ms = 30000) { return runAndWait(scheduler(), kind, ms); }
    // Ticks the named country or category.
    void tick(ReportListModel &list, const QString &text);

    void announce(const QString &text, const QString &title, qint32 seconds, std::function<void()> seen) override;
    QStringList shown;
    // The program ends while this announcement is up (1 for the first).
    qsizetype quitAtAnnouncement = 0;

private:
    std::unique_ptr<NewsWatch> m_news;
};

} // namespace tidewick::test
