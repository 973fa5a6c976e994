#pragma once

#include "app/MainWindow.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tidewick {
class ReportList;
class ResultsListActions;
class TrayIcon;
} // namespace tidewick

namespace tidewick::test {

// The window's controls, found as a user's script or a screen reader finds
// them: by their object names.
struct WindowControls {
    QGroupBox *countdownGroup = nullptr;
    QProgressBar *countdownBar = nullptr;
    ReportList *resultsList = nullptr;
    ResultsListActions *resultsActions = nullptr;
    QGroupBox *startupOptionsGroup = nullptr;
    QCheckBox *startAtLogonBox = nullptr;
    QCheckBox *startInTrayBox = nullptr;
    QCheckBox *onlyNewBox = nullptr;
    TrayIcon *trayIcon = nullptr;
    QPushButton *automaticFetchButton = nullptr;
    QPushButton *testFetchButton = nullptr;
    ReportList *intervalList = nullptr;
    QPushButton *saveResultsButton = nullptr;
    QPushButton *clearResultsButton = nullptr;
    ReportList *countryList = nullptr;
    ReportList *categoryList = nullptr;
    ReportList *keywordList = nullptr;
    QPushButton *addKeywordButton = nullptr;
    QPushButton *importKeywordsButton = nullptr;
    QPushButton *clearKeywordsButton = nullptr;
    QPushButton *sampleKeywordsButton = nullptr;
    QLineEdit *resultsFilter = nullptr;
};

WindowControls ui(MainWindow &window);

// A button's or box's caption as the user reads it: without the "&" that
// marks its Alt+letter key.
QString caption(const QAbstractButton *control);

} // namespace tidewick::test
