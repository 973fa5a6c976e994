#pragma once

#include "core/ArticleAnnouncer.h"
#include "core/ErrorReport.h"
#include "core/Services.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <functional>

namespace tidewick {

class ReportList;

// One fetch run over the ticked countries, every keyword and the ticked
// categories, and the single query of the news service behind each
// combination. Each article found is announced, then added to the results.
//
// The run first lists the combinations as the lists stand when it starts,
// then queries them in that order, beginning where the previous run (of any
// copy of the program) stopped and going round, so that a share too small
// for all of them still reaches every one in turn.
//
// The request budget lives in the settings file that every copy shares: each
// request is decided and counted under a lock there, so copies that do not
// see each other still keep within it together.
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
    // The walks that list the combinations of one country, and of one
    // country and keyword.
    void fetchKeywords(const QString &country);
    void fetchCategories(const QString &keyword, const QString &country);
    // One query for a country prefix ("us." or empty), a keyword as
    // keywordInPath gives it, and a category; each may be empty. False when
    // the budget, the run's share or the test limit let it make none.
    bool addNews(const QString &country, const QString &keyword, const QString &category);

    bool isRunning() const { return m_running; }
    // After this no query starts any more (the program is ending).
    void stop() { m_stopped = true; }
    // Ends the run in progress before its next query or article; the next
    // run starts as usual (automatic fetching was turned off).
    void cancel() { m_cancelled = m_running; }

private:
    struct Combination {
        QString country;
        QString keyword;
        QString category;
    };

    bool halted() const { return m_stopped || m_cancelled; }
    void openBudgetWindow(Trap &trap, QDateTime &windowStart);
    bool countryCanBeSent();
    void queryInTurn();
    bool keywordCanBeSent(const QString &keyword);
    bool gateIsOpen() const;
    bool countRequest();
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
    // Whether the user was told that the news host takes no country.
    bool m_toldCountryHost = false;
    // The combinations of the run in progress, and where the next run is to
    // go on once the current query is counted.
    QList<Combination> m_combinations;
    qsizetype m_nextPosition = 0;
    // The stored start of the window the counts belong to.
    QString m_windowStamp;
};

// The most articles taken from one answer: each is shown for seconds, and a
// service listing thousands would keep a run going for hours.
inline constexpr qsizetype kMostArticlesPerAnswer = 100;

} // namespace tidewick
