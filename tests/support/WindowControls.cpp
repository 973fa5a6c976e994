#include "WindowControls.h"

#include "app/ResultsListActions.h"
#include "desktop/TrayIcon.h"
#include "ui/ReportList.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace tidewick::test {

namespace {
template <typename Control>
Control *find(MainWindow &window, const char *name)
{
    auto *control = window.findChild<Control *>(QLatin1String(name));
    if (!control)
        qFatal("The window has no control named %s", name);
    return control;
}
} // namespace

WindowControls ui(MainWindow &window)
{
    WindowControls controls;
#define TIDEWICK_FIND(name) controls.name = find<std::remove_pointer_t<decltype(controls.name)>>(window, #name)
    TIDEWICK_FIND(countdownGroup);
    TIDEWICK_FIND(countdownBar);
    TIDEWICK_FIND(resultsList);
    TIDEWICK_FIND(resultsActions);
    TIDEWICK_FIND(startupOptionsGroup);
    TIDEWICK_FIND(startAtLogonBox);
    TIDEWICK_FIND(startInTrayBox);
    TIDEWICK_FIND(onlyNewBox);
    TIDEWICK_FIND(trayIcon);
    TIDEWICK_FIND(automaticFetchButton);
    TIDEWICK_FIND(testFetchButton);
    TIDEWICK_FIND(intervalList);
    TIDEWICK_FIND(saveResultsButton);
    TIDEWICK_FIND(clearResultsButton);
    TIDEWICK_FIND(countryList);
    TIDEWICK_FIND(categoryList);
    TIDEWICK_FIND(keywordList);
    TIDEWICK_FIND(addKeywordButton);
    TIDEWICK_FIND(importKeywordsButton);
    TIDEWICK_FIND(clearKeywordsButton);
    TIDEWICK_FIND(sampleKeywordsButton);
    TIDEWICK_FIND(resultsFilter);
#undef TIDEWICK_FIND
    return controls;
}

QString caption(const QAbstractButton *control)
{
    QString text = control->text();
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at < text.size(); at = text.indexOf(u'&', at + 1))
        text.remove(at, 1); // a doubled "&&" leaves one
    return text;
}

} // namespace tidewick::test
