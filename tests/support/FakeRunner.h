#pragma once

#include "fetch/ProcessRunner.h"

#include <QByteArray>
#include <QList>

namespace tidewick::test {

// Stands in for curl and ansifilter: records every run and "answers" by
// writing files, then ends on the next turn of the event loop, so the fetch
// logic can be tested without any process. A test that holds the runs ends
// each itself (finishRun), acting in between as if during the query.
class FakeRunner final : public ProcessRunner {
    Q_OBJECT

public:
    struct Run {
        QString program;
        QStringList arguments;
    };

    void start(const QString &program, const QStringList &arguments, const OutputLimit &limit = {}) override;
    bool isRunning() const override { return m_running; }
    void stopAll() override;

    // Ends the run in progress.
    void finishRun();

    // The curl runs' request targets, in order.
    QStringList targets() const;

    QList<Run> runs;
    int stopped = 0;
    // The cleaned listing every query "receives"; empty: no answer at all.
    QByteArray listing;
    // While true, a run goes on until finishRun() or stopAll().
    bool holdRuns = false;

private:
    bool m_running = false;
};

} // namespace tidewick::test
