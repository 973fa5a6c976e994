#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tidewick {

// Where an article was found: the query's country code, keyword as typed and
// category, each possibly empty.
struct FoundBy {
    QString country;
    QString keyword;
    QString category;
};

// What was found, kept between runs and shared by every copy of the program
// for the user: each article listed, once (known by its link, or its text
// where it has none), with when it was first found, the query that found it,
// whether it counts as announced (for "Announce only new articles") and
// whether the user cleared it from the list. It keeps the newest 100,000 of
// the last 90 days.
//
// An SQLite database in WAL mode, so that copies read and write it at once.
// Every change is one short transaction, and none waits for another copy's:
// a database another copy is writing gives Busy, and the caller tries again
// from its event loop. Failures throw AppError.
class ArticleHistory {
public:
    // The database at `path` (made when missing), on a connection of its own.
    explicit ArticleHistory(QString path);
    ~ArticleHistory();
    ArticleHistory(const ArticleHistory &) = delete;
    ArticleHistory &operator=(const ArticleHistory &) = delete;

    QString path() const { return m_path; }
    // Opens the database and takes in the older memory of announced
    // articles (`seenArticlesFile`, a text file, removed once taken in). A
    // file that is no database is kept aside as ".broken" and a new one
    // started; what to tell the user of it, or of a history that cannot be
    // kept at all, is returned (empty: nothing to tell). Nothing at the path
    // but a regular file (a folder, a pipe, a link to a device) is ever
    // opened.
    QString open(const QDateTime &now, const QString &seenArticlesFile = QString());
    bool isOpen() const { return m_open; }
    // Reads the whole database through (a damaged one is kept aside and a
    // new one started, as open() does) and drops what is too old or too
    // much; it takes a while, so the program does it once its window shows.
    QString check(const QDateTime &now);

    enum class Claim { New, Known, Busy };
    // Claims `article` as announced: New when it was not (the caller
    // announces it), Known when it was, Busy when another copy is writing.
    Claim claim(const QString &article, const FoundBy &foundBy, const QDateTime &now);
    // Records `article` as listed: found `now` unless known already, counted
    // as announced, no longer cleared. False when busy.
    bool record(const QString &article, const FoundBy &foundBy, const QDateTime &now);
    // Marks the articles cleared from the list. False when busy.
    bool clear(const QStringList &articles);
    // Forgets which articles were announced; they stay listed. False when busy.
    bool forgetAnnounced();
    // Up to `count` texts of the articles listed and not cleared, first
    // found before `before`, oldest first, from the `offset`th on.
    QStringList listed(const QDateTime &before, int offset, int count);

    // How an article is known: a hash of its link, or of its text without one.
    static QString key(const QString &article);

private:
    bool openDatabase();
    QString startAfresh();
    void prepare();
    void prune(const QDateTime &now);
    void importSeenArticles(const QString &file, const QDateTime &now);
    bool write(const std::function<void()> &statements);

    QString m_path;
    QString m_connection;
    bool m_open = false;
};

inline constexpr int kHistoryDays = 90;
inline constexpr int kMostHistoryArticles = 100000;

} // namespace tidewick
