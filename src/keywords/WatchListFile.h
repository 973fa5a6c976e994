#pragma once

#include <QString>
#include <QStringList>
#include <utility>

namespace tidewick {

// What the user watches: the keywords in list order and the texts of the
// ticked countries and categories.
struct WatchList {
    QStringList keywords;
    QStringList countries;
    QStringList categories;
};

// The watch list kept between runs in a JSON file of its own, beside the
// settings file. A save replaces the file as a whole, so a crash or a full
// disk leaves the previous list, never half a file.
//
// Like the settings file, only a regular file (or a link to one) is ever
// read or replaced: a named pipe would hold the start for ever, and a link
// to a device must not become a file. A file that cannot be used as a watch
// list (damaged by a hand edit, far too large) is moved aside, so that the
// next save cannot take the user's list with it.
class WatchListFile {
public:
    explicit WatchListFile(QString path) : m_path(std::move(path)) {}

    // The file beside the settings file at `settingsFilePath`.
    static WatchListFile besideSettings(const QString &settingsFilePath);

    QString path() const { return m_path; }

    // The stored list; an empty one when there is no file yet. Keywords that
    // could not have been typed (blank, longer than a query carries, holding a
    // line break or a text-direction control) are left
    // out and counted in `leftOut`. Throws AppError, saying why and where the
    // file went, when it cannot be used; it is then moved to a name ending
    // in ".broken" where it can be, and left where it is otherwise.
    WatchList load(qsizetype *leftOut = nullptr) const;
    // Throws AppError, saying why, when the file cannot be written.
    void save(const WatchList &list) const;

private:
    QString m_path;
};

} // namespace tidewick
