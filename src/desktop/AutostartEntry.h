#pragma once

#include <QString>

namespace tidewick {

// Starting the program at log-on, through an XDG autostart entry in the
// user's autostart folder ($XDG_CONFIG_HOME/autostart). Failures are not
// shown: the box and the setting keep the user's choice either way.

// The user's autostart folder.
QString autostartFolder();
// The entry's path in `folder` (named after the program).
QString autostartEntryPath(const QString &folder);
// The desktop entry that starts `executable` (an absolute path), quoted by the
// desktop-entry rules so blanks and special characters survive.
QString autostartEntryText(const QString &executable);
// Quotes one argument for an Exec line of a desktop entry.
QString quoteExecArgument(const QString &argument);

// Writes the entry for `executable` into `folder`; false on failure.
bool addAutostartEntry(const QString &folder, const QString &executable);
// Deletes the entry; a missing entry is no failure.
bool removeAutostartEntry(const QString &folder);

} // namespace tidewick
