#pragma once

#include <QString>
#include <QStringList>

namespace tidewick::test {

// The project's source folder (for fixtures and tools).
QString sourceDir();
// tests/fixtures/news-listings in the source folder.
QString listingFixturesDir();
// Writes bytes to a file, creating folders; fails the test on error.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
// Everything in a folder, hidden entries too, but a work folder's mark.
QStringList entriesOf(const QString &folder);

} // namespace tidewick::test
