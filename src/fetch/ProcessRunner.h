#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

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

// Runs helper programs, one at a time. The program gets its arguments as a
// list, never through a shell, so keywords with blanks, quotes or tabs
// arrive intact. Nothing waits: `finished` tells when it is over.
class ProcessRunner : public QObject {
    Q_OBJECT

public:
    // Starts the program. `finished` follows once it has ended, was stopped
    // or could not be started at all, always from the event loop, never from
    // within this call.
    virtual void start(const QString &program, const QStringList &arguments, const OutputLimit &limit = {}) = 0;
    // True while a program started here is still running.
    virtual bool isRunning() const = 0;
    // Stops the program still running (the window is closing).
    virtual void stopAll() = 0;
    // A program still running after this many seconds is stopped, whatever
    // it was told about time (0: no limit).
    void setTimeLimit(int seconds) { m_timeLimitSeconds = seconds; }
    int timeLimit() const { return m_timeLimitSeconds; }

signals:
    void finished();

private:
    int m_timeLimitSeconds = 0;
};

// The real runner on QProcess. Each program runs in a process group of its
// own, and stopping it ends the whole group: a helper that is a script leaves
// none of its children behind.
class QProcessRunner final : public ProcessRunner {
    Q_OBJECT

public:
    QProcessRunner();
    ~QProcessRunner() override;
    void start(const QString &program, const QStringList &arguments, const OutputLimit &limit = {}) override;
    bool isRunning() const override;
    void stopAll() override;

private:
    void watchOutput();
    void onEnded(const QProcess *process);

    std::unique_ptr<QProcess> m_process;
    OutputLimit m_limit;
    QTimer m_sizeWatch;
    QTimer m_deadline;
};

} // namespace tidewick
