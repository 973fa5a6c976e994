#pragma once

#include <QDateTime>
#include <optional>

namespace tidewick {

class SettingsStore;

// The news service allows about 50 requests in 12 hours. A window opens with
// the first run after the last one ended; its requests are shared out over
// the runs the chosen interval leaves in it.
namespace budget {

inline constexpr int kWindowHours = 12;
inline constexpr int kRequestsPerWindow = 50;
inline constexpr qint16 kTestRunQuota = 2;
// Marks a window in which the service refused further requests.
inline constexpr qint16 kRefusedMark = 101;

// A count that stands for a window whose budget is spent: nothing more is
// queried in it.
inline constexpr qint16 kSpentMark = kRequestsPerWindow + 1;
// A stored start further ahead than this was written by no clock of this
// user's (copies in the farthest time zones are 26 hours apart).
inline constexpr int kFarthestAheadHours = kWindowHours + 26;

// Whole hours from the window's start to now, both cut down to the full hour
// (in UTC, so that copies in every time zone agree): a window that began at
// 10:30 ends at 22:00. A start that lies ahead (the clock was set back, or
// another copy's clock is ahead) never ends the window.
bool windowHasEnded(const QDateTime &windowStart, const QDateTime &now);

// The stored start of the window: the UTC key where it is there, otherwise
// "StartDate" (this machine's local time). Throws AppError when it cannot be
// read.
QDateTime readWindowStart(const SettingsStore &settings);
// Further ahead of `now` than another copy's clock could have put it: this
// clock is behind (a dead clock battery before the time is set), and the
// window stands as it is.
bool liesFarAhead(const QDateTime &windowStart, const QDateTime &now);
// When a window that began at `windowStart` ends.
QDateTime windowEnd(const QDateTime &windowStart);
// The stored count of requests. Throws AppError when it is no 16-bit whole
// number or below zero: such a count cannot say how much is left.
qint16 readRequestCount(const SettingsStore &settings);
// Stores a new window, its start in both forms and its count, in one write.
void writeWindow(SettingsStore &settings, const QDateTime &start, qint16 count);

// What the start of a run does with the stored window.
enum class WindowChange {
    Keep,      // go on counting in it
    OpenNew,   // it has ended: a fresh window from now
    OpenSpent, // its start is unreadable and nothing says when it ends: a
               // window from now whose budget counts as spent
};
// `storedStart` is empty when it cannot be read; `lastReadStart` is the last
// start this program read, which then says when the window ends.
WindowChange windowChange(const std::optional<QDateTime> &storedStart, const std::optional<QDateTime> &lastReadStart,
                          const QDateTime &now);

// Queries a scheduled run may make. `secondsLeft` are the seconds between the
// window's end and now, without sign. Halves round to even; the result never
// exceeds what is left of the window's budget. Throws AppError when the
// interval is 0.
qint16 runQuota(qint16 dailyRecs, qint64 secondsLeft, qint32 intervalSeconds);

// The budget left in the window, which also caps a quota.
inline qint16 budgetLeft(qint16 dailyRecs)
{
    return qint16(kRequestsPerWindow - dailyRecs);
}

} // namespace budget
} // namespace tidewick
