#pragma once

#include "core/ArticleAnnouncer.h"
#include "core/ErrorReport.h"
#include "core/Services.h"

#include <QSet>
#include <QString>
#include <functional>

namespace tidewick {

class ReportList;

// One fetch run over the ticked countries, every keyword and the ticked
// categories, and the single query of the news service behind each
// combination. Each article found is announced, then added to the results.
class FetchRun {
public:
    // The window's lists that a run reads, and the results list it fills.
    struct Lists {
        ReportList *countries = nullptr;
        ReportList *keywords = nullptr;
        ReportList *categories = nullptr;
        // The interval chosen in the window, in seconds; throws when none is.
        std::function<qint32()> intervalSeconds;
        ReportList *results = nullptr;
    };

    FetchRun(const Services &services, ErrorReporter &reporter, ArticleAnnouncer &announcer, Lists lists);

    // One whole run. Returns false, doing nothing at all, when another run is
    // still in progress (it was started from an event handled during that
    // run): two runs would share the counters and the work files.
    bool fetchNewsNow();
    void fetchKeywords(const QString &country);
    void fetchCategories(const QString &keyword, const QString &country);
    // One query for a country prefix ("us." or empty), a keyword with its
    // blanks already turned into "+", and a category; each may be empty.
    void addNews(const QString &country, const QString &keyword, const QString &category);

    bool isRunning() const { return m_running; }
    // After this no query starts any more (the program is ending).
    void stop() { m_stopped = true; }
    // Ends the run in progress before its next query or article; the next
    // run starts as usual (automatic fetching was turned off).
    void cancel() { m_cancelled = m_running; }

private:
    bool halted() const { return m_stopped || m_cancelled; }
    bool keywordCanBeSent(const QString &keyword);
    bool gateIsOpen() const;
    void countRequest();
    void addArticle(const QString &article);
    void writeDailyRecs();

    Services m_services;
    ErrorReporter &m_reporter;
    ArticleAnnouncer &m_announcer;
    Lists m_lists;
    bool m_running = false;
    bool m_stopped = false;
    bool m_cancelled = false;
    // Keywords too long to send that this run has already named.
    QSet<QString> m_toldTooLong;
};

// The most articles taken from one answer: each is shown for seconds, and a
// service listing thousands would keep a run going for hours.
inline constexpr qsizetype kMostArticlesPerAnswer = 100;

} // namespace tidewick
