#include "app/MainWindow.h"

#include "app/HandlerStatements.h"
#include "core/Dialogs.h"
#include "core/KeywordLimits.h"
#include "ui/ReportList.h"
#include "core/ValueConversion.h"
#include "keywords/KeywordImport.h"
#include "keywords/WatchListModel.h"
#include "schedule/NewsWatch.h"
#include "ui/KeywordListEvents.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QLocale>

namespace tidewick {

namespace {

const QStringList kSampleKeywords = {QStringLiteral("Tesla"), QStringLiteral("Perseverance"),
                                     QStringLiteral("COVID-19")};

// Why a typed keyword is not added, or nothing: one longer than a query can
// carry could never be fetched, and one holding a line break or a
// text-direction control would not be fetched as the list shows it.
QString keywordRefusal(const QString &keyword)
{
    if (!keywordFitsInQuery(trimBlanks(keyword)))
        return MainWindow::tr("This keyword is %1 characters long. A keyword can be at most %2 characters long; it "
                              "was not added.")
            .arg(QLocale().toString(keyword.size()), QLocale().toString(kLongestKeyword));
    if (const QString forbidden = keywordForbiddenCharacter(keyword); !forbidden.isEmpty())
        return MainWindow::tr("This keyword holds %1, which a keyword cannot hold; it was not added.").arg(forbidden);
    return {};
}

} // namespace

void MainWindow::connectKeywordHandlers()
{
    connect(addKeywordButton, &QPushButton::clicked, this, &MainWindow::onAddKeywordClicked);
    connect(importKeywordsButton, &QPushButton::clicked, this, &MainWindow::onImportKeywordsClicked);
    connect(clearKeywordsButton, &QPushButton::clicked, this, &MainWindow::onClearKeywordsClicked);
    connect(sampleKeywordsButton, &QPushButton::clicked, this, &MainWindow::onSampleKeywordsClicked);
    new KeywordListEvents(*keywordList, {
                                          [this] { onKeywordDoubleClicked(); },
                                          [this](const QStringList &paths) { importKeywordFiles(paths); },
                                      });
}

// Add One Keyword: the text exactly as typed, spaces and repeats included.
void MainWindow::onAddKeywordClicked()
{
    using namespace statements::addKeyword;
    Trap trap(errorReporter(), statements::kModule, kProcedure);
    QString keyword;
    trap(kAsk, [&] { keyword = m_services.dialogs->askText(appTitle(), tr("Enter one keyword:")); });
    bool cancelled = true;
    trap(kCancelled, [&] { cancelled = keyword.isEmpty(); });
    if (cancelled)
        return;
    if (const QString refusal = keywordRefusal(keyword); !refusal.isEmpty()) {
        trap(kRefuse, [&] { m_services.dialogs->showMessage(appTitle(), refusal, MessageIcon::None); });
        return;
    }
    trap(kAdd, [&] { m_news->watch().keywords().append(keyword); });
}

// Clear List (keywords): refused while the window is busy, since a save or a
// fetch may be walking the lists; the results stay.
void MainWindow::onClearKeywordsClicked()
{
    using namespace statements::clearKeywords;
    Trap(errorReporter(), statements::kModule, kProcedure)(kClear, [&] {
        if (!isBusy())
            m_news->watch().keywords().clear();
    });
}

// Removes the selected keyword, unless the window is busy or nothing is
// selected. The Delete key comes here too.
void MainWindow::onKeywordDoubleClicked()
{
    ReportListModel &keywords = m_news->watch().keywords();
    if (isBusy() || keywords.count() == 0)
        return;
    const int row = keywordList->selectedRow();
    if (row >= 0)
        keywords.removeAt(row);
}

// Load Sample/Example Data: the same three keywords after whatever is there.
void MainWindow::onSampleKeywordsClicked()
{
    using namespace statements::sampleKeywords;
    Trap trap(errorReporter(), statements::kModule, kProcedure);
    for (int i = 0; i < kSampleKeywords.size(); ++i)
        trap(kFirstSample + 2 * i, [&] { m_news->watch().keywords().append(kSampleKeywords.at(i)); });
}

// Load List From Text File: the dialog gives whole paths, as many as were
// chosen, in its order; none when it was cancelled.
void MainWindow::onImportKeywordsClicked()
{
    using namespace statements::importKeywords;
    QStringList paths;
    Trap(errorReporter(), statements::kModule, kProcedure)(kChooseFiles, [&] {
        paths = m_services.dialogs->chooseFilesToOpen(tr("Load List(s) - Hold Ctrl to select multiple list files"),
                                                      textFileFilters());
    });
    importKeywordFiles(paths);
}

// The import of the files chosen with the button or dropped on the list:
// every file in turn, after what the list holds, under the busy pointer.
void MainWindow::importKeywordFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    using namespace statements::importKeywords;
    Trap trap(errorReporter(), statements::kModule, kProcedure);
    // An import that starts while a save keeps the window busy (from a drop,
    // or a click while the save goes on) must not end that save's protection.
    const bool wasBusy = isBusy();
    trap(kBusy, [&] { setBusy(true); });
    const int line = paths.size() == 1 ? kOneFile : kEachFile;
    for (const QString &path : paths)
        trap(line, [&] {
            importKeywordFile(m_news->watch().keywords(), path, *m_services.dialogs, errorReporter(), appTitle());
        });
    trap(kIdle, [&] {
        if (!wasBusy)
            setBusy(false);
    });
}

} // namespace tidewick
