#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "ui/ReportList.h"
#include "schedule/FetchScheduler.h"

namespace tidewick {

void MainWindow::fetchNews(FetchKind kind, std::function<void()> afterwards)
{
    m_scheduler->requestRun(kind, std::move(afterwards));
}

bool MainWindow::isFetching() const
{
    return m_scheduler->isFetching();
}

// A run of the lists as they stand now; with an unusable news service
// address nothing is queried at all.
bool MainWindow::startRun(FetchKind kind)
{
    if (!m_services.newsHostProblem.isEmpty())
        return false;
    const QList<NewsQuery> queries = m_walk->walk(countryList->rows(), keywordList->rows(), categoryList->rows());
    return m_news->start(kind, queries, m_scheduler->interval());
}

void MainWindow::tellNewsServiceProblem()
{
    showNotice(m_services.newsHostProblem, MessageIcon::Exclamation);
}

} // namespace tidewick
