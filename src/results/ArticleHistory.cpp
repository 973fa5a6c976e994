#include "results/ArticleHistory.h"

#include "core/AppError.h"
#include "core/ArticleLink.h"
#include "core/FileHelpers.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>

namespace tidewick {

namespace {

// SQLite's codes for a database that another connection is writing.
bool isBusy(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6");
}

AppError failure(const QString &path, const QSqlError &error)
{
    return AppError(QCoreApplication::translate("Tidewick", "What was found cannot be kept in %1 (%2).")
                        .arg(QDir::toNativeSeparators(path), error.databaseText()));
}

// A text to bind: an empty one, never SQL's NULL.
QVariant bound(const QString &text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

qint64 secondsOf(const QDateTime &moment)
{
    return moment.toSecsSinceEpoch();
}

// The older memory of announced articles, a text file of lines "time hash":
// what reads of it (a damaged line is dropped alone, a time ahead of now is
// taken as now).
QList<std::pair<qint64, QString>> readSeenArticles(const QString &path, const QDateTime &now)
{
    QList<std::pair<qint64, QString>> entries;
    QFile file(path);
    if (QFileInfo(path).size() > (qint64(4) << 20) || !file.open(QIODevice::ReadOnly))
        return entries;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(256).trimmed();
        const qsizetype space = line.indexOf(' ');
        const QDateTime seen = QDateTime::fromString(QString::fromLatin1(line.left(space)), Qt::ISODate);
        const QByteArray key = line.mid(space + 1);
        if (space > 0 && seen.isValid() && key.size() == 32)
            entries.append({std::min(secondsOf(seen), secondsOf(now)), QString::fromLatin1(key)});
    }
    return entries;
}

} // namespace

ArticleHistory::ArticleHistory(QString path)
    : m_path(std::move(path)), m_connection(QStringLiteral("history-") + QUuid::createUuid().toString())
{
}

ArticleHistory::~ArticleHistory()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QString ArticleHistory::key(const QString &article)
{
    const QUrl link = articleLink(article);
    const QString identity = link.isEmpty() ? article : link.toString(QUrl::FullyEncoded);
    return QString::fromLatin1(
        QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).left(16).toHex());
}

QString ArticleHistory::open(const QDateTime &now, const QString &seenArticlesFile)
{
    const QFileInfo file(m_path);
    if (file.exists() && !file.isFile())
        return QCoreApplication::translate("Tidewick", "%1 is not a regular file, so what was found is not kept.")
            .arg(QDir::toNativeSeparators(m_path));
    QDir().mkpath(file.path());
    QString said = openDatabase() ? QString() : startAfresh();
    if (!m_open)
        return said;
    try {
        prepare();
        if (!seenArticlesFile.isEmpty() && QFileInfo(seenArticlesFile).isFile())
            importSeenArticles(seenArticlesFile, now);
    } catch (const AppError &error) {
        said = error.description();
    }
    return said;
}

QString ArticleHistory::check(const QDateTime &now)
{
    if (!m_open)
        return QString();
    QSqlQuery query(QSqlDatabase::database(m_connection));
    QString said;
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()
        || query.value(0).toString() != QLatin1String("ok")) {
        query = QSqlQuery();
        said = startAfresh();
        if (!m_open)
            return said;
    }
    try {
        prepare();
        prune(now);
    } catch (const AppError &error) {
        said = error.description();
    }
    return said;
}

// A database that does not read is kept aside, and a new one begins.
QString ArticleHistory::startAfresh()
{
    QSqlDatabase::database(m_connection, false).close();
    m_open = false;
    const QString aside = asideName(m_path);
    if (aside.isEmpty() || !QFile::rename(m_path, aside))
        return QCoreApplication::translate("Tidewick",
                                           "What was found cannot be kept: %1 cannot be read and cannot be moved "
                                           "aside.")
            .arg(QDir::toNativeSeparators(m_path));
    for (const char *companion : {"-wal", "-shm"})
        QFile::remove(m_path + QLatin1String(companion));
    if (!openDatabase())
        return QCoreApplication::translate("Tidewick", "What was found cannot be kept in %1.")
            .arg(QDir::toNativeSeparators(m_path));
    return QCoreApplication::translate("Tidewick",
                                       "The history of what was found, %1, could not be read; it was kept as %2 and "
                                       "a new one was started.")
        .arg(QDir::toNativeSeparators(m_path), QDir::toNativeSeparators(aside));
}

// Opens the database; false for a file that is no database.
bool ArticleHistory::openDatabase()
{
    QSqlDatabase database = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    database.setDatabaseName(m_path);
    // Never wait for another copy's transaction: it says busy at once.
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    if (!database.open())
        return false;
    QSqlQuery query(database);
    m_open = query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    return m_open;
}

void ArticleHistory::prepare()
{
    write([this] {
        QSqlQuery query(QSqlDatabase::database(m_connection));
        for (const char *statement :
             {"CREATE TABLE IF NOT EXISTS articles (key TEXT PRIMARY KEY, text TEXT, found INTEGER NOT NULL, "
              "country TEXT NOT NULL DEFAULT '', keyword TEXT NOT NULL DEFAULT '', category TEXT NOT NULL DEFAULT '', "
              "announced INTEGER NOT NULL DEFAULT 0, cleared INTEGER NOT NULL DEFAULT 0)",
              "CREATE INDEX IF NOT EXISTS articles_found ON articles (found)"}) {
            if (!query.exec(QLatin1String(statement)))
                throw failure(m_path, query.lastError());
        }
    });
}

