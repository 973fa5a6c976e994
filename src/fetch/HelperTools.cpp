#include "fetch/HelperTools.h"

#include "app/AppError.h"
#include "app/Globals.h"
#include "fetch/FileHelpers.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tidewick {

namespace {
QString findHelper(const QString &name, const QString &package)
{
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        throw AppError(QStringLiteral("File not found: the helper program \"%1\" is not on PATH"
                                      " (install the package \"%2\")")
                           .arg(name, package));
    return path;
}

// Work files live in a folder of their own that only this user can enter,
// made fresh for every run: nobody can plant a link under their names, and
// two running copies never share them.
QString ensureWorkFolder(Globals &globals)
{
    if (!globals.WorkFolder.isEmpty() && QDir(globals.WorkFolder).exists())
        return globals.WorkFolder;
    QTemporaryDir folder(QDir(temporaryFolder()).filePath(QStringLiteral("tidewick-XXXXXX")));
    if (!folder.isValid())
        throw AppError(QStringLiteral("Path/File access error: %1").arg(folder.errorString()));
    folder.setAutoRemove(false);
    globals.WorkFolder = folder.path();
    return globals.WorkFolder;
}
} // namespace

QString temporaryFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("TEMP");
    return fromEnvironment.isEmpty() ? QDir::tempPath() : fromEnvironment;
}

void WriteCurlFiles(Globals &globals)
{
    const QString curl = findHelper(QStringLiteral("curl"), QStringLiteral("curl"));
    const QString folder = ensureWorkFolder(globals);
    globals.CurlCommand = curl;
    globals.MessagePath = QDir(folder).filePath(QStringLiteral("message.txt"));
}

void WriteAnsiFilter(Globals &globals)
{
    const QString ansifilter = findHelper(QStringLiteral("ansifilter"), QStringLiteral("ansifilter"));
    const QString folder = ensureWorkFolder(globals);
    globals.AnsiFilterCommand = ansifilter;
    globals.CleanPath = QDir(folder).filePath(QStringLiteral("clean.txt"));
}

void DeleteCurlFiles(Globals &globals)
{
    DeleteFileSafe(globals.MessagePath);
}

void DeleteAnsiFilter(Globals &globals)
{
    DeleteFileSafe(globals.CleanPath);
    if (!globals.WorkFolder.isEmpty())
        QDir(globals.WorkFolder).removeRecursively();
}

QStringList curlArguments(const QString &target, const QString &messagePath, int timeLimitSeconds)
{
    // --globoff: brackets and braces in a keyword are text, not a pattern that
    // would turn one query into hundreds. A service that never answers or
    // answers without end costs one failed request, nothing more.
    return {QStringLiteral("--globoff"),
            QStringLiteral("--max-time"),
            QString::number(timeLimitSeconds),
            QStringLiteral("--max-filesize"),
            QString::number(kAnswerSizeLimit),
            target,
            QStringLiteral("--output"),
            messagePath};
}

QStringList ansiFilterArguments(const QString &messagePath, const QString &cleanPath)
{
    // -c: strip colour codes only; without it bytes inside UTF-8 characters
    // are taken for terminal controls and text is lost.
    return {QStringLiteral("-c"), QStringLiteral("-i"), messagePath, QStringLiteral("-o"), cleanPath};
}

} // namespace tidewick
