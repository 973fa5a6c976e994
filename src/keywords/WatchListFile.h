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
// settings file. A save replaces the file as a whole (QSaveFile), so a
// crash or a full disk leaves the previous list, never half a file.
class WatchListFile {
public:
    explicit WatchListFile(QString path) : m_path(std::move(path)) {}

    // The file beside the settings file at `settingsFilePath`.
    static WatchListFile besideSettings(const QString &settingsFilePath);

    QString path() const { return m_path; }

    // The stored list; an empty one when there is no file yet. Throws AppError,
    // saying why, when the file cannot be read or holds no watch list.
    WatchList load() const;
    // Throws AppError, saying why, when the file cannot be written.
    void save(const WatchList &list) const;

private:
    QString m_path;
};

} // namespace tidewick
