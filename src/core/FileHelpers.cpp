#include "core/FileHelpers.h"


#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tidewick {

bool fileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).lastModified().isValid();
}

void deleteFileSafe(const QString &path)
{
    if (path.isEmpty())
        return;
    QFile file(path);
    if (file.remove() || !file.exists())
        return;
    // A read-only file: make it writable and try once more.
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    file.remove();
}

QString asideName(const QString &path)
{
    for (int attempt = 1; attempt < 100; ++attempt) {
        const QString aside = path + QStringLiteral(".broken") + (attempt > 1 ? QString::number(attempt) : QString());
        if (!QFileInfo::exists(aside) && !QFileInfo(aside).isSymLink())
            return aside;
    }
    return {};
}

QString saveWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A write that only fills Qt's buffer succeeds on a full disk too; the
    // failure shows when the buffer is flushed, and commit() would put the
    // short file in the old one's place all the same.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace tidewick
