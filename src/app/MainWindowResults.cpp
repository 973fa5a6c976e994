#include "app/MainWindow.h"

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

namespace {

// "All Files" shows every file: "*.*" would hide the names without a dot.
QStringList listFileFilters()
{
    return {QCoreApplication::translate("Tidewick", "Text Files (*.txt)"),
            QCoreApplication::translate("Tidewick", "All Files (*)")};
}

} // namespace

void MainWindow::connectResultHandlers()
{
    connect(saveResultsButton, &QPushButton::clicked, this, &MainWindow::onSaveResultsClicked);
    connect(clearResultsButton, &QPushButton::clicked, this, &MainWindow::onClearResultsClicked);
    resultsActions = new ResultsListActions(*resultsList, [this](const QUrl &link) { return openLink(link); });
    resultsActions->setObjectName(QStringLiteral("resultsActions"));
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
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton2_Click"));
    trap(100, [&] { resultsList->rows().clear(); });
}

// Save Results.
void MainWindow::onSaveResultsClicked()
{
    Dialogs &dialogs = *m_services.dialogs;
    // Said before the file name is asked for, so nobody picks a file for
    // nothing.
    if (resultsList->count() == 0) {
        dialogs.showMessage(appTitle(), tr("There are no results to save."), MessageIcon::None);
        return;
    }

    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton1_Click"));
    // 106-112 set the dialog up: the dialog takes its title and filters with
    // the call, and never warns about overwriting nor adds an extension.
    QString name;
    trap(114, [&] { name = dialogs.chooseFileToSave(tr("Save List"), listFileFilters()); });
    // 116-118: the chosen name; none when cancelled.
    if (name.isEmpty())
        return;

    bool exists = false;
    trap(120, [&] { exists = fileExists(name); });
    // A device or a named pipe is no file to replace; it is not even asked
    // about.
    if (exists && isSpecialFile(name)) {
        dialogs.showMessage(appTitle(),
                            name + tr(" is not a regular file (a device or a named pipe, say), so the "
                                                  "results cannot be saved there. Please choose another name."),
                            MessageIcon::Exclamation);
        return;
    }
    bool overwrite = true; // 124: a new name needs no question
    if (exists) {
        trap(122, [&] {
            overwrite = dialogs.askYesNo(appTitle(), tr("Are you sure you wish to overwrite ") + name
                                                         + tr(" ?"));
        });
    }
    // 126
    if (!overwrite)
        return;

    // The save goes on between other events: another import or save may
    // start meanwhile, and whoever started the busy pointer ends it.
    const bool wasBusy = isBusy();
    trap(128, [&] { setBusy(true); });
    ListFileSave *save = nullptr;
    trap(130, [&] { save = new ListFileSave(resultsList->rows().header(), resultsList->rows().texts(), name, this); });
    const auto finish = [this, wasBusy](const QString &failure) {
        Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton1_Click"));
        if (!failure.isEmpty())
            trap(130, [&] { throw AppError(failure); });
        trap(132, [&] {
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
