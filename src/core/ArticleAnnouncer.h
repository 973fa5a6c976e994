#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace tidewick {

// Where a fetch run announces each article it found before adding it to the
// results: the tray's balloon in the program, a recorder in tests.
class ArticleAnnouncer {
public:
    virtual ~ArticleAnnouncer() = default;
    // Shows `text` under `title` and returns at once; `seen` runs from the
    // event loop once it has been seen: closed, clicked or timed out, or
    // after `seconds` at the latest.
    virtual void announce(const QString &text, const QString &title, qint32 seconds, std::function<void()> seen) = 0;
};

} // namespace tidewick
