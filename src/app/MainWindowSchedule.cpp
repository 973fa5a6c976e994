#include "app/MainWindow.h"

#include "keywords/WatchListModel.h"
#include "schedule/Countdown.h"
#include "schedule/FetchScheduler.h"
#include "schedule/NewsWatch.h"
#include "ui/ReportList.h"
#include "ui/ScreenReaderNotice.h"

#include <QGroupBox>
#include <QHideEvent>
#include <QItemSelectionModel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <utility>

namespace tidewick {

// The buttons and the interval list go to the scheduler; the window shows
// what it signals: the switch, the countdown, a test fetch's busy pointer and
// the end of an automatic run.
void MainWindow::connectScheduleHandlers()
{
    FetchScheduler &scheduler = m_news->scheduler();
    WatchListModel &watch = m_news->watch();
    connect(automaticFetchButton, &QPushButton::clicked, &scheduler, &FetchScheduler::toggleAutomatic);
    connect(testFetchButton, &QPushButton::clicked, &scheduler, &FetchScheduler::testFetch);
    // The toggle offers the opposite of the state.
    connect(&watch, &WatchListModel::automaticOnChanged, this, [this](bool on) {
        automaticFetchButton->setText(on ? tr("&Turn Off Automatic News Fetch") : tr("&Turn On Automatic News Fetch"));
    });
    connect(&scheduler, &FetchScheduler::countdownChanged, this, &MainWindow::showCountdown);
    connect(&scheduler, &FetchScheduler::busyChanged, this, &MainWindow::setBusy);
    // An automatic run adds its rows without a box: a screen reader is told
    // of its end as it hears a test fetch's "Done.".
    auto *notice = new ScreenReaderNotice(m_canvas);
    connect(&scheduler, &FetchScheduler::automaticRunEnded, notice, [notice](qsizetype articles) {
        notice->say(tr("Automatic news fetch done: %Ln article(s) listed.", nullptr, int(articles)));
    });
    // The list shows the watch list's choice; a choice made with the mouse or
    // the keyboard goes to the scheduler.
    connect(&watch, &WatchListModel::intervalChanged, this, [this] {
        const std::optional<int> row = m_news->watch().intervalRow();
        if (row && *row != intervalList->selectedRow())
            intervalList->selectRow(*row);
        else if (!row)
            intervalList->clearSelection();
    });
    connect(intervalList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty())
                    m_news->scheduler().chooseInterval(selected.indexes().constFirst().row());
            });
}

void MainWindow::showCountdown()
{
    const FetchScheduler::Countdown countdown = m_news->scheduler().countdown();
    QString said;
    switch (countdown.state) {
    case FetchScheduler::Countdown::State::Off:
        said = tr("Automatic news fetch is Off.");
        break;
    case FetchScheduler::Countdown::State::NoInterval:
        said = tr("Choose how often to fetch the news.");
        break;
    case FetchScheduler::Countdown::State::Counting:
        countdownBar->setMaximum(countdown.intervalSeconds);
        countdownBar->setValue(countdown.elapsedSeconds);
        said = tr("Next news fetch will occur in %1")
                   .arg(secondsToHms(countdown.intervalSeconds - countdown.elapsedSeconds));
        break;
    }
    countdownGroup->setTitle(said);
    // The bar says it too, for a screen reader that looks at the bar.
    countdownBar->setAccessibleDescription(said);
}

// The countdown is worth a look every second only while it can be seen.
void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_news->scheduler().setCountdownShown(true);
    followScreenOnce();
}

// What earlier runs found comes into the list once the window has been
// painted: a long history holds up no start.
void MainWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!std::exchange(m_painted, true))
        QTimer::singleShot(0, &m_news->found(), &FoundArticles::showEarlierArticles);
}

void MainWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_news->scheduler().setCountdownShown(false);
}

} // namespace tidewick
