#include "core/SettingsLock.h"

#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <climits>

namespace tidewick {

namespace {
// A lock file holds a process number and two names; anything larger was not
// made by a copy of the program and is not read.
constexpr qint64 kLargestLockFile = 4096;
// The holder before may remove the file between this copy's open and its
// lock; the next look finds the new file.
constexpr int kAttempts = 3;

// What stands at the lock's path instead of a lock file, as a sentence with
// the path for %1.
QString notALockFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("Tidewick", "%1 is a folder, not a lock file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("Tidewick", "%1 is a named pipe, not a lock file");
    if (S_ISLNK(mode))
        return QCoreApplication::translate("Tidewick", "%1 is a symbolic link, not a lock file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("Tidewick", "%1 is a device, not a lock file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("Tidewick", "%1 is a socket, not a lock file");
    return QCoreApplication::translate("Tidewick", "%1 is something other than a file, not a lock file");
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
} // namespace

QString SettingsLock::lockPath(const QString &settingsPath)
{
    // Not the settings file's name with ".lock": QSettings takes that one
    // itself for every write made while this lock is held.
    const QFileInfo file(settingsPath);
    return file.dir().filePath(file.completeBaseName() + QStringLiteral("-budget.lock"));
}

SettingsLock::SettingsLock(const SettingsStore &settings)
    : m_settingsPath(settings.filePath()), m_path(lockPath(m_settingsPath))
{
}

SettingsLock::~SettingsLock()
{
    unlock();
}

// `sentence` says what is wrong, with the lock's path for %1.
SettingsLock::Outcome SettingsLock::fail(const QString &sentence)
{
    m_problem = sentence.arg(QDir::toNativeSeparators(m_path));
    return Outcome::InTheWay;
}

// Looks at the path without following it, opens only a small regular file
// (never waiting on a pipe or a device), and locks it without waiting.
SettingsLock::Outcome SettingsLock::tryLock()
{
    if (m_fd >= 0)
        return Outcome::Held;
    QDir().mkpath(QFileInfo(m_path).path());
    if (const Outcome folder = lockFolder(); folder != Outcome::Held)
        return folder;
    const Outcome file = lockFile();
    if (file != Outcome::Held)
        unlockFolder();
    return file;
}

// The folder is the lock that holds: a backup or file-sync tool may put a
// new file in the lock file's place while it is held, but the folder stays.
// Where the file system cannot lock a folder (some network file systems),
// the lock file alone keeps the turns.
SettingsLock::Outcome SettingsLock::lockFolder()
{
    const QByteArray folder = QFile::encodeName(QFileInfo(m_path).path());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(QCoreApplication::translate("Tidewick", "%1 is not usable (%2)").arg(QStringLiteral("%1"), systemError(errno)));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? Outcome::Busy : Outcome::Held;
    }
    m_folderFd = fd;
    return Outcome::Held;
}

void SettingsLock::unlockFolder()
{
    if (m_folderFd >= 0)
        ::close(m_folderFd);
    m_folderFd = -1;
}

SettingsLock::Outcome SettingsLock::lockFile()
{
    const QByteArray path = QFile::encodeName(m_path);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        struct stat found {};
        if (::lstat(path.constData(), &found) == 0) {
            if (!S_ISREG(found.st_mode))
                return fail(notALockFile(found.st_mode));
            if (found.st_size > kLargestLockFile)
            {
                const int bytes = found.st_size > INT_MAX ? INT_MAX : int(found.st_size);
                return fail(QCoreApplication::translate("Tidewick", "%1 is a file of %Ln byte(s), too large for a "
                                                                    "lock file", nullptr, bytes));
            }
        }
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                              0600);
        if (fd < 0)
            return fail(QCoreApplication::translate("Tidewick", "%1 is not usable (%2)").arg(QStringLiteral("%1"), systemError(errno)));
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_size > kLargestLockFile) {
            ::close(fd);
            return fail(QCoreApplication::translate("Tidewick", "%1 is not a lock file"));
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return Outcome::Busy;
            return fail(QCoreApplication::translate("Tidewick", "%1 is not lockable (%2)").arg(QStringLiteral("%1"), systemError(error)));
        }
        struct stat now {};
        if (::lstat(path.constData(), &now) != 0 || !sameFile(now, opened)) {
            ::close(fd);
            continue;
        }
        m_fd = fd;
        writeHolder();
        m_stampBefore = QFileInfo(m_settingsPath).lastModified();
        return Outcome::Held;
    }
    return Outcome::Busy;
}

// The holder's process number and names, laid out as QLockFile lays them:
// an earlier version of the program, which locks with QLockFile, then sees
// a live holder and waits its turn.
void SettingsLock::writeHolder()
{
    const QByteArray holder = QByteArray::number(qint64(::getpid())) + "\nTidewick\n"
        + QSysInfo::machineHostName().toUtf8() + '\n';
    if (::ftruncate(m_fd, 0) == 0 && ::pwrite(m_fd, holder.constData(), size_t(holder.size()), 0) < 0)
        qWarning("Tidewick: the budget lock's holder could not be written down.");
}

// The file goes with the lock (an earlier version takes a lock file that is
// there as held); a copy that opened it meanwhile finds it gone and looks
// again.
void SettingsLock::unlock()
{
    if (m_fd < 0)
        return;
    stampLaterThanBefore();
    const QByteArray path = QFile::encodeName(m_path);
    struct stat held {};
    struct stat named {};
    if (::fstat(m_fd, &held) == 0 && ::lstat(path.constData(), &named) == 0 && sameFile(held, named))
        ::unlink(path.constData());
    ::close(m_fd);
    m_fd = -1;
    unlockFolder();
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
