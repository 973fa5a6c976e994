#pragma once

#include <QDateTime>
#include <QLockFile>

namespace tidewick {

class SettingsStore;

// Holds every other copy of the program off a read-and-write of shared
// settings (the request budget) until it ends. The lock is a file beside the
// settings file, so copies that know nothing of each other otherwise (one
// started without a session bus, two sessions of one user) still take turns.
class SettingsLock {
public:
    // Throws AppError when the lock cannot be had within a few seconds.
    explicit SettingsLock(const SettingsStore &settings);
    ~SettingsLock();
    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

private:
    void stampLaterThanBefore();

    QString m_settingsPath;
    QDateTime m_stampBefore;
    QLockFile m_file;
};

} // namespace tidewick
