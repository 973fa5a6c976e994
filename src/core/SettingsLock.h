#pragma once

#include <QDateTime>
#include <QString>

namespace tidewick {

class SettingsStore;

// Holds every other copy of the program off a read-and-write of shared
// settings (the request budget) while it is held. The lock is the settings
// folder and a small file in it, both locked with flock(), so copies that
// know nothing of each other otherwise (one started without a session bus,
// two sessions of one user) still take turns, and a copy that dies lets go
// at once. The folder holds when the file is replaced under a holder; the
// file keeps earlier versions, which lock only the file, in turn.
//
// Nothing here waits: tryLock() looks once. Whatever else stands at the
// lock's path (a folder, a pipe, a link, a device, a large file) is neither
// followed, opened for long nor read: it is named as the problem.
class SettingsLock {
public:
    enum class Outcome { Held, Busy, InTheWay };

    explicit SettingsLock(const SettingsStore &settings);
    ~SettingsLock();
    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

    Outcome tryLock();
    // Why the lock cannot be had, worded for the user (after InTheWay).
    QString problem() const { return m_problem; }

    static QString lockPath(const QString &settingsPath);

private:
    Outcome fail(const QString &why);
    Outcome lockFolder();
    void unlockFolder();
    Outcome lockFile();
    void writeHolder();
    void stampLaterThanBefore();
    void unlock();

    QString m_settingsPath;
    QString m_path;
    QString m_problem;
    QDateTime m_stampBefore;
    int m_fd = -1;
    int m_folderFd = -1;
};

} // namespace tidewick
