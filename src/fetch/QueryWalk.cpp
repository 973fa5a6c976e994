#include "fetch/QueryWalk.h"

#include "core/Dialogs.h"
#include "core/KeywordLimits.h"
#include "core/ReportListModel.h"
#include "core/ValueConversion.h"
#include "fetch/NewsHost.h"
#include "fetch/RequestTarget.h"
#include "keywords/WatchListModel.h"

#include <utility>
#include <QCoreApplication>
#include <QLocale>

namespace tidewick {

namespace {
const QString kModule = QStringLiteral("IntervalSave");
// The numbered statements of the walk's three procedures, as error reports
// name them ("IntervalSave.FetchNewsNow", ".FetchKeys", ".FetchCats").
namespace countryWalk {
constexpr int kCount = 118, kEach = 120, kNone = 122;
}
namespace keywordWalk {
constexpr int kCount = 100, kEach = 102, kNone = 104;
}
namespace categoryWalk {
constexpr int kCount = 100, kEach = 102, kNone = 104;
}
const QString kTitle = QStringLiteral("Tidewick");

QString trimmedText(const ReportListModel &list, int row)
{
    return trimBlanks(list.text(row));
}

// A keyword named in a message: long ones are cut short.
QString shortened(const QString &keyword)
{
    constexpr qsizetype kShown = 40;
    return keyword.size() <= kShown ? keyword : keyword.left(kShown) + QChar(0x2026);
}
} // namespace

QList<NewsQuery> QueryWalk::walk(const WatchListModel &watch)
{
    Trap trap(m_reporter, kModule, QStringLiteral("FetchNewsNow"));
    const ReportListModel &countries = watch.countries();
    m_keywords = &watch.keywords();
    m_categories = &watch.categories();
    m_queries.clear();
    m_toldTooLong.clear();
    int count = 0;
    trap(countryWalk::kCount, [&] { count = countries.count(); });
    bool anyTicked = false;
    for (int row = 0; row < count; ++row) {
        trap(countryWalk::kEach, [&] {
            if (countries.isChecked(row)) {
                anyTicked = true;
                if (countryCanBeSent())
                    walkKeywords(trimmedText(countries, row) + QLatin1Char('.'));
            }
        });
    }
    if (!anyTicked)
        trap(countryWalk::kNone, [&] { walkKeywords(QString()); });
    return std::exchange(m_queries, {});
}

void QueryWalk::walkKeywords(const QString &country)
{
    Trap trap(m_reporter, kModule, QStringLiteral("FetchKeys"));
    int count = 0;
    trap(keywordWalk::kCount, [&] { count = m_keywords->count(); });
    for (int row = 0; row < count; ++row) {
        trap(keywordWalk::kEach, [&] {
            const QString keyword = trimmedText(*m_keywords, row);
            if (keywordCanBeSent(keyword))
                walkCategories(keyword, country);
        });
    }
    if (count == 0)
        trap(keywordWalk::kNone, [&] { walkCategories(QString(), country); });
}

void QueryWalk::walkCategories(const QString &keywordText, const QString &country)
{
    const QString keyword = keywordText.isEmpty() ? QString() : keywordInPath(keywordText);
    Trap trap(m_reporter, kModule, QStringLiteral("FetchCats"));
    int count = 0;
    trap(categoryWalk::kCount, [&] { count = m_categories->count(); });
    bool anyTicked = false;
    for (int row = 0; row < count; ++row) {
        trap(categoryWalk::kEach, [&] {
            if (m_categories->isChecked(row)) {
                anyTicked = true;
                m_queries.append({country, keyword, trimmedText(*m_categories, row), keywordText});
            }
        });
    }
    if (!anyTicked)
        trap(categoryWalk::kNone, [&] { m_queries.append({country, keyword, QString(), keywordText}); });
}

// A keyword too long for one program argument cannot be sent; it is skipped
// uncounted and named once a walk.
bool QueryWalk::keywordCanBeSent(const QString &keyword)
{
    if (keywordFitsInQuery(keyword))
        return true;
    if (!m_toldTooLong.contains(keyword)) {
        m_toldTooLong.insert(keyword);
        m_services.dialogs->showMessage(kTitle,
                                        QCoreApplication::translate("Tidewick", "The keyword \"%1\" is longer than %2 characters and cannot "
                                                       "be sent to the news service. It was skipped.")
                                            .arg(shortened(keyword), QLocale().toString(kLongestKeyword)),
                                        MessageIcon::None);
    }
    return false;
}

// A country goes in front of the host's name ("us.news.example"); in front
// of an address it makes a name that nothing answers to.
bool QueryWalk::countryCanBeSent()
{
    if (!newsHostIsAddress(m_services.newsHost))
        return true;
    if (!std::exchange(m_toldCountryHost, true)) {
        m_services.dialogs->showMessage(kTitle,
                                        QCoreApplication::translate("Tidewick", "The news service is given by its address (%1), and a country "
                                                       "cannot be put in front of an address: the ticked countries "
                                                       "are not queried. Give the service by its host name, or "
                                                       "untick the countries.")
                                            .arg(m_services.newsHost),
                                        MessageIcon::None);
    }
    return false;
}

} // namespace tidewick
