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
    trap(100, [&] { exists = fileExists(path); });
    if (!exists) {
        trap(116, [&] { dialogs.showMessage(appTitle, QCoreApplication::translate("Tidewick", "File not found"), MessageIcon::None); });
        return;
    }

    const QString name = QDir::toNativeSeparators(path);
    bool tooLarge = false;
    QStringList lines;
    trap(102, [&] {
        tooLarge = QFileInfo(path).size() > kLargestKeywordFile;
        if (!tooLarge)
            lines = TextFileReader().ReadTextFileToArray(path);
    });
    if (tooLarge) {
        trap(102, [&] {
            dialogs.showMessage(appTitle,
                                QCoreApplication::translate("Tidewick", "%1 was not loaded: it is larger than a keyword list can be (%2 MB).")
                                    .arg(name)
                                    .arg(kLargestKeywordFile >> 20),
                                MessageIcon::None);
        });
        return;
    }
    // 104-110: the lines worth a row; 112: all of them at once.
    qsizetype tooLong = 0;
    trap(104, [&] {
        lines.removeIf(holdsOnlySpaces);
        tooLong = lines.removeIf([](const QString &line) { return !keywordFitsInQuery(line); });
    });
    trap(112, [&] { list.append(lines); });
    if (tooLong > 0) {
        trap(114, [&] {
            const QString said = tooLong == 1
                ? QCoreApplication::translate("Tidewick", "1 line of %1 was left out: a keyword can be at most %2 "
                                                          "characters long.")
                      .arg(name, QLocale().toString(kLongestKeyword))
                : QCoreApplication::translate("Tidewick", "%1 lines of %2 were left out: a keyword can be at most %3 "
                                                          "characters long.")
                      .arg(QLocale().toString(tooLong), name, QLocale().toString(kLongestKeyword));
            dialogs.showMessage(appTitle, said, MessageIcon::None);
        });
    }
}

} // namespace tidewick
