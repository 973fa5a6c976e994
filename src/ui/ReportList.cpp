#include "ui/ReportList.h"

#include "core/AppError.h"
#include "ui/ReportListAccessible.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QHeaderView>
#include <QSortFilterProxyModel>

#include <algorithm>

namespace tidewick {

// Rows that hold every word looked for.
class ReportList::WordFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void lookFor(const QString &words)
    {
        const QStringList split = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (split == m_words)
            return;
        m_words = split;
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override
    {
        const QString text = sourceModel()->index(row, 0).data().toString();
        return std::all_of(m_words.cbegin(), m_words.cend(),
                           [&text](const QString &word) { return text.contains(word, Qt::CaseInsensitive); });
    }

private:
    QStringList m_words;
};

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
    ReportListAccessible::install();
    connect(&m_model, &QAbstractItemModel::dataChanged, this, &ReportList::sayTicksChanged);
}

void ReportList::sayTicksChanged(const QModelIndex &first, const QModelIndex &last, const QList<int> &roles)
{
    if (!QAccessible::isActive() || !roles.contains(Qt::CheckStateRole))
        return;
    QAccessible::State ticks;
    ticks.checked = true;
    for (int row = first.row(); row <= last.row(); ++row) {
        const QModelIndex shown = m_filter ? m_filter->mapFromSource(m_model.index(row)) : m_model.index(row);
        if (!shown.isValid())
            continue;
        QAccessibleStateChangeEvent event(this, ticks);
        event.setChild(ReportListAccessible::childOfRow(shown.row()));
        QAccessible::updateAccessibility(&event);
    }
}

// Coming in, the list names its current row, so that a screen reader says
// which row the keys act on and not only the list's name. Qt tells of the
// list's own focus after this handler, so the row is told once that is done.
void ReportList::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    if (QAccessible::isActive())
        QMetaObject::invokeMethod(this, &ReportList::sayCurrentRow, Qt::QueuedConnection);
}

void ReportList::sayCurrentRow()
{
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(ReportListAccessible::childOfRow(current.row()));
    QAccessible::updateAccessibility(&focus);
}

void ReportList::showRowsWith(const QString &words)
{
    if (!m_filter) {
        m_filter = new WordFilter(this);
        m_filter->setSourceModel(&m_model);
        setModel(m_filter);
    }
    m_filter->lookFor(words);
}

QStringList ReportList::shownTexts() const
{
    if (!m_filter)
        return m_model.texts();
    QStringList texts;
    for (int row = 0; row < m_filter->rowCount(); ++row)
        texts.append(m_filter->index(row, 0).data().toString());
    return texts;
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
