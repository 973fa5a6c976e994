#include "keywords/WatchListFile.h"

#include "core/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace tidewick {

namespace {

const QString kKeywords = QStringLiteral("keywords");
const QString kCountries = QStringLiteral("countries");
const QString kCategories = QStringLiteral("categories");

AppError unreadable(const QString &path, const QString &why)
{
    return AppError(QStringLiteral("The watch list %1 cannot be read (%2).").arg(QDir::toNativeSeparators(path), why));
}

AppError unwritable(const QString &path, const QString &why)
{
    return AppError(
        QStringLiteral("The watch list cannot be saved to %1 (%2).").arg(QDir::toNativeSeparators(path), why));
}

// A missing member is an empty list; anything but an array of texts is a
// file someone or something else wrote.
QStringList texts(const QJsonObject &object, const QString &name, const QString &path)
{
    const QJsonValue value = object.value(name);
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        throw unreadable(path, QStringLiteral("\"%1\" is not a list").arg(name));
    const QJsonArray items = value.toArray();
    QStringList result;
    for (const auto &item : items) {
        if (!item.isString())
            throw unreadable(path, QStringLiteral("\"%1\" holds something other than text").arg(name));
        result.append(item.toString());
    }
    return result;
}

} // namespace

WatchListFile WatchListFile::besideSettings(const QString &settingsFilePath)
{
    return WatchListFile(QFileInfo(settingsFilePath).dir().filePath(QStringLiteral("Tidewick-watch-list.json")));
}

WatchList WatchListFile::load() const
{
    QFile file(m_path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable(m_path, file.errorString());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (file.error() != QFileDevice::NoError)
        throw unreadable(m_path, file.errorString());
    if (error.error != QJsonParseError::NoError)
        throw unreadable(m_path, QStringLiteral("not a watch list: %1").arg(error.errorString()));
    if (!document.isObject())
        throw unreadable(m_path, QStringLiteral("not a watch list"));
    const QJsonObject object = document.object();
    return {texts(object, kKeywords, m_path), texts(object, kCountries, m_path), texts(object, kCategories, m_path)};
}

void WatchListFile::save(const WatchList &list) const
{
    const QJsonObject object{{kKeywords, QJsonArray::fromStringList(list.keywords)},
                             {kCountries, QJsonArray::fromStringList(list.countries)},
                             {kCategories, QJsonArray::fromStringList(list.categories)}};
    // The settings folder may not exist yet on a first run.
    if (!QDir().mkpath(QFileInfo(m_path).path()))
        throw unwritable(m_path, QStringLiteral("its folder cannot be created"));
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw unwritable(m_path, file.errorString());
    file.write(QJsonDocument(object).toJson(QJsonDocument::Indented));
    if (!file.commit())
        throw unwritable(m_path, file.errorString());
}

} // namespace tidewick
