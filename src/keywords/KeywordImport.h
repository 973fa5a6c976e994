#pragma once

#include <QString>
#include <QtGlobal>

namespace tidewick {

class Dialogs;
class ErrorReporter;
class ReportListModel;

// Far more than any real keyword list; reading a larger file (a disk image,
// a file of zero bytes) would only fill the memory.
inline constexpr qint64 kLargestKeywordFile = qint64(64) << 20;

// Appends the lines of a text file to a list, one row per line, in file
// order, after the rows it already holds. A line that is empty or holds only
// spaces (U+0020) is skipped; any other line is added unchanged, its own
// spaces kept and a line of tabs counting as text. Nothing checks for
// duplicates.
//
// The file is read by TextFileReader, which chooses the decoding by its
// byte-order mark. A path that does not exist gives "File not found" in a
// message box (OK, no icon, `appTitle`); a file that cannot be read gives the
// standard error report of "FileToListview1.FileToListview" and adds nothing.
// The lines reach the list in one batch, so a file of a million keywords
// costs one insertion.
//
// What a file may cost is bounded: a file larger than kLargestKeywordFile is
// refused with a message before a byte of it is read, and a line too long to
// ever be queried (see keywordFitsInQuery) is left out, said once per file.
void importKeywordFile(ReportListModel &list, const QString &path, Dialogs &dialogs, ErrorReporter &reporter,
                    const QString &appTitle);

} // namespace tidewick
