#include "keywords/KeywordImport.h"

#include "core/Dialogs.h"
#include "core/ErrorReport.h"
#include "core/ReportListModel.h"
#include "core/FileHelpers.h"
#include "core/KeywordLimits.h"
#include "keywords/TextFileReader.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <QCoreApplication>
#include <QLocale>

namespace tidewick {

namespace {

// The numbered statements of the import, as error reports name them
// ("FileToListview1.FileToListview").
constexpr int kLookForFile = 100, kRead = 102, kKeepKeywords = 104, kAppend = 112, kTellLeftOut = 114,
              kTellNotFound = 116;

bool holdsOnlySpaces(const QString &line)
{
    return std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c == u' '; });
}

} // namespace

void importKeywordFile(ReportListModel &list, const QString &path, Dialogs &dialogs, ErrorReporter &reporter,
                    const QString &appTitle)
{
    Trap trap(reporter, QStringLiteral("FileToListview1"), QStringLiteral("FileToListview"));

    bool exists = false;
    trap(kLookForFile, [&] { exists = fileExists(path); });
    if (!exists) {
        trap(kTellNotFound, [&] { dialogs.showMessage(appTitle, QCoreApplication::translate("Tidewick", "File not found"), MessageIcon::None); });
        return;
    }

    const QString name = QDir::toNativeSeparators(path);
    bool tooLarge = false;
    QStringList lines;
    trap(kRead, [&] {
        tooLarge = QFileInfo(path).size() > kLargestKeywordFile;
        if (!tooLarge)
            lines = TextFileReader().ReadTextFileToArray(path);
    });
    if (tooLarge) {
        trap(kRead, [&] {
            dialogs.showMessage(appTitle,
                                QCoreApplication::translate("Tidewick", "%1 was not loaded: it is larger than a keyword list can be (%2 MB).")
                                    .arg(name)
                                    .arg(kLargestKeywordFile >> 20),
                                MessageIcon::None);
        });
        return;
    }
    // The lines worth a row, then all of them at once.
    qsizetype tooLong = 0;
    trap(kKeepKeywords, [&] {
        lines.removeIf(holdsOnlySpaces);
        tooLong = lines.removeIf([](const QString &line) { return !keywordFitsInQuery(line); });
    });
    trap(kAppend, [&] { list.append(lines); });
    if (tooLong > 0) {
        trap(kTellLeftOut, [&] {
            const QString said =
                QCoreApplication::translate("Tidewick", "%Ln line(s) of %1 were left out: a keyword can be at most "
                                                        "%2 characters long.", nullptr, int(tooLong))
                    .arg(name, QLocale().toString(kLongestKeyword));
            dialogs.showMessage(appTitle, said, MessageIcon::None);
        });
    }
}

} // namespace tidewick
