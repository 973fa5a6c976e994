#include "core/SettingsLock.h"

#include "core/AppError.h"
#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tidewick {

namespace {
// Another copy holds the lock only while it reads and writes two values.
constexpr int kLongestWaitMs = 5000;

QString lockPath(const QString &settingsPath)
{
    // Not the settings file's name with ".lock": QSettings takes that one
    // itself for every write made while this lock is held.
    const QFileInfo file(settingsPath);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral("-budget.lock"));
}
} // namespace

SettingsLock::SettingsLock(const SettingsStore &settings)
    : m_settingsPath(settings.filePath()), m_file(lockPath(m_settingsPath))
{
    QDir().mkpath(QFileInfo(m_settingsPath).path());
    if (m_file.tryLock(kLongestWaitMs)) {
        m_stampBefore = QFileInfo(m_settingsPath).lastModified();
        return;
    }
    const QString why = m_file.error() == QLockFile::LockFailedError
        ? QStringLiteral("another copy of Tidewick holds it")
        : QStringLiteral("it cannot be made");
    throw AppError(QStringLiteral("Path/File access error: the request count in %1 cannot be locked (%2)")
                       .arg(QDir::toNativeSeparators(m_settingsPath), why));
}

SettingsLock::~SettingsLock()
{
    stampLaterThanBefore();
}

// QSettings keeps what it read for as long as the file's size and time stay
// the same, and Linux stamps files by a clock that moves in ticks of up to
// 10 ms: a count written by another copy within one tick, at the same length,
// would go unseen. So each holder leaves the file a time later than the one
// it found.
void SettingsLock::stampLaterThanBefore()
{
    QFile file(m_settingsPath);
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadWrite))
        return;
    QDateTime stamp = QDateTime::currentDateTime();
    if (m_stampBefore.isValid() && stamp <= m_stampBefore)
        stamp = m_stampBefore.addMSecs(1);
    file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

} // namespace tidewick
