#pragma once

#include <QString>

namespace tidewick {

// Starting the program at log-on, through an XDG autostart entry in the
// user's autostart folder ($XDG_CONFIG_HOME/autostart).

// The user's autostart folder.
QString autostartFolder();
// The entry's path in `folder` (named after the program).
QString autostartEntryPath(const QString &folder);
// The desktop entry that starts `executable` (an absolute path), quoted by the
// desktop-entry rules so blanks and special characters survive.
QString autostartEntryText(const QString &executable);
// Quotes one argument for an Exec line of a desktop entry. A tab, line feed
// or carriage return becomes its escape sequence; the other control
// characters have none, see canStartFromAutostart().
QString quoteExecArgument(const QString &argument);
// False for a path that holds a control character a desktop entry cannot
// carry (anything but tab, line feed and carriage return).
bool canStartFromAutostart(const QString &executable);

// Writes the entry for `executable` into `folder`. On failure returns false
// and, when `problem` is given, says why in words for the user.
bool addAutostartEntry(const QString &folder, const QString &executable, QString *problem = nullptr);
// Deletes the entry; a missing entry is no failure.
bool removeAutostartEntry(const QString &folder, QString *problem = nullptr);

} // namespace tidewick
