#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "core/ReportList.h"
#include "schedule/Countdown.h"

#include <utility>

namespace tidewick {

// Runs take turns: a countdown that comes due during the start-up fetch is
// served when that fetch has ended, counted by the same budget.
void MainWindow::fetchNews(FetchRun::Kind kind, std::function<void()> afterwards)
{
    m_waitingRuns.append({kind, std::move(afterwards)});
    if (!m_news->isRunning() && !m_afterRun)
        startNextRun();
}

void MainWindow::startNextRun()
{
    while (!m_waitingRuns.isEmpty()) {
        WaitingRun next = m_waitingRuns.takeFirst();
        // An unusable news service address: nothing is queried at all.
        if (m_services.newsHostProblem.isEmpty()) {
            const QList<NewsQuery> queries = m_walk->walk(*countryList, *keywordList, *categoryList);
            std::optional<qint32> interval;
            if (intervalList->selectedRow() >= 0)
                interval = intervalSeconds(*intervalList);
            m_afterRun = next.afterwards ? std::move(next.afterwards) : [] {};
            if (m_news->start(next.kind, queries, interval))
                return;
            next.afterwards = std::exchange(m_afterRun, {});
        }
        if (next.afterwards)
            next.afterwards();
    }
}

void MainWindow::onRunFinished()
{
    if (const auto afterwards = std::exchange(m_afterRun, {}))
        afterwards();
    startNextRun();
}

void MainWindow::tellNewsServiceProblem()
{
    m_services.dialogs->showMessage(appTitle(), m_services.newsHostProblem, MessageIcon::Exclamation);
}

} // namespace tidewick
