#include "fetch/SeenArticles.h"

#include "core/AppError.h"
#include "core/ArticleLink.h"
#include "core/FileHelpers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QCoreApplication>

#include <algorithm>

namespace tidewick {

namespace {
// 10,000 lines of a time and a hash; anything much larger is no such file.
constexpr qint64 kLargestFile = qint64(4) << 20;
constexpr qsizetype kHashBytes = 16;

QByteArray hashOf(const QString &identity)
{
    return QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).left(kHashBytes).toHex();
}

AppError unusable(const QString &path, const QString &why)
{
    return AppError(QCoreApplication::translate("Tidewick", "The memory of announced articles %1 cannot be used (%2).")
                        .arg(QDir::toNativeSeparators(path), why));
}

// A damaged file goes out of the way under a name no earlier one took.
void keepAside(const QString &path)
{
    if (const QString aside = asideName(path); !aside.isEmpty())
        QFile::rename(path, aside);
}
} // namespace

SeenArticles SeenArticles::besideSettings(const QString &settingsFilePath)
{
    return SeenArticles(QFileInfo(settingsFilePath).dir().filePath(QStringLiteral("Tidewick-seen-articles.txt")));
}

QString SeenArticles::identity(const QString &article)
{
    const QUrl link = articleLink(article);
    return link.isEmpty() ? article : link.toString(QUrl::FullyEncoded);
}

QList<bool> SeenArticles::takeNew(const QStringList &articles, const QDateTime &now) const
{
    QList<Entry> entries = load();
    const QDateTime seen = now.toUTC();
    QSet<QByteArray> known;
    for (Entry &entry : entries) {
        known.insert(entry.hash);
        // A time ahead of now (a clock that was wrong) would keep the entry
        // for ever.
        entry.seen = std::min(entry.seen, seen);
    }
    QList<bool> fresh;
    for (const QString &article : articles) {
        const QByteArray hash = hashOf(identity(article));
        fresh.append(!known.contains(hash));
        if (fresh.last()) {
            known.insert(hash);
            entries.append({seen, hash});
        }
    }
    if (fresh.contains(true)) {
        // The newest within the days kept, at most so many.
        const QDateTime oldest = seen.addDays(-kSeenArticleDays);
        entries.removeIf([&oldest](const Entry &entry) { return entry.seen < oldest; });
        if (entries.size() > kMostSeenArticles)
            entries.remove(0, entries.size() - kMostSeenArticles);
        save(entries);
    }
    return fresh;
}

void SeenArticles::forget() const
{
    if (QFileInfo::exists(m_path))
        save({});
}

// Blank lines are passed over and a damaged line is dropped alone; a file
// in which no line reads is no such file and goes aside whole.
QList<SeenArticles::Entry> SeenArticles::load() const
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        throw unusable(m_path, QCoreApplication::translate("Tidewick", "it is not a regular file"));
    QFile file(m_path);
    if (info.size() > kLargestFile || !file.open(QIODevice::ReadOnly)) {
        keepAside(m_path);
        return {};
    }
    QList<Entry> entries;
    bool damaged = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(256).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype space = line.indexOf(' ');
        Entry entry{QDateTime::fromString(QString::fromLatin1(line.left(space)), Qt::ISODate), line.mid(space + 1)};
        if (space < 0 || !entry.seen.isValid() || entry.hash.size() != 2 * kHashBytes)
            damaged = true;
        else
            entries.append(entry);
    }
    if (damaged && entries.isEmpty()) {
        file.close();
        keepAside(m_path);
    }
    return entries;
}

void SeenArticles::save(const QList<Entry> &entries) const
{
    QByteArray bytes;
    bytes.reserve(entries.size() * 60);
    for (const Entry &entry : entries)
        bytes += entry.seen.toString(Qt::ISODate).toLatin1() + ' ' + entry.hash + '\n';
    if (QFileInfo(m_path).exists() && !QFileInfo(m_path).isFile())
        throw unusable(m_path, QCoreApplication::translate("Tidewick", "it is not a regular file"));
    QDir().mkpath(QFileInfo(m_path).path());
    if (const QString failure = saveWholeFile(m_path, bytes); !failure.isEmpty())
        throw unusable(m_path, failure);
}

} // namespace tidewick
