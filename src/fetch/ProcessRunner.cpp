#include "fetch/ProcessRunner.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace tidewick {

QProcessRunner::~QProcessRunner()
{
    stopAll();
}

void QProcessRunner::ShellAndWait(const QString &program, const QStringList &arguments, const OutputLimit &limit)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());

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
                process.kill();
        });
        sizeWatch.start(50);
    }

    process.start();
    if (process.state() == QProcess::NotRunning)
        return;
    m_running.append(&process);
    // A nested handler may stop the process (or end the whole program)
    // while we wait; either way the loop quits.
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    m_running.removeOne(&process);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(2000);
    }
}

void QProcessRunner::stopAll()
{
    for (QProcess *process : std::as_const(m_running)) {
        process->kill();
        process->waitForFinished(2000);
    }
}

} // namespace tidewick
