#include "keywords/WatchListFile.h"

#include "core/AppError.h"
#include "core/FileHelpers.h"
#include "core/KeywordLimits.h"
#include "core/ValueConversion.h"
#include "keywords/KeywordImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCoreApplication>

namespace tidewick {

namespace {

const QString kKeywords = QStringLiteral("keywords");
const QString kCountries = QStringLiteral("countries");
const QString kCategories = QStringLiteral("categories");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

AppError unreadable(const QString &path, const QString &why)
{
    return AppError(QCoreApplication::translate("Tidewick", "The watch list %1 cannot be read (%2).").arg(shown(path), why));
}

AppError unwritable(const QString &path, const QString &why)
{
    return AppError(QCoreApplication::translate("Tidewick", "The watch list cannot be saved to %1 (%2).").arg(shown(path), why));
}

bool isSpecial(const QFileInfo &file)
{
    return file.exists() && !file.isFile();
}

// A missing member is an empty list; anything but an array of texts is a
// file someone or something else wrote.
QStringList texts(const QJsonObject &object, const QString &name, const QString &path)
{
    const QJsonValue value = object.value(name);
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        throw unreadable(path, QCoreApplication::translate("Tidewick", "\"%1\" is not a list").arg(name));
    const QJsonArray items = value.toArray();
    QStringList result;
    for (const auto &item : items) {
        if (!item.isString())
            throw unreadable(path,
                             QCoreApplication::translate("Tidewick", "\"%1\" holds something other than text").arg(name));
        result.append(item.toString());
    }
    return result;
}

WatchList parse(const QString &path)
{
    QFile file(path);
    if (file.size() > kLargestKeywordFile)
        throw unreadable(path, QCoreApplication::translate("Tidewick", "it is larger than a watch list can be, %1 MB").arg(kLargestKeywordFile >> 20));
    if (!file.open(QIODevice::ReadOnly))
        throw unreadable(path, file.errorString());
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.read(kLargestKeywordFile + 1), &error);
    if (file.error() != QFileDevice::NoError)
        throw unreadable(path, file.errorString());
    if (error.error != QJsonParseError::NoError)
        throw unreadable(path, QCoreApplication::translate("Tidewick", "not a watch list: %1").arg(error.errorString()));
    if (!document.isObject())
        throw unreadable(path, QCoreApplication::translate("Tidewick", "not a watch list"));
    const QJsonObject object = document.object();
    return {texts(object, kKeywords, path), texts(object, kCountries, path), texts(object, kCategories, path)};
}

// Moves an unusable file out of the way of the next save, under a name no
// earlier one has taken; says where it went, or that it stays.
QString setAside(const QString &path)
{
    const QString aside = asideName(path);
    if (!aside.isEmpty()) {
        QFile file(path);
        if (file.rename(aside))
            return QCoreApplication::translate("Tidewick", " It was kept as %1, and the lists start empty.").arg(shown(aside));
        return QCoreApplication::translate("Tidewick", " It could not be moved aside (%1): Tidewick leaves it as it is and does not save "
                              "the lists.").arg(file.errorString());
    }
    return QCoreApplication::translate("Tidewick", " Tidewick leaves it as it is and does not save the lists.");
}

bool canBeTyped(const QString &keyword)
{
    const QString query = trimBlanks(keyword);
    return !query.isEmpty() && keywordFitsInQuery(query) && keywordForbiddenCharacter(keyword).isEmpty();
}

} // namespace

WatchListFile WatchListFile::besideSettings(const QString &settingsFilePath)
{
    return WatchListFile(QFileInfo(settingsFilePath).dir().filePath(QStringLiteral("Tidewick-watch-list.json")));
}

WatchList WatchListFile::load(qsizetype *leftOut) const
{
    const QFileInfo file(m_path);
    if (!file.exists())
        return {};
    if (!file.isFile())
        throw unreadable(m_path, QCoreApplication::translate("Tidewick", "it is not a regular file; Tidewick leaves it alone and does not "
                                                "save the lists"));
    WatchList list;
    try {
        list = parse(m_path);
    } catch (const AppError &error) {
        throw AppError(error.description() + setAside(m_path));
    }
    const qsizetype dropped = list.keywords.removeIf([](const QString &keyword) { return !canBeTyped(keyword); });
    if (leftOut)
        *leftOut = dropped;
    return list;
}

void WatchListFile::save(const WatchList &list) const
{
    if (isSpecial(QFileInfo(m_path)))
        throw unwritable(m_path, QCoreApplication::translate("Tidewick", "it is not a regular file"));
    const QJsonObject object{{kKeywords, QJsonArray::fromStringList(list.keywords)},
                             {kCountries, QJsonArray::fromStringList(list.countries)},
                             {kCategories, QJsonArray::fromStringList(list.categories)}};
    // The settings folder may not exist yet on a first run.
    if (!QDir().mkpath(QFileInfo(m_path).path()))
        throw unwritable(m_path, QCoreApplication::translate("Tidewick", "its folder cannot be created"));
    const QString failure = saveWholeFile(m_path, QJsonDocument(object).toJson(QJsonDocument::Indented));
    if (!failure.isEmpty())
        throw unwritable(m_path, failure);
}

} // namespace tidewick
