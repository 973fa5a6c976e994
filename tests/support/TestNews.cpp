#include "TestNews.h"

#include "core/StartupTexts.h"
#include "fetch/HelperTools.h"

#include <QTimer>
#include <QtTest>

namespace tidewick::test {

TestNews::~TestNews()
{
    m_news.reset();
    deleteCurlFiles(globals);
    deleteAnsiFilter(globals);
}

// As the window's load does it: the helper programs found, the lists filled,
// the watch list restored.
NewsWatch &TestNews::create()
{
    m_news.reset();
    writeCurlFiles(globals);
    writeAnsiFilter(globals);
    m_news = std::make_unique<NewsWatch>(services, *this);
    m_news->setRestoring(true);
    watch().countries().append(codeListEntries(kCountryCodes));
    watch().categories().append(codeListEntries(kCategories));
    m_news->restoreWatchList();
    m_news->found().openHistory();
    watch().setIntervalRow(1);
    m_news->setRestoring(false);
    return *m_news;
}

void TestNews::tick(ReportListModel &list, const QString &text)
{
    const int row = int(list.texts().indexOf(text));
    QVERIFY2(row >= 0, qPrintable(text));
    list.setChecked(row, true);
}

void TestNews::announce(const QString &text, const QString &, qint32, std::function<void()> seen)
{
    shown.append(text);
    if (shown.size() == quitAtAnnouncement)
        return m_news->stop();
    QTimer::singleShot(0, std::move(seen));
}

} // namespace tidewick::test
