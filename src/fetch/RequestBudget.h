#pragma once

#include <QDateTime>

namespace tidewick {

// The news service allows about 50 requests in 12 hours. A window opens with
// the first run after the last one ended; its requests are shared out over
// the runs the chosen interval leaves in it.
namespace budget {

inline constexpr int kWindowHours = 12;
inline constexpr int kRequestsPerWindow = 50;
inline constexpr qint16 kTestRunQuota = 2;
// Marks a window in which the service refused further requests.
inline constexpr qint16 kRefusedMark = 101;

// Whole hours between the two moments, both cut down to the full hour, taken
// without sign: a window that began at 10:30 ends at 22:00. A start 12 or
// more hours in the future ends the window too (the clock was set back).
bool windowHasEnded(const QDateTime &windowStart, const QDateTime &now);

// Queries a scheduled run may make. `secondsLeft` are the seconds between the
// window's end and now, without sign. Halves round to even; the result never
// exceeds what is left of the window's budget. Throws AppError when the
// interval is 0.
qint16 runQuota(qint16 dailyRecs, qint64 secondsLeft, qint32 intervalSeconds);

// The requests a stored count stands for. A count below zero (a damaged or
// hand-edited settings file) would widen the window's budget beyond 51, so it
// stands for none made, as in a fresh window.
inline qint16 requestsMade(qint16 storedCount)
{
    return storedCount < 0 ? qint16(0) : storedCount;
}

// The budget left in the window, which also caps a quota.
inline qint16 budgetLeft(qint16 dailyRecs)
{
    return qint16(kRequestsPerWindow - dailyRecs);
}

} // namespace budget
} // namespace tidewick
