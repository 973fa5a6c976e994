#pragma once

#include "fetch/ProcessRunner.h"

#include <QByteArray>
#include <QList>
#include <functional>

namespace tidewick::test {

// Stands in for curl and ansifilter: records every run and "answers" by
// writing files, so the fetch logic can be tested without any process.
class FakeRunner final : public ProcessRunner {
public:
    struct Run {
        QString program;
        QStringList arguments;
    };

    void runAndWait(const QString &program, const QStringList &arguments, const OutputLimit &limit = {}) override;
    bool isRunning() const override { return m_depth > 0; }
    void stopAll() override { ++stopped; }

    // The curl runs' request targets, in order.
    QStringList targets() const;

    QList<Run> runs;
    int stopped = 0;
    // The cleaned listing every query "receives"; empty: no answer at all.
    QByteArray listing;
    // Called during each run, as if events were handled while it waited.
    std::function<void()> whileRunning;

private:
    int m_depth = 0;
};

} // namespace tidewick::test
