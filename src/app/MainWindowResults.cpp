#include "app/MainWindow.h"

#include "app/HandlerStatements.h"
#include "schedule/NewsWatch.h"

#include "core/Clock.h"
#include "core/Dialogs.h"
#include "ui/ReportList.h"
#include "core/FileHelpers.h"
#include "app/ResultsListActions.h"
#include "results/ListFileSave.h"
#include "results/ResultsFile.h"

#include <QCoreApplication>
#include <QPushButton>

namespace tidewick {

void MainWindow::connectResultHandlers()
{
    connect(saveResultsButton, &QPushButton::clicked, this, &MainWindow::onSaveResultsClicked);
    connect(clearResultsButton, &QPushButton::clicked, this, &MainWindow::onClearResultsClicked);
    resultsActions = new ResultsListActions(*resultsList, [this](const QUrl &link) { return openLink(link); });
    resultsActions->setObjectName(QStringLiteral("resultsActions"));
    // A screen reader learns how many articles are listed on asking, as a
    // sighted user sees it.
    const QAbstractItemModel *shown = resultsList->model();
    const auto sayCount = [this] {
        resultsList->setAccessibleDescription(tr("%Ln article(s) listed", nullptr, resultsList->model()->rowCount()));
    };
    connect(shown, &QAbstractItemModel::rowsInserted, this, sayCount);
    connect(shown, &QAbstractItemModel::rowsRemoved, this, sayCount);
    connect(shown, &QAbstractItemModel::modelReset, this, sayCount);
    connect(shown, &QAbstractItemModel::layoutChanged, this, sayCount);
    sayCount();
}

// A link the desktop cannot hand to a browser is said, not dropped.
bool MainWindow::openLink(const QUrl &link)
{
    if (m_services.openLink && m_services.openLink(link))
        return true;
    m_services.dialogs->showMessage(appTitle(),
                                    tr("The link %1 could not be opened: the desktop found no program "
                                                   "for web pages, or it did not start.")
                                        .arg(link.toString()),
                                    MessageIcon::Exclamation);
    return false;
}

// Clear List (results): at once, busy or not. A save that runs meanwhile
// goes on with the rows it started with.
void MainWindow::onClearResultsClicked()
{
    using namespace statements::clearResults;
    Trap(errorReporter(), statements::kModule, kProcedure)(kClear, [&] { m_news->found().clear(); });
}

// Save Results.
void MainWindow::onSaveResultsClicked()
{
    Dialogs &dialogs = *m_services.dialogs;
    // Said before the file name is asked for, so nobody picks a file for
    // nothing.
    // What is listed: the rows the filter shows.
    const QStringList listed = resultsList->shownTexts();
    if (listed.isEmpty()) {
        dialogs.showMessage(appTitle(), tr("There are no results to save."), MessageIcon::None);
        return;
    }

    using namespace statements::saveResults;
    Trap trap(errorReporter(), statements::kModule, kProcedure);
    // The dialog never warns about overwriting nor adds an extension; it
    // gives no name when cancelled.
    QString name;
    trap(kChooseFile, [&] { name = dialogs.chooseFileToSave(tr("Save List"), textFileFilters()); });
    if (name.isEmpty())
        return;

    bool exists = false;
    trap(kLookForFile, [&] { exists = fileExists(name); });
    // A device or a named pipe is no file to replace; it is not even asked
    // about.
    if (exists && isSpecialFile(name)) {
        dialogs.showMessage(appTitle(),
                            tr("%1 is not a regular file (a device or a named pipe, say), so the results cannot be "
                               "saved there. Please choose another name.")
                                .arg(name),
                            MessageIcon::Exclamation);
        return;
    }
    bool overwrite = true; // a new name needs no question
    if (exists) {
        trap(kAskOverwrite, [&] {
            overwrite = dialogs.askYesNo(appTitle(), tr("Are you sure you wish to overwrite %1 ?").arg(name));
        });
    }
    if (!overwrite)
        return;

    // The save goes on between other events: another import or save may
    // start meanwhile, and whoever started the busy pointer ends it.
    const bool wasBusy = isBusy();
    trap(kBusy, [&] { setBusy(true); });
    ListFileSave *save = nullptr;
    trap(kSave, [&] { save = new ListFileSave(m_news->results().header(), listed, name, this); });
    const auto finish = [this, wasBusy](const QString &failure) {
        Trap trap(errorReporter(), statements::kModule, kProcedure);
        if (!failure.isEmpty())
            trap(kSave, [&] { throw AppError(failure); });
        trap(kIdle, [&] {
            if (!wasBusy)
                setBusy(false);
        });
    };
    if (!save)
        return finish(QString());
    connect(save, &ListFileSave::finished, this, [save, finish](const QString &failure) {
        save->deleteLater();
        finish(failure);
    });
}

} // namespace tidewick
