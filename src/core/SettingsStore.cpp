#include "core/SettingsStore.h"

#include "core/AppError.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QCoreApplication>

namespace tidewick {

namespace {
const QString kApplication = QStringLiteral("Kestrow");
const QString kSection = QStringLiteral("Tidewick");

QString keyPath(const QString &key)
{
    return kSection + QLatin1Char('/') + key;
}
} // namespace

SettingsStore::SettingsStore(const QString &configFolder)
{
    const QString folder = configFolder.isEmpty() ? userConfigFolder() : configFolder;
    m_filePath = QDir(folder).filePath(kApplication + QStringLiteral("/Tidewick.ini"));
}

QString SettingsStore::userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

bool SettingsStore::fileIsUsable() const
{
    const QFileInfo file(m_filePath);
    return !file.exists() || file.isFile();
}

void SettingsStore::checkFile()
{
    if (m_problemShown || fileIsUsable())
        return;
    m_problemShown = true;
    throw AppError(QCoreApplication::translate("Tidewick", "Path/File access error: %1 is not a regular file. Tidewick uses the default "
                                  "settings and does not save them.")
                       .arg(QDir::toNativeSeparators(m_filePath)));
}

void SettingsStore::requireStorable() const
{
    if (!fileIsUsable())
        throw AppError(QCoreApplication::translate("Tidewick", "Path/File access error: %1 is not a regular file, so the request count "
                                      "cannot be stored. Nothing is queried until it can be.")
                           .arg(QDir::toNativeSeparators(m_filePath)));
}

QString SettingsStore::read(const QString &key, const QString &defaultValue) const
{
    if (!fileIsUsable())
        return defaultValue;
    const QSettings settings(m_filePath, QSettings::IniFormat);
    if (!settings.contains(keyPath(key)))
        return defaultValue;
    const QVariant value = settings.value(keyPath(key));
    // An unquoted value with commas in a hand-edited file reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::write(const QString &key, const QString &value)
{
    write({{key, value}});
}

void SettingsStore::write(const QList<std::pair<QString, QString>> &values)
{
    checkFile();
    if (!fileIsUsable())
        return;
    QSettings settings(m_filePath, QSettings::IniFormat);
    for (const auto &[key, value] : values)
        settings.setValue(keyPath(key), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw AppError::permissionDenied(m_filePath);
}

std::optional<QString> SettingsStore::readFromGroup(const QString &group, const QString &key) const
{
    if (!fileIsUsable())
        return std::nullopt;
    const QSettings settings(m_filePath, QSettings::IniFormat);
    const QString path = group + QLatin1Char('/') + key;
    if (!settings.contains(path))
        return std::nullopt;
    const QVariant value = settings.value(path);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace tidewick
