#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace tidewick {

// The articles already announced, remembered between runs and restarts in a
// file of their own beside the watch list, which every copy of the program
// for the user shares (under the budget lock). An article is known by its
// link (the last http:// or https:// address in its text, as the results
// list opens it) or, without one, by its whole text; the file keeps a hash
// of that and when it was seen, one line each. It is written whole or not
// at all, keeps the newest 10,000 of the last 30 days (a time ahead of now
// counts as now), drops a damaged line alone, and a file in which no line
// reads is kept aside and the memory starts afresh.
class SeenArticles {
public:
    explicit SeenArticles(QString path) : m_path(std::move(path)) {}
    static SeenArticles besideSettings(const QString &settingsFilePath);

    QString path() const { return m_path; }

    // Which of `articles` were never seen (nor seen twice among them), in
    // their order, and remembers them as seen `now`. Throws AppError when
    // the memory cannot be stored; nothing is then left out.
    QList<bool> takeNew(const QStringList &articles, const QDateTime &now) const;
    // Forgets every article. Throws AppError when that cannot be stored.
    void forget() const;

    static QString identity(const QString &article);

private:
    struct Entry {
        QDateTime seen;
        QByteArray hash;
    };
    QList<Entry> load() const;
    void save(const QList<Entry> &entries) const;

    QString m_path;
};

inline constexpr qsizetype kMostSeenArticles = 10000;
inline constexpr int kSeenArticleDays = 30;

} // namespace tidewick
