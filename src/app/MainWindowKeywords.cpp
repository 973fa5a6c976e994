#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "core/KeywordLimits.h"
#include "ui/ReportList.h"
#include "core/ValueConversion.h"
#include "keywords/KeywordImport.h"
#include "ui/KeywordListEvents.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QLocale>

namespace tidewick {

namespace {

const QStringList kSampleKeywords = {QStringLiteral("Tesla"), QStringLiteral("Perseverance"),
                                     QStringLiteral("COVID-19")};

// "All Files" shows every file: "*.*" would hide the names without a dot.
QStringList listFileFilters()
{
    return {QCoreApplication::translate("Tidewick", "Text Files (*.txt)"),
            QCoreApplication::translate("Tidewick", "All Files (*)")};
}

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
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton3_Click"));
    QString keyword;
    trap(100, [&] { keyword = m_services.dialogs->askText(appTitle(), tr("Enter one keyword:")); });
    bool cancelled = true;
    trap(102, [&] { cancelled = keyword.isEmpty(); });
    if (cancelled)
        return;
    if (const QString refusal = keywordRefusal(keyword); !refusal.isEmpty()) {
        trap(106, [&] { m_services.dialogs->showMessage(appTitle(), refusal, MessageIcon::None); });
        return;
    }
    trap(104, [&] { keywordList->rows().append(keyword); });
}

// Clear List (keywords): refused while the window is busy, since a save or a
// fetch may be walking the lists; the results stay.
void MainWindow::onClearKeywordsClicked()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton11_Click"));
    trap(100, [&] {
        if (!isBusy())
            keywordList->rows().clear();
    });
}

// Removes the selected keyword, unless the window is busy or nothing is
// selected. The Delete key comes here too.
void MainWindow::onKeywordDoubleClicked()
{
    if (isBusy() || keywordList->count() == 0)
        return;
    const int row = keywordList->selectedRow();
    if (row >= 0)
        keywordList->rows().removeAt(row);
}

// Load Sample/Example Data: the same three keywords after whatever is there.
void MainWindow::onSampleKeywordsClicked()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton7_Click"));
    for (int i = 0; i < kSampleKeywords.size(); ++i)
        trap(100 + 2 * i, [&] { keywordList->rows().append(kSampleKeywords.at(i)); });
}

// Load List From Text File.
void MainWindow::onImportKeywordsClicked()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton4_Click"));
    // 100-106 set the dialog up: the dialog takes its title and filters with
    // the call. It gives whole paths, as many as were chosen, in its order.
    QStringList paths;
    trap(108, [&] {
        paths = m_services.dialogs->chooseFilesToOpen(
            tr("Load List(s) - Hold Ctrl to select multiple list files"), listFileFilters());
    });
    // 110: nothing chosen.
    importKeywordFiles(paths);
}

// The import of the files chosen with the button or dropped on the list:
// every file in turn, after what the list holds, under the busy pointer.
void MainWindow::importKeywordFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton4_Click"));
    // An import that starts while a save keeps the window busy (from a drop,
    // or a click while the save goes on) must not end that save's protection.
    const bool wasBusy = isBusy();
    trap(114, [&] { setBusy(true); });
    const int line = paths.size() == 1 ? 120 : 134;
    for (const QString &path : paths)
        trap(line, [&] { importKeywordFile(keywordList->rows(), path, *m_services.dialogs, m_reporter, appTitle()); });
    trap(138, [&] {
        if (!wasBusy)
            setBusy(false);
    });
}

} // namespace tidewick