// The newest within the days kept, at most so many.
void ArticleHistory::prune(const QDateTime &now)
{
    write([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection));
        query.prepare(QStringLiteral("DELETE FROM articles WHERE found < ?"));
        query.addBindValue(secondsOf(now.addDays(-kHistoryDays)));
        if (!query.exec())
            throw failure(m_path, query.lastError());
        query.prepare(QStringLiteral("DELETE FROM articles WHERE rowid IN (SELECT rowid FROM articles ORDER BY found "
                                     "DESC, rowid DESC LIMIT -1 OFFSET ?)"));
        query.addBindValue(kMostHistoryArticles);
        if (!query.exec())
            throw failure(m_path, query.lastError());
    });
}

// The articles the older memory knew count as announced, and were never
// listed here; once they are taken in, the file goes.
void ArticleHistory::importSeenArticles(const QString &file, const QDateTime &now)
{
    const QList<std::pair<qint64, QString>> entries = readSeenArticles(file, now);
    const bool taken = write([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection));
        query.prepare(QStringLiteral(
            "INSERT OR IGNORE INTO articles (key, found, announced, cleared) VALUES (?, ?, 1, 1)"));
        for (const auto &[seen, key] : entries) {
            query.addBindValue(key);
            query.addBindValue(seen);
            if (!query.exec())
                throw failure(m_path, query.lastError());
        }
    });
    if (taken)
        QFile::remove(file);
}

// One short transaction, begun as a writer at once: when another copy
// writes, false without waiting.
bool ArticleHistory::write(const std::function<void()> &statements)
{
    if (!m_open)
        return true;
    QSqlDatabase database = QSqlDatabase::database(m_connection);
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        if (isBusy(query.lastError()))
            return false;
        throw failure(m_path, query.lastError());
    }
    try {
        statements();
    } catch (const AppError &) {
        query.exec(QStringLiteral("ROLLBACK"));
        throw;
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        if (isBusy(error))
            return false;
        throw failure(m_path, error);
    }
    return true;
}

ArticleHistory::Claim ArticleHistory::claim(const QString &article, const FoundBy &foundBy, const QDateTime &now)
{
    if (!m_open)
        return Claim::New;
    bool fresh = false;
    const bool written = write([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection));
        query.prepare(QStringLiteral(
            "INSERT INTO articles (key, text, found, country, keyword, category, announced) VALUES (?, ?, ?, ?, ?, ?, 1) "
            "ON CONFLICT (key) DO UPDATE SET announced = 1 WHERE announced = 0"));
        for (const QVariant &value : {QVariant(key(article)), QVariant(article), QVariant(secondsOf(now)),
                                      bound(foundBy.country), bound(foundBy.keyword), bound(foundBy.category)})
            query.addBindValue(value);
        if (!query.exec())
            throw failure(m_path, query.lastError());
        fresh = query.numRowsAffected() > 0;
    });
    if (!written)
        return Claim::Busy;
    return fresh ? Claim::New : Claim::Known;
}

bool ArticleHistory::record(const QString &article, const FoundBy &foundBy, const QDateTime &now)
{
    return write([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection));
        query.prepare(QStringLiteral(
            "INSERT INTO articles (key, text, found, country, keyword, category, announced) VALUES (?, ?, ?, ?, ?, ?, 1) "
            "ON CONFLICT (key) DO UPDATE SET announced = 1, cleared = 0, text = coalesce(text, excluded.text)"));
        for (const QVariant &value : {QVariant(key(article)), QVariant(article), QVariant(secondsOf(now)),
                                      bound(foundBy.country), bound(foundBy.keyword), bound(foundBy.category)})
            query.addBindValue(value);
        if (!query.exec())
            throw failure(m_path, query.lastError());
    });
}

bool ArticleHistory::clear(const QStringList &articles)
{
    return write([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection));
        query.prepare(QStringLiteral("UPDATE articles SET cleared = 1 WHERE key = ?"));
        for (const QString &article : articles) {
            query.addBindValue(key(article));
            if (!query.exec())
                throw failure(m_path, query.lastError());
        }
    });
}

bool ArticleHistory::forgetAnnounced()
{
    return write([&] {
        QSqlQuery query(QSqlDatabase::database(m_connection));
        if (!query.exec(QStringLiteral("UPDATE articles SET announced = 0")))
            throw failure(m_path, query.lastError());
    });
}

QStringList ArticleHistory::listed(const QDateTime &before, int offset, int count)
{
    QStringList texts;
    if (!m_open)
        return texts;
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT text FROM articles WHERE cleared = 0 AND text IS NOT NULL AND found < ? "
                                 "ORDER BY found, rowid LIMIT ? OFFSET ?"));
    query.addBindValue(secondsOf(before));
    query.addBindValue(count);
    query.addBindValue(offset);
    if (!query.exec())
        throw failure(m_path, query.lastError());
    while (query.next())
        texts.append(query.value(0).toString());
    return texts;
}

} // namespace tidewick
