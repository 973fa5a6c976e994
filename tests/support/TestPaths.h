#pragma once

#include <QString>

namespace tidewick::test {

// The project's source folder (for fixtures and tools).
QString sourceDir();
// tests/fixtures/news-listings in the source folder.
QString listingFixturesDir();
// Writes bytes to a file, creating folders; fails the test on error.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace tidewick::test
