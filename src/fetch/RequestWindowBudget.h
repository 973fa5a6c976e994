#pragma once

#include "fetch/RequestBudget.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace tidewick {

class SettingsStore;

// The request budget as the program keeps it: the shared window in the
// settings file (its start and its count, which every copy of the program
// reads and writes under the budget lock) and the counters of the run in
// progress. Reading and writing the window is left to a caller that holds
// the lock; the calls that can fail throw AppError.
class RequestWindowBudget {
public:
    explicit RequestWindowBudget(SettingsStore &settings) : m_settings(settings) {}

    // Requests made in the window as this program last saw them, the run's
    // quota and queries, and the articles the test run in progress has
    // added.
    qint16 dailyRecs = 0;
    qint16 runQuota = 0;
    qint16 runQueries = 0;
    qint16 testArticleCount = 0;

    // --- At the start of a run, under the lock --------------------------------
    // Throws while the count cannot be stored at all.
    void requireStorable() const;
    qint16 readCount() const;
    QDateTime readStart() const;
    // A start far ahead of this clock is left as it is, and the window
    // counts as spent for this copy; throws AppError the first time, to say
    // why nothing is fetched.
    void keepWindowAheadOfClock(const QDateTime &start, const QDateTime &now);
    // What to do with the window, given the start read (none: unreadable).
    budget::WindowChange change(const std::optional<QDateTime> &start, const QDateTime &now);
    // Opens a window from `now` with `count` requests made.
    void open(const QDateTime &now, qint16 count);
    // Puts the stored window right: the last start read, and `count`.
    void repair(qint16 count);
    // Takes `count` as the window's, and remembers which window it is.
    void adopt(qint16 count);
    // A scheduled run's share: the window's budget left spread over the runs
    // the interval leaves in it. Throws when there is no interval.
    void share(std::optional<qint32> intervalSeconds, const QDateTime &now);

    // --- During a run ----------------------------------------------------------
    // Budget, quota and the test runs' limit all allow another query.
    bool allowsQuery(bool testRun) const;
    // Under the lock: counts one request and stores where the next run goes
    // on. False, with nothing counted, when the window's budget is used up.
    bool countRequest(qsizetype nextPosition);
    // The service refused: nothing more in this window.
    void markRefused();
    // Where the last run stopped in its list of queries.
    qsizetype storedPosition() const;
    // When the window last read ends (none read: null).
    QDateTime windowEnd() const;

private:
    QString windowStamp() const;

    SettingsStore &m_settings;
    // What names the stored window, and the last start read from it: a start
    // damaged later ends no window before this one would have ended.
    QString m_windowStamp;
    std::optional<QDateTime> m_lastReadStart;
    bool m_clockBehindSaid = false;
};

} // namespace tidewick
