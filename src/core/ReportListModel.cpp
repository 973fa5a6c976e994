#include "core/ReportListModel.h"

#include <algorithm>

namespace tidewick {

ReportListModel::ReportListModel(QString header, bool checkable, QObject *parent)
    : QAbstractListModel(parent), m_header(std::move(header)), m_checkable(checkable)
{
}

void ReportListModel::setChecked(int row, bool checked)
{
    if (m_checked.at(size_t(row)) == checked)
        return;
    m_checked[size_t(row)] = checked;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
}

void ReportListModel::append(const QString &text)
{
    append(QStringList{text});
}

void ReportListModel::append(const QStringList &texts)
{
    insert(count(), texts);
}

void ReportListModel::insert(int row, const QStringList &texts)
{
    if (texts.isEmpty() || row < 0 || row > count())
        return;
    beginInsertRows(QModelIndex(), row, row + int(texts.size()) - 1);
    m_texts.insert(row, texts.size(), QString());
    std::copy(texts.cbegin(), texts.cend(), m_texts.begin() + row);
    m_checked.insert(m_checked.begin() + row, size_t(texts.size()), false);
    endInsertRows();
}

void ReportListModel::removeAt(int row)
{
    if (row < 0 || row >= count())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_texts.removeAt(row);
    m_checked.erase(m_checked.begin() + row);
    endRemoveRows();
}

void ReportListModel::clear()
{
    if (m_texts.isEmpty())
        return;
    beginResetModel();
    m_texts.clear();
    m_checked.clear();
    endResetModel();
}

int ReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return m_texts.at(index.row());
    case Qt::CheckStateRole:
        if (m_checkable)
            return m_checked[size_t(index.row())] ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ToolTipRole:
        if (m_toolTip)
            return m_toolTip(m_texts.at(index.row()));
        return {};
    default:
        return {};
    }
}

bool ReportListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || !m_checkable)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ReportListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractListModel::flags(index) | Qt::ItemNeverHasChildren;
    if (m_checkable)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_header;
    return {};
}

} // namespace tidewick
