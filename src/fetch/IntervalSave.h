#pragma once

#include "app/ErrorReport.h"
#include "app/Services.h"

#include <QString>

namespace tidewick {

class ReportList;
class cSysTray;

// One fetch run over the ticked countries, every keyword and the ticked
// categories, and the single query of the news service behind each
// combination. (The name is the one error reports have always carried.)
class IntervalSave {
public:
    // The window's lists that a run reads, and the results list it fills.
    struct Lists {
        ReportList *countries = nullptr;
        ReportList *keywords = nullptr;
        ReportList *categories = nullptr;
        ReportList *intervals = nullptr;
        ReportList *results = nullptr;
    };

    IntervalSave(const Services &services, ErrorReporter &reporter, cSysTray &tray, Lists lists);

    // One whole run. Returns false, doing nothing at all, when another run is
    // still in progress (it was started from an event handled during that
    // run): two runs would share the counters and the work files.
    bool FetchNewsNow();
    void FetchKeys(const QString &country);
    void FetchCats(const QString &keyword, const QString &country);
    // One query for a country prefix ("us." or empty), a keyword with its
    // blanks already turned into "+", and a category; each may be empty.
    void AddNews(const QString &country, const QString &keyword, const QString &category);

    bool isRunning() const { return m_running; }
    // After this no query starts any more (the program is ending).
    void stop() { m_stopped = true; }

private:
    bool gateIsOpen() const;
    void countRequest();
    void addArticle(const QString &article);
    void writeDailyRecs();

    Services m_services;
    ErrorReporter &m_reporter;
    cSysTray &m_tray;
    Lists m_lists;
    bool m_running = false;
    bool m_stopped = false;
};

} // namespace tidewick
