#pragma once

#include <QString>

namespace tidewick {

// True when the path names an existing file or folder; false on any error,
// the empty path included.
bool fileExists(const QString &path);

// Deletes the file, read-only or not. Every error is swallowed; a missing
// file is no error.
void deleteFileSafe(const QString &path);

// Replaces the file at `path` by one holding `bytes`, as a whole or not at
// all: the old file stays as it was when anything fails. Returns why it
// failed, in the system's words, or the empty text.
QString saveWholeFile(const QString &path, const QByteArray &bytes);

// Where a damaged file at `path` can be kept aside: "<path>.broken", or
// ".broken2" and on where earlier ones took that; empty when all are taken.
QString asideName(const QString &path);

} // namespace tidewick
