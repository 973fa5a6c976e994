#include "app/MainWindow.h"

#include "core/ProgramState.h"
#include "ui/ReportList.h"
#include "core/SettingsStore.h"
#include "app/StartupTexts.h"
#include "core/ValueConversion.h"
#include "app/WindowsCursor.h"
#include "core/FileHelpers.h"
#include "fetch/HelperTools.h"
#include "resources/Icons.h"
#include "schedule/CountdownTimer.h"
#include "schedule/IntervalTable.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>

namespace tidewick {

namespace {
constexpr int kColumnWidthTwips = 7000;
}

void MainWindow::startUp()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    ProgramState &globals = *m_services.globals;
    SettingsStore &settings = *m_services.settings;

    trap(100, [&] { applySkin(); });
    trap(102, [&] { loading = true; });
    trap(104, [&] {
        setWindowTitle(kProductName);
        setWindowIcon(applicationIcon());
        setAppTitle();
    });

    const QString handPointerFile = QDir(m_services.programFolder).filePath(QStringLiteral("HAND-M.CUR"));
    bool hasHandPointer = false;
    trap(126, [&] { hasHandPointer = fileExists(handPointerFile); });
    if (hasHandPointer)
        trap(128, [&] { m_customPointer = loadWindowsCursor(handPointerFile); });

    // 130-142: the interval list.
    trap(132, [&] { intervalList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    const QStringList intervals = offeredIntervalCaptions();
    for (int i = 0; i < intervals.size(); ++i)
        trap(134 + 2 * i, [&] { intervalList->rows().append(QCoreApplication::translate("Tidewick", qPrintable(intervals.at(i)))); });

    trap(146, [&] { resultsList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    trap(150, [&] { countryList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    fillCodeList(trap, 152, countryList, kCountryCodes);
    trap(164, [&] { categoryList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    fillCodeList(trap, 166, categoryList, kCategories);
    trap(178, [&] { keywordList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    // Before anything may fetch: a start-up fetch queries what the user watches.
    restoreWatchList();
    if (!m_services.newsHostProblem.isEmpty())
        tellNewsServiceProblem();

    trap(180, [&] { writeCurlFiles(globals); });
    trap(182, [&] { writeAnsiFilter(globals); });

    qint16 oftenIndex = 0;
    // A settings path that is no regular file is said once, here.
    trap(184, [&] { settings.checkFile(); });
    trap(184, [&] { oftenIndex = toInt16(settings.read(SettingKeys::OftenIndex, QStringLiteral("2"))); });
    trap(186, [&] { intervalList->selectRow(oftenIndex - 1); });
    restoreNewArticlesOption(trap);

    QString startStopState;
    trap(190, [&] { startStopState = settings.read(SettingKeys::StartStopState, kOff); });
    if (!restoreAutomaticFetch(trap, startStopState))
        finishLoad();
}

// The load's last steps, after the start-up fetch if there was one.
void MainWindow::finishLoad()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    placeTrayIcon(trap);
    restoreStartupOptions(trap);
    trap(226, [&] { loading = false; });
    emit loaded();
}

void MainWindow::fillCodeList(Trap &trap, int firstLine, ReportList *list, const QString &text)
{
    QStringList entries;
    trap(firstLine, [&] { entries = codeListEntries(text); });
    for (const QString &entry : std::as_const(entries))
        trap(firstLine + 8, [&] { list->rows().append(entry); });
}

void MainWindow::restoreStartupOptions(Trap &trap)
{
    SettingsStore &settings = *m_services.settings;
    trap(212, [&] { startAtLogonBox->setChecked(settings.read(SettingKeys::WindowsStartup, kOff) == kOn); });
    trap(214, [&] { startInTrayBox->setChecked(settings.read(SettingKeys::Minimized, kOff) == kOn); });
    if (startAtLogonBox->isChecked()) {
        trap(216, [&] { startInTrayBox->setVisible(true); });
        if (startInTrayBox->isChecked())
            trap(222, [&] { setWindowState(windowState() | Qt::WindowMinimized); });
    } else {
        trap(224, [&] { startInTrayBox->setVisible(false); });
    }
}

void MainWindow::applySkin()
{
    const QString skinFile = QDir(m_services.programFolder).filePath(QStringLiteral("x/o.cjs"));
    if (!QFileInfo(skinFile).isFile())
        return;
    // The skin may not paint every surface: start from the button-face look.
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (QWidget *widget : {static_cast<QWidget *>(this), static_cast<QWidget *>(countdownGroup),
                            static_cast<QWidget *>(startupOptionsGroup), static_cast<QWidget *>(startAtLogonBox),
                            static_cast<QWidget *>(startInTrayBox)}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, buttonFace);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
    QFile file(skinFile);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::permissionDenied(skinFile);
    setStyleSheet(QString::fromUtf8(file.readAll()));
}

void MainWindow::setAppTitle()
{
    m_appTitle = applicationTitle(kProductName);
}

} // namespace tidewick
