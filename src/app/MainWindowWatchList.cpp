#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "core/KeywordLimits.h"
#include "ui/ReportList.h"
#include "core/SettingsStore.h"
#include "keywords/WatchListFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QLocale>

namespace tidewick {

namespace {

QStringList tickedTexts(const ReportList &list)
{
    QStringList result;
    for (int row = 0; row < list.count(); ++row) {
        if (list.rows().isChecked(row))
            result.append(list.text(row));
    }
    return result;
}

void tick(ReportList &list, const QStringList &texts)
{
    for (int row = 0; row < list.count(); ++row)
        list.rows().setChecked(row, texts.contains(list.text(row)));
}

} // namespace

void MainWindow::connectWatchList()
{
    // Several changes in one go (the sample keywords, an import of many
    // files) make one save, and one report if it fails.
    m_watchListSave = new QTimer(this);
    m_watchListSave->setSingleShot(true);
    m_watchListSave->setInterval(0);
    connect(m_watchListSave, &QTimer::timeout, this, &MainWindow::saveWatchList);
    const auto changed = [this] {
        if (!loading)
            m_watchListSave->start();
    };
    const ReportListModel *keywords = &keywordList->rows();
    connect(keywords, &QAbstractItemModel::rowsInserted, this, changed);
    connect(keywords, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(keywords, &QAbstractItemModel::modelReset, this, changed);
    connect(&countryList->rows(), &QAbstractItemModel::dataChanged, this, changed);
    connect(&categoryList->rows(), &QAbstractItemModel::dataChanged, this, changed);
}

// A file that cannot be used is said once; the lists then start empty. The
// next change writes a sound file in its place, unless something that must
// not be replaced is still there.
void MainWindow::restoreWatchList()
{
    const WatchListFile file = WatchListFile::besideSettings(m_services.settings->filePath());
    WatchList list;
    qsizetype leftOut = 0;
    try {
        list = file.load(&leftOut);
    } catch (const AppError &error) {
        m_watchListKeptAsIs = QFileInfo::exists(file.path());
        m_services.dialogs->showMessage(appTitle(), error.description(), MessageIcon::Exclamation);
        return;
    }
    if (leftOut > 0) {
        m_services.dialogs->showMessage(
            appTitle(),
            tr("%1 keyword(s) of the watch list %2 were left out: a keyword holds more than blanks, "
                           "no line break or text-direction control, and is at most %3 characters long.")
                .arg(QLocale().toString(leftOut), QDir::toNativeSeparators(file.path()),
                     QLocale().toString(kLongestKeyword)),
            MessageIcon::None);
    }
    keywordList->rows().append(list.keywords);
    tick(*countryList, list.countries);
    tick(*categoryList, list.categories);
}

// A failed save is said, and the window keeps everything it shows.
void MainWindow::saveWatchList()
{
    if (m_watchListKeptAsIs)
        return;
    const WatchListFile file = WatchListFile::besideSettings(m_services.settings->filePath());
    try {
        file.save({keywordList->rows().texts(), tickedTexts(*countryList), tickedTexts(*categoryList)});
    } catch (const AppError &error) {
        m_services.dialogs->showMessage(appTitle(), error.description(), MessageIcon::Exclamation);
    }
}

} // namespace tidewick
