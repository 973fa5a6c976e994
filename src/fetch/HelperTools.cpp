#include "fetch/HelperTools.h"

#include "core/AppError.h"
#include "core/ProgramState.h"
#include "core/FileHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cerrno>
#include <limits>
#include <signal.h>
#include <unistd.h>

namespace tidewick {

namespace {
QString findHelper(const QString &name, const QString &package)
{
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        throw AppError(QCoreApplication::translate("Tidewick", "File not found: the helper program \"%1\" is not on PATH"
                                      " (install the package \"%2\")")
                           .arg(name, package));
    return path;
}

const QString kWorkFolderPrefix = QStringLiteral("tidewick-");

// The process that made a work folder "tidewick-<pid>-XXXXXX" (the six
// letters and digits QTemporaryDir puts in), or 0 for any other name.
qint64 ownerOf(const QString &folderName)
{
    static const QRegularExpression name(QStringLiteral("^tidewick-([1-9][0-9]{0,9})-[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch match = name.match(folderName);
    const qint64 pid = match.hasMatch() ? match.captured(1).toLongLong() : 0;
    return pid <= std::numeric_limits<pid_t>::max() ? pid : 0;
}

// A folder of that name is one of ours only when it carries our mark: a user
// may keep folders of a look-alike name in the same place.
bool carriesMark(const QFileInfo &folder)
{
    return QFileInfo(QDir(folder.filePath()).filePath(kWorkFolderMark)).isFile();
}

bool processIsRunning(qint64 pid)
{
    // EPERM: the process exists but belongs to someone else.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Work files live in a folder of their own that only this user can enter,
// made fresh for every run: nobody can plant a link under their names, and
// two running copies never share them. The name carries this process, so a
// later start can tell the folder of a crashed run from a running one's.
QString ensureWorkFolder(ProgramState &globals)
{
    if (!globals.workFolder.isEmpty() && QDir(globals.workFolder).exists())
        return globals.workFolder;
    const QString parent = temporaryFolder();
    if (globals.workFolder.isEmpty())
        removeAbandonedWorkFolders(parent);
    const QString name = kWorkFolderPrefix + QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-XXXXXX");
    QTemporaryDir folder(QDir(parent).filePath(name));
    // Named, so the user knows which setting (TEMP, TMPDIR) to look at.
    if (!folder.isValid())
        throw AppError(QCoreApplication::translate("Tidewick", "Path/File access error: %1 (%2)").arg(parent, folder.errorString()));
    QFile mark(QDir(folder.path()).filePath(kWorkFolderMark));
    if (!mark.open(QIODevice::WriteOnly))
        throw AppError(QCoreApplication::translate("Tidewick", "Path/File access error: %1 (%2)").arg(folder.path(), mark.errorString()));
    folder.setAutoRemove(false);
    globals.workFolder = folder.path();
    return globals.workFolder;
}
} // namespace

QString temporaryFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("TEMP");
    return fromEnvironment.isEmpty() ? QDir::tempPath() : fromEnvironment;
}

void removeAbandonedWorkFolders(const QString &parent)
{
    const QFileInfoList folders =
        QDir(parent).entryInfoList({kWorkFolderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &folder : folders) {
        const qint64 owner = ownerOf(folder.fileName());
        if (owner == 0 || folder.isSymLink() || folder.ownerId() != ::getuid() || !carriesMark(folder)
            || processIsRunning(owner))
            continue;
        QDir(folder.filePath()).removeRecursively();
    }
}

void writeCurlFiles(ProgramState &globals)
{
    const QString curl = findHelper(QStringLiteral("curl"), QStringLiteral("curl"));
    const QString folder = ensureWorkFolder(globals);
    globals.curlCommand = curl;
    globals.messagePath = QDir(folder).filePath(QStringLiteral("message.txt"));
}

void writeAnsiFilter(ProgramState &globals)
{
    const QString ansifilter = findHelper(QStringLiteral("ansifilter"), QStringLiteral("ansifilter"));
    const QString folder = ensureWorkFolder(globals);
    globals.ansiFilterCommand = ansifilter;
    globals.cleanPath = QDir(folder).filePath(QStringLiteral("clean.txt"));
}

void deleteCurlFiles(ProgramState &globals)
{
    deleteFileSafe(globals.messagePath);
}

void deleteAnsiFilter(ProgramState &globals)
{
    deleteFileSafe(globals.cleanPath);
    if (!globals.workFolder.isEmpty())
        QDir(globals.workFolder).removeRecursively();
}

QString urlSafeTarget(const QString &target)
{
    QString safe;
    safe.reserve(target.size());
    for (const QChar c : target) {
        const char16_t unit = c.unicode();
        if (unit == u'#' || unit == u'?' || unit == u' ' || unit < 0x20 || unit == 0x7f)
            safe += QString::asprintf("%%%02X", unsigned(unit));
        else
            safe += c;
    }
    return safe;
}

QStringList curlArguments(const QString &target, const QString &messagePath, int timeLimitSeconds)
{
    // -q, which curl takes only as its first argument: no configuration file
    // of the user's (a .curlrc asking for retries, say) changes what is sent.
    // --globoff: brackets and braces in a keyword are text, not a pattern that
    // would turn one query into hundreds. --path-as-is: a keyword "../x" stays
    // in the path instead of climbing out of it. --url: the target is never
    // read as an option. A service that never answers or answers without end
    // costs one failed request, nothing more.
    return {QStringLiteral("-q"),
            QStringLiteral("--globoff"),
            QStringLiteral("--path-as-is"),
            QStringLiteral("--max-time"),
            QString::number(timeLimitSeconds),
            QStringLiteral("--max-filesize"),
            QString::number(kAnswerSizeLimit),
            QStringLiteral("--url"),
            urlSafeTarget(target),
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
