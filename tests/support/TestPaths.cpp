#include "TestPaths.h"

#include "fetch/HelperTools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace tidewick::test {

QString sourceDir()
{
    const QString fromEnvironment = qEnvironmentVariable("TIDEWICK_SOURCE_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QStringLiteral(".");
}

QString listingFixturesDir()
{
    return sourceDir() + QStringLiteral("/tests/fixtures/news-listings");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

QStringList entriesOf(const QString &folder)
{
    QStringList entries = QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    entries.removeOne(kWorkFolderMark);
    return entries;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace tidewick::test
