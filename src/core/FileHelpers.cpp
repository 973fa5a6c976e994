#include "core/FileHelpers.h"

#include "core/Clock.h"

#include <QFile>
#include <QFileInfo>

namespace tidewick {

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).lastModified().isValid();
}

void deleteFileSafe(const QString &path)
{
    pumpEvents();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (file.remove() || !file.exists())
        return;
    // A read-only file: make it writable and try once more.
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    file.remove();
}

void waitSeconds(Clock &clock, int seconds)
{
    if (seconds > 0)
        clock.pumpFor(qint64(seconds) * 1000);
}

} // namespace tidewick
