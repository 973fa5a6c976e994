#pragma once

#include "core/ErrorReport.h"
#include "core/Services.h"

#include <QList>
#include <QSet>
#include <QString>

namespace tidewick {

class ReportListModel;
class WatchListModel;

// One query of the news service: a country prefix ("us." or empty), a
// keyword as keywordInPath gives it, and a category; each may be empty. The
// keyword as the user typed it goes along for the history.
struct NewsQuery {
    QString country;
    QString keyword;
    QString category;
    QString keywordText;

    bool operator==(const NewsQuery &) const = default;
};

// The walk over the watch list that gives a fetch run its queries: every
// ticked country (or none), every keyword (or none), every ticked category
// (or none), in that order, as the lists stand when it is made. A run then
// works on that list, whatever the user changes meanwhile.
//
// A keyword too long for one program argument is left out, named once a
// walk; ticked countries are left out when the news host is an address (a
// country cannot go in front of it), said once a program run.
class QueryWalk {
public:
    QueryWalk(const Services &services, ErrorReporter &reporter) : m_services(services), m_reporter(reporter) {}

    QList<NewsQuery> walk(const WatchListModel &watch);

private:
    void walkKeywords(const QString &country);
    void walkCategories(const QString &keywordText, const QString &country);
    bool keywordCanBeSent(const QString &keyword);
    bool countryCanBeSent();

    Services m_services;
    ErrorReporter &m_reporter;
    const ReportListModel *m_keywords = nullptr;
    const ReportListModel *m_categories = nullptr;
    QList<NewsQuery> m_queries;
    QSet<QString> m_toldTooLong;
    bool m_toldCountryHost = false;
};

} // namespace tidewick
