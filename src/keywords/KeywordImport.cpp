#include "keywords/KeywordImport.h"

#include "core/Dialogs.h"
#include "core/ErrorReport.h"
#include "core/ReportList.h"
#include "core/FileHelpers.h"
#include "keywords/TextFileReader.h"

#include <algorithm>

namespace tidewick {

namespace {

bool holdsOnlySpaces(const QString &line)
{
    return std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c == u' '; });
}

} // namespace

void importKeywordFile(ReportList &list, const QString &path, Dialogs &dialogs, ErrorReporter &reporter,
                    const QString &appTitle)
{
    Trap trap(reporter, QStringLiteral("FileToListview1"), QStringLiteral("FileToListview"));

    bool exists = false;
    trap(100, [&] { exists = fileExists(path); });
    if (!exists) {
        trap(116, [&] { dialogs.showMessage(appTitle, QStringLiteral("File not found"), MessageIcon::None); });
        return;
    }

    QStringList lines;
    trap(102, [&] { lines = TextFileReader().ReadTextFileToArray(path); });
    // 104-110: the lines worth a row; 112: all of them at once.
    trap(104, [&] { lines.removeIf(holdsOnlySpaces); });
    trap(112, [&] { list.rows().append(lines); });
}

} // namespace tidewick
