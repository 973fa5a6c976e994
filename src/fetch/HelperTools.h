#pragma once

#include <QString>
#include <QStringList>

namespace tidewick {

struct ProgramState;

// The temporary folder: TEMP when set, else the platform's.
QString temporaryFolder();

// Finds curl on PATH and makes the private work folder for the raw answer;
// sets curlCommand and messagePath. Throws AppError naming a missing program
// or a folder that cannot be made.
void writeCurlFiles(ProgramState &globals);
// Finds ansifilter on PATH; sets ansiFilterCommand and cleanPath.
void writeAnsiFilter(ProgramState &globals);
// Removes the work folders that earlier runs of this user left in `parent`
// without tidying up (a crash, a kill). A folder's name carries the process
// that made it, and the folder holds the file kWorkFolderMark; a folder whose
// process still runs is never touched, nor one without name or mark.
void removeAbandonedWorkFolders(const QString &parent);
inline const QString kWorkFolderMark = QStringLiteral(".tidewick-work-folder");

// Delete the work files (at shutdown); the second also removes the folder.
void deleteCurlFiles(ProgramState &globals);
void deleteAnsiFilter(ProgramState &globals);

// The largest answer a query may bring.
inline constexpr qint64 kAnswerSizeLimit = 4 * 1024 * 1024;

// The target as curl must be given it to request exactly that path: the
// characters curl would take for URL syntax ("#", "?") or refuse (controls,
// the blank) are percent-encoded; everything else is left to curl. A "%" is
// left as it is: the keyword's own are encoded already (keywordInPath).
QString urlSafeTarget(const QString &target);
// Arguments for one query: fetch `target` into `messagePath`, giving up after
// `timeLimitSeconds`.
QStringList curlArguments(const QString &target, const QString &messagePath, int timeLimitSeconds = 60);
// Arguments to strip the colour codes of `messagePath` into `cleanPath`.
QStringList ansiFilterArguments(const QString &messagePath, const QString &cleanPath);

} // namespace tidewick
