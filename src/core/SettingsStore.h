#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace tidewick {

// The per-user settings: application "Kestrow", section "Tidewick", short text
// values. An INI file that every read and write goes to directly (nothing is
// cached), so two running copies see each other's writes.
//
// Only a regular file (or a link to one) is ever opened. Anything else at the
// path, a named pipe, a device, a folder, is neither read (a pipe would block
// the start for ever) nor written over: reads give the defaults, writes are
// dropped, and the first check or write that meets it throws once.
class SettingsStore {
public:
    // The store in `configFolder` (the user's configuration folder when empty):
    // <configFolder>/Kestrow/Tidewick.ini, keys in the group [Tidewick].
    explicit SettingsStore(const QString &configFolder = QString());

    QString filePath() const { return m_filePath; }

    // The stored text, or `defaultValue` when the key does not exist.
    QString read(const QString &key, const QString &defaultValue) const;
    // Stores the text; it is on disk when the call returns. Throws AppError
    // when the file cannot be written.
    void write(const QString &key, const QString &value);
    // Stores several texts with one write of the file.
    void write(const QList<std::pair<QString, QString>> &values);

    // Throws AppError, the first time only, when the path holds something
    // that is not a regular file.
    void checkFile();
    // Throws AppError, every time, while nothing can be stored at the path
    // (it holds something that is not a regular file).
    void requireStorable() const;

    static QString userConfigFolder();

    // A value kept in another group of the same file (the news service's
    // [Service] NewsHost); nothing when the key does not exist.
    std::optional<QString> readFromGroup(const QString &group, const QString &key) const;

private:
    bool fileIsUsable() const;

    QString m_filePath;
    bool m_problemShown = false;
};

namespace SettingKeys {
inline const QString OftenIndex = QStringLiteral("OftenIndex");
inline const QString StartStopState = QStringLiteral("StartStopState");
inline const QString WindowsStartup = QStringLiteral("Windows Startup");
inline const QString Minimized = QStringLiteral("Minimized");
inline const QString DailyRecs = QStringLiteral("DailyRecs");
inline const QString StartDate = QStringLiteral("StartDate");
// The same moment as a UTC time (ISO 8601, "Z"): copies in other time zones,
// which read "StartDate" as their own local time, agree on this one.
inline const QString StartDateUtc = QStringLiteral("StartDateUTC");
// Where the next run goes on in the walk over the combinations to query.
inline const QString NextQuery = QStringLiteral("NextQuery");
// "On": an article already announced is neither announced nor listed again.
inline const QString AnnounceOnlyNew = QStringLiteral("AnnounceOnlyNew");
} // namespace SettingKeys

inline const QString kOn = QStringLiteral("On");
inline const QString kOff = QStringLiteral("Off");

} // namespace tidewick
