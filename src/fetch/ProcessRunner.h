#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QProcess;

namespace tidewick {

// A file the program writes. It must not grow past a size: the program is
// stopped as soon as it does. A program that does not end well (stopped,
// killed, or an exit status other than 0) leaves no file there: half an
// answer is no answer.
struct OutputLimit {
    QString path;
    qint64 maxBytes = 0; // 0: no limit
};

// Runs helper programs. The program gets its arguments as a list, never
// through a shell, so keywords with blanks, quotes or tabs arrive intact.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;

    // Starts the program and returns when it has ended, handling window
    // events meanwhile. Returns at once when the program cannot be started.
    virtual void runAndWait(const QString &program, const QStringList &arguments,
                              const OutputLimit &limit = {}) = 0;
    // True while a program started here is still running.
    virtual bool isRunning() const = 0;
    // Stops every program still running (the window is closing).
    virtual void stopAll() = 0;
    // A program still running after this many seconds is stopped, whatever
    // it was told about time (0: no limit).
    virtual void setTimeLimit(int seconds) { m_timeLimitSeconds = seconds; }
    int timeLimit() const { return m_timeLimitSeconds; }

private:
    int m_timeLimitSeconds = 0;
};

// The real runner on QProcess: waits in a local event loop on the process's
// own signals, so input is never held up by a sleep. Each program runs in a
// process group of its own, and stopping it ends the whole group: a helper
// that is a script leaves none of its children behind.
class QProcessRunner final : public ProcessRunner {
public:
    ~QProcessRunner() override;
    void runAndWait(const QString &program, const QStringList &arguments,
                      const OutputLimit &limit = {}) override;
    bool isRunning() const override { return !m_running.isEmpty(); }
    void stopAll() override;

private:
    QList<QProcess *> m_running;
};

} // namespace tidewick
