#include "app/MainWindow.h"

#include "core/ProgramState.h"
#include "ui/ReportList.h"
#include "core/SettingsStore.h"
#include "core/StartupTexts.h"
#include "core/ValueConversion.h"
#include "app/WindowsCursor.h"
#include "core/FileHelpers.h"
#include "fetch/HelperTools.h"
#include "resources/Icons.h"
#include "app/HandlerStatements.h"
#include "keywords/WatchListModel.h"
#include "schedule/IntervalTable.h"
#include "schedule/NewsWatch.h"

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
    using namespace statements::load;
    Trap trap(errorReporter(), statements::kModule, kProcedure);
    ProgramState &globals = *m_services.globals;
    SettingsStore &settings = *m_services.settings;
    WatchListModel &watch = m_news->watch();

    trap(kSkin, [&] { applySkin(); });
    trap(kLoading, [&] {
        loading = true;
        m_news->setRestoring(true);
    });
    trap(kTitles, [&] {
        setWindowTitle(kProductName);
        setWindowIcon(applicationIcon());
    });

    const QString handPointerFile = QDir(m_services.programFolder).filePath(QStringLiteral("HAND-M.CUR"));
    bool hasHandPointer = false;
    trap(kFindHandPointer, [&] { hasHandPointer = fileExists(handPointerFile); });
    if (hasHandPointer)
        trap(kLoadHandPointer, [&] { m_customPointer = loadWindowsCursor(handPointerFile); });

    trap(kIntervalWidth, [&] { intervalList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    const QStringList intervals = offeredIntervalCaptions();
    for (int i = 0; i < intervals.size(); ++i)
        trap(kFirstInterval + 2 * i,
             [&] { m_intervals->append(QCoreApplication::translate("Tidewick", qPrintable(intervals.at(i)))); });

    trap(kResultsWidth, [&] { resultsList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    trap(kCountriesWidth, [&] { countryList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    fillCodeList(trap, kCountryList, watch.countries(), kCountryCodes);
    trap(kCategoriesWidth, [&] { categoryList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    fillCodeList(trap, kCategoryList, watch.categories(), kCategories);
    trap(kKeywordsWidth, [&] { keywordList->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    // Before anything may fetch: a start-up fetch queries what the user
    // watches, and announces only what the history does not know.
    m_news->restoreWatchList();
    m_news->found().openHistory();
    if (!m_services.newsHostProblem.isEmpty())
        tellNewsServiceProblem();

    trap(kWriteCurl, [&] { writeCurlFiles(globals); });
    trap(kWriteCleaner, [&] { writeAnsiFilter(globals); });

    qint16 oftenIndex = 0;
    // A settings path that is no regular file is said once, here.
    trap(kReadInterval, [&] { settings.checkFile(); });
    trap(kReadInterval, [&] { oftenIndex = toInt16(settings.read(SettingKeys::OftenIndex, QStringLiteral("2"))); });
    trap(kChooseInterval, [&] {
        offeredIntervalSeconds(oftenIndex - 1); // an entry that is offered
        watch.setIntervalRow(oftenIndex - 1);
    });
    trap(kOnlyNew, [&] { watch.setAnnounceOnlyNew(settings.read(SettingKeys::AnnounceOnlyNew, kOff) == kOn); });

    QString startStopState;
    trap(kReadAutomatic, [&] { startStopState = settings.read(SettingKeys::StartStopState, kOff); });
    // With automatic fetching on, the rest of the load follows its first fetch.
    if (!m_news->scheduler().restore(startStopState, [this] { finishLoad(); }))
        finishLoad();
}

// The load's last steps, after the start-up fetch if there was one.
void MainWindow::finishLoad()
{
    using namespace statements::load;
    Trap trap(errorReporter(), statements::kModule, kProcedure);
    placeTrayIcon(trap);
    restoreStartupOptions(trap);
    trap(kLoaded, [&] {
        loading = false;
        m_news->setRestoring(false);
    });
    emit loaded();
}

void MainWindow::fillCodeList(Trap &trap, int firstLine, ReportListModel &list, const QString &text)
{
    QStringList entries;
    trap(firstLine, [&] { entries = codeListEntries(text); });
    for (const QString &entry : std::as_const(entries))
        trap(firstLine + statements::load::kCodeListEntry, [&] { list.append(entry); });
}

void MainWindow::restoreStartupOptions(Trap &trap)
{
    using namespace statements::load;
    SettingsStore &settings = *m_services.settings;
    WatchListModel &watch = m_news->watch();
    trap(kStartAtLogon, [&] { watch.setStartAtLogon(settings.read(SettingKeys::WindowsStartup, kOff) == kOn); });
    trap(kStartInTray, [&] { watch.setStartInTray(settings.read(SettingKeys::Minimized, kOff) == kOn); });
    if (watch.startAtLogon() && watch.startInTray())
        trap(kMinimise, [&] { setWindowState(windowState() | Qt::WindowMinimized); });
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

} // namespace tidewick
