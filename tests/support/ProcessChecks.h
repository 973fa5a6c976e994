#pragma once

#include "TestPaths.h"
#include "fetch/ProcessRunner.h"

#include <QSignalSpy>
#include <QString>

namespace tidewick::test {

// True when the process no longer runs. A killed child that its parent has
// not reaped yet is a zombie: gone too.
inline bool processIsGone(qint64 pid)
{
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.isEmpty())
        return true;
    const qsizetype end = stat.lastIndexOf(')');
    return end > 0 && stat.mid(end + 2, 1) == "Z";
}

// Runs a program and waits for the runner to tell its end; false when that
// did not come within `ms`.
inline bool runToEnd(ProcessRunner &runner, const QString &program, const QStringList &arguments,
                     const OutputLimit &limit = {}, int ms = 20000)
{
    QSignalSpy ended(&runner, &ProcessRunner::finished);
    runner.start(program, arguments, limit);
    return ended.wait(ms);
}

} // namespace tidewick::test
