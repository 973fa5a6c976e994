#include "app/Form1.h"

#include "app/Dialogs.h"
#include "app/ReportList.h"
#include "keywords/FileToListview.h"
#include "keywords/KeywordListEvents.h"

#include <QPushButton>

namespace tidewick {

namespace {

const QStringList kSampleKeywords = {QStringLiteral("Tesla"), QStringLiteral("Perseverance"),
                                     QStringLiteral("COVID-19")};

// "All Files" shows every file: "*.*" would hide the names without a dot.
const QStringList kListFileFilters = {QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")};

} // namespace

void Form1::connectKeywordHandlers()
{
    connect(PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);
    connect(PushButton11, &QPushButton::clicked, this, &Form1::PushButton11_Click);
    connect(PushButton7, &QPushButton::clicked, this, &Form1::PushButton7_Click);
    new KeywordListEvents(*ListView5, {
                                          [this] { ListView5_DblClick(); },
                                          [this](const QStringList &paths) { importKeywordFiles(paths); },
                                      });
}

// Add One Keyword: the text exactly as typed, spaces and repeats included.
void Form1::PushButton3_Click()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton3_Click"));
    QString keyword;
    trap(100, [&] { keyword = m_services.dialogs->askText(appTitle(), QStringLiteral("Enter one keyword:")); });
    bool cancelled = true;
    trap(102, [&] { cancelled = keyword.isEmpty(); });
    if (cancelled)
        return;
    trap(104, [&] { ListView5->rows().append(keyword); });
}

// Clear List (keywords): refused while the window is busy, since a save or a
// fetch may be walking the lists; the results stay.
void Form1::PushButton11_Click()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton11_Click"));
    trap(100, [&] {
        if (!isBusy())
            ListView5->rows().clear();
    });
}

// Removes the selected keyword, unless the window is busy or nothing is
// selected. The Delete key comes here too.
void Form1::ListView5_DblClick()
{
    if (isBusy() || ListView5->count() == 0)
        return;
    const int row = ListView5->selectedRow();
    if (row >= 0)
        ListView5->rows().removeAt(row);
}

// Load Sample/Example Data: the same three keywords after whatever is there.
void Form1::PushButton7_Click()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton7_Click"));
    for (int i = 0; i < kSampleKeywords.size(); ++i)
        trap(100 + 2 * i, [&] { ListView5->rows().append(kSampleKeywords.at(i)); });
}

// Load List From Text File.
void Form1::PushButton4_Click()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton4_Click"));
    // 100-106 set the dialog up: the dialog takes its title and filters with
    // the call. It gives whole paths, as many as were chosen, in its order.
    QStringList paths;
    trap(108, [&] {
        paths = m_services.dialogs->chooseFilesToOpen(
            QStringLiteral("Load List(s) - Hold Ctrl to select multiple list files"), kListFileFilters);
    });
    // 110: nothing chosen.
    importKeywordFiles(paths);
}

// The import of the files chosen with the button or dropped on the list:
// every file in turn, after what the list holds, under the busy pointer.
void Form1::importKeywordFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("PushButton4_Click"));
    // An import that starts while a save keeps the window busy (from a drop,
    // or a click while the save yields) must not end that save's protection.
    const bool wasBusy = isBusy();
    trap(114, [&] { setMousePointer(Pointer::Busy); });
    const int line = paths.size() == 1 ? 120 : 134;
    for (const QString &path : paths)
        trap(line, [&] { FileToListview(*ListView5, path, *m_services.dialogs, m_reporter, appTitle()); });
    trap(138, [&] {
        if (!wasBusy)
            setMousePointer(Pointer::Default);
    });
}

} // namespace tidewick
