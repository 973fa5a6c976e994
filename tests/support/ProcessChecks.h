#pragma once

#include "TestPaths.h"

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

} // namespace tidewick::test
