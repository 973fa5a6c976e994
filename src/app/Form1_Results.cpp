#include "app/Form1.h"

#include "app/Clock.h"
#include "app/Dialogs.h"
#include "app/ReportList.h"
#include "fetch/FileHelpers.h"
#include "results/ResultsFile.h"

#include <QPushButton>

namespace tidewick {

namespace {

// "All Files" shows every file: "*.*" would hide the names without a dot.
const QStringList kListFileFilters = {QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")};

} // namespace

void Form1::connectResultHandlers()
{
    connect(PushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
}

// Clear List (results): at once, busy or not. A save that runs meanwhile
// goes on with the rows it started with.
void Form1::PushButton2_Click()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton2_Click"));
    trap(100, [&] { ListView1->rows().clear(); });
}

// Save Results.
void Form1::PushButton1_Click()
{
    Dialogs &dialogs = *m_services.dialogs;
    // Said before the file name is asked for, so nobody picks a file for
    // nothing.
    if (ListView1->count() == 0) {
        dialogs.showMessage(appTitle(), QStringLiteral("There are no results to save."), MessageIcon::None);
        return;
    }

    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton1_Click"));
    // 106-112 set the dialog up: the dialog takes its title and filters with
    // the call, and never warns about overwriting nor adds an extension.
    QString name;
    trap(114, [&] { name = dialogs.chooseFileToSave(QStringLiteral("Save List"), kListFileFilters); });
    // 116-118: the chosen name; none when cancelled.
    if (name.isEmpty())
        return;

    bool exists = false;
    trap(120, [&] { exists = FileExists(name); });
    bool overwrite = true; // 124: a new name needs no question
    if (exists) {
        trap(122, [&] {
            overwrite = dialogs.askYesNo(appTitle(), QStringLiteral("Are you sure you wish to overwrite ") + name
                                                         + QStringLiteral(" ?"));
        });
    }
    // 126
    if (!overwrite)
        return;

    // The save yields to the window while it runs, so another import or save
    // may start meanwhile; whichever started the busy pointer ends it.
    const bool wasBusy = isBusy();
    trap(128, [&] { setMousePointer(Pointer::Busy); });
    trap(130, [&] { ListviewToFile(ListView1->rows().header(), ListView1->rows().texts(), name, pumpEvents); });
    trap(132, [&] {
        if (!wasBusy)
            setMousePointer(Pointer::Default);
    });
}

} // namespace tidewick
