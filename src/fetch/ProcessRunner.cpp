#include "fetch/ProcessRunner.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <csignal>
#include <unistd.h>

namespace tidewick {

namespace {

// Ends the program and everything it started, then reaps it.
void stopGroup(QProcess &process)
{
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
    process.kill();
    process.waitForFinished(2000);
}

bool endedWell(const QProcess &process)
{
    return process.state() == QProcess::NotRunning && process.error() != QProcess::FailedToStart
        && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

QProcessRunner::~QProcessRunner()
{
    stopAll();
}

void QProcessRunner::runAndWait(const QString &program, const QStringList &arguments, const OutputLimit &limit)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    // Its own process group, so that stopping it reaches its children too.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });

    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });

    // Some limits a program cannot keep by itself (curl cannot cap an answer
    // whose length is not announced): look at the file now and then.
    QTimer sizeWatch;
    if (limit.maxBytes > 0) {
        QObject::connect(&sizeWatch, &QTimer::timeout, &process, [&] {
            if (QFileInfo(limit.path).size() > limit.maxBytes)
                stopGroup(process);
        });
        sizeWatch.start(50);
    }
    // A helper that ignores its own time limit (or hangs before reading it)
    // must not hold the fetch for ever.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &process, [&] { stopGroup(process); });

    const auto discardHalfOutput = [&] {
        if (!limit.path.isEmpty() && !endedWell(process))
            QFile::remove(limit.path);
    };

    process.start();
    if (process.state() == QProcess::NotRunning) {
        discardHalfOutput();
        return;
    }
    if (timeLimit() > 0)
        deadline.start(timeLimit() * 1000);
    m_running.append(&process);
    // A nested handler may stop the process (or end the whole program)
    // while we wait; either way the loop quits.
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    m_running.removeOne(&process);
    if (process.state() != QProcess::NotRunning)
        stopGroup(process);
    discardHalfOutput();
}

void QProcessRunner::stopAll()
{
    for (QProcess *process : std::as_const(m_running))
        stopGroup(*process);
}

} // namespace tidewick
