#include "app/Form1.h"

#include "app/Globals.h"
#include "app/ReportList.h"
#include "app/SettingsStore.h"
#include "app/StartupTexts.h"
#include "app/ValueConversion.h"
#include "app/WindowsCursor.h"
#include "fetch/FileHelpers.h"
#include "fetch/HelperTools.h"
#include "resources/Icons.h"
#include "schedule/CountdownTimer.h"
#include "schedule/IntervalTable.h"

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

void Form1::Form_Load()
{
    Trap trap(m_reporter, QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    Globals &globals = *m_services.globals;
    SettingsStore &settings = *m_services.settings;

    trap(100, [&] { ApplySkin(); });
    trap(102, [&] { Loading = true; });
    trap(104, [&] {
        setWindowTitle(kProductName);
        setWindowIcon(applicationIcon());
        SetAppTitle();
    });

    const QString handPointerFile = QDir(m_services.programFolder).filePath(QStringLiteral("HAND-M.CUR"));
    bool hasHandPointer = false;
    trap(126, [&] { hasHandPointer = FileExists(handPointerFile); });
    if (hasHandPointer)
        trap(128, [&] { m_customPointer = loadWindowsCursor(handPointerFile); });

    // 130-142: the interval list.
    trap(132, [&] { ListView2->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    const QStringList intervals = offeredIntervalCaptions();
    for (int i = 0; i < intervals.size(); ++i)
        trap(134 + 2 * i, [&] { ListView2->rows().append(intervals.at(i)); });

    trap(146, [&] { ListView1->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    trap(150, [&] { ListView3->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    fillCodeList(trap, 152, ListView3, kCountryCodes);
    trap(164, [&] { ListView4->setColumnWidthPixels(twips(kColumnWidthTwips)); });
    fillCodeList(trap, 166, ListView4, kCategories);
    trap(178, [&] { ListView5->setColumnWidthPixels(twips(kColumnWidthTwips)); });

    trap(180, [&] { WriteCurlFiles(globals); });
    trap(182, [&] { WriteAnsiFilter(globals); });

    qint16 oftenIndex = 0;
    trap(184, [&] { oftenIndex = toInt16(settings.read(SettingKeys::OftenIndex, QStringLiteral("2"))); });
    trap(186, [&] { ListView2->selectRow(oftenIndex - 1); });

    QString startStopState;
    trap(190, [&] { startStopState = settings.read(SettingKeys::StartStopState, kOff); });
    restoreAutomaticFetch(trap, startStopState);

    placeTrayIcon(trap);
    restoreStartupOptions(trap);
    trap(226, [&] { Loading = false; });
}

void Form1::fillCodeList(Trap &trap, int firstLine, ReportList *list, const QString &text)
{
    QStringList entries;
    trap(firstLine, [&] { entries = codeListEntries(text); });
    for (const QString &entry : std::as_const(entries))
        trap(firstLine + 8, [&] { list->rows().append(entry); });
}

void Form1::restoreStartupOptions(Trap &trap)
{
    SettingsStore &settings = *m_services.settings;
    trap(212, [&] { Check4->setChecked(settings.read(SettingKeys::WindowsStartup, kOff) == kOn); });
    trap(214, [&] { Check8->setChecked(settings.read(SettingKeys::Minimized, kOff) == kOn); });
    if (Check4->isChecked()) {
        trap(216, [&] { Check8->setVisible(true); });
        if (Check8->isChecked())
            trap(222, [&] { setWindowState(windowState() | Qt::WindowMinimized); });
    } else {
        trap(224, [&] { Check8->setVisible(false); });
    }
}

void Form1::ApplySkin()
{
    const QString skinFile = QDir(m_services.programFolder).filePath(QStringLiteral("x/o.cjs"));
    if (!QFileInfo(skinFile).isFile())
        return;
    // The skin may not paint every surface: start from the button-face look.
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (QWidget *widget : {static_cast<QWidget *>(this), static_cast<QWidget *>(Frame1),
                            static_cast<QWidget *>(Frame2), static_cast<QWidget *>(Check4),
                            static_cast<QWidget *>(Check8)}) {
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

void Form1::SetAppTitle()
{
    m_appTitle = applicationTitle(kProductName);
}

} // namespace tidewick
