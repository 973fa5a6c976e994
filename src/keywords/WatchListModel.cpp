#include "keywords/WatchListModel.h"


#include <QCoreApplication>
#include <utility>

namespace tidewick {

namespace {

QStringList tickedTexts(const ReportListModel &list)
{
    QStringList ticked;
    for (int row = 0; row < list.count(); ++row) {
        if (list.isChecked(row))
            ticked.append(list.text(row));
    }
    return ticked;
}

void tick(ReportListModel &list, const QStringList &texts)
{
    for (int row = 0; row < list.count(); ++row)
        list.setChecked(row, texts.contains(list.text(row)));
}

// Sets `value` and tells `changed` of a change.
template <typename Changed>
void change(bool &value, bool on, Changed &&changed)
{
    if (std::exchange(value, on) != on)
        changed(on);
}

} // namespace

WatchListModel::WatchListModel(QObject *parent)
    : QObject(parent),
      m_keywords(QCoreApplication::translate("MainWindow", "Keyword/s"), false),
      m_countries(QCoreApplication::translate("MainWindow", "Local News Sites"), true),
      m_categories(QCoreApplication::translate("MainWindow", "Categories"), true)
{
    for (const ReportListModel *list : {&m_keywords, &m_countries, &m_categories}) {
        connect(list, &QAbstractItemModel::rowsInserted, this, &WatchListModel::listsChanged);
        connect(list, &QAbstractItemModel::rowsRemoved, this, &WatchListModel::listsChanged);
        connect(list, &QAbstractItemModel::modelReset, this, &WatchListModel::listsChanged);
        connect(list, &QAbstractItemModel::dataChanged, this, &WatchListModel::listsChanged);
    }
}

WatchList WatchListModel::watched() const
{
    return {m_keywords.texts(), tickedTexts(m_countries), tickedTexts(m_categories)};
}

void WatchListModel::restore(const WatchList &list)
{
    m_keywords.append(list.keywords);
    tick(m_countries, list.countries);
    tick(m_categories, list.categories);
}

void WatchListModel::setIntervalRow(std::optional<int> row)
{
    if (std::exchange(m_intervalRow, row) != row)
        emit intervalChanged();
}

void WatchListModel::setAutomaticOn(bool on)
{
    change(m_automaticOn, on, [this](bool value) { emit automaticOnChanged(value); });
}

void WatchListModel::setStartAtLogon(bool on)
{
    change(m_startAtLogon, on, [this](bool value) { emit startAtLogonChanged(value); });
}

void WatchListModel::setStartInTray(bool on)
{
    change(m_startInTray, on, [this](bool value) { emit startInTrayChanged(value); });
}

void WatchListModel::setAnnounceOnlyNew(bool on)
{
    change(m_announceOnlyNew, on, [this](bool value) { emit announceOnlyNewChanged(value); });
}

} // namespace tidewick
