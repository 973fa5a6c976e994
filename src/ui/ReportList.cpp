#include "ui/ReportList.h"

#include "core/AppError.h"

#include <QHeaderView>

namespace tidewick {

ReportList::ReportList(ReportListModel &model, QWidget *parent) : QTreeView(parent), m_model(model)
{
    setModel(&m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setAccessibleName(model.header());
}

int ReportList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void ReportList::selectRow(int row)
{
    if (row < 0 || row >= m_model.count())
        throw AppError::invalidArgument();
    const QModelIndex index = m_model.index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QItemSelectionModel::SelectionFlags ReportList::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags command = QTreeView::selectionCommand(index, event);
    const bool takesAway = command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle);
    if (m_keepsSelection && takesAway && selectionModel()->isSelected(index))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void ReportList::setColumnWidthPixels(int pixels)
{
    header()->resizeSection(0, pixels);
}

} // namespace tidewick
