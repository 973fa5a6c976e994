#include "ui/ReportListAccessible.h"

#include "ui/ReportList.h"

#include <QHeaderView>
#include <QPointer>

namespace tidewick {

namespace {

// The name screen readers look for on a row that can be ticked (orca says
// "checked" or "not checked" for table cells that offer it); Qt's own
// toggle action is spelt "Toggle", which they do not take for a tick.
const QString kTickAction = QStringLiteral("toggle");

// One row of a report list, or its column header (row -1).
class ReportRowAccessible : public QAccessibleInterface,
                            public QAccessibleTableCellInterface,
                            public QAccessibleActionInterface {
public:
    ReportRowAccessible(ReportList *list, int row) : m_list(list), m_row(row) {}

    bool isValid() const override { return m_list && m_row < m_list->model()->rowCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_list); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface && m_row >= 0)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    QAccessible::Role role() const override { return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::TreeItem; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid() || kind != QAccessible::Name)
            return QString();
        if (m_row < 0)
            return m_list->model()->headerData(0, Qt::Horizontal).toString();
        return index().data().toString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        if (m_row < 0) {
            const QHeaderView *header = m_list->header();
            return QRect(header->mapToGlobal(QPoint(header->sectionViewportPosition(0), 0)),
                         QSize(header->sectionSize(0), header->height()));
        }
        const QRect onViewport = m_list->visualRect(index());
        return QRect(m_list->viewport()->mapToGlobal(onViewport.topLeft()), onViewport.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        if (m_row < 0) {
            state.invisible = m_list->isHeaderHidden();
            return state;
        }
        const QModelIndex row = index();
        const QRect shown = m_list->viewport()->rect();
        const QRect onViewport = m_list->visualRect(row);
        state.invisible = !shown.intersects(onViewport);
        state.offscreen = state.invisible;
        state.focusable = true;
        state.selectable = true;
        state.selected = m_list->selectionModel()->isSelected(row);
        state.focused = m_list->hasFocus() && m_list->currentIndex() == row;
        state.active = m_list->currentIndex() == row;
        const QVariant tick = row.data(Qt::CheckStateRole);
        state.checkable = (row.flags() & Qt::ItemIsUserCheckable) && tick.isValid();
        state.checked = state.checkable && tick.toInt() == Qt::Checked;
        return state;
    }

    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        if (m_row < 0 || !m_list || m_list->isHeaderHidden())
            return {};
        return {QAccessible::queryAccessibleInterface(m_list)->tableInterface()->cellAt(-1, 0)};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    // A row can be made the current one; a tickable row can be ticked or cleared.
    QStringList actionNames() const override
    {
        QStringList names{setFocusAction()};
        if (state().checkable)
            names.append(kTickAction);
        return names;
    }
    QString localizedActionName(const QString &name) const override
    {
        return QAccessibleActionInterface::localizedActionName(name == kTickAction ? toggleAction() : name);
    }
    void doAction(const QString &name) override
    {
        if (!isValid())
            return;
        const QModelIndex row = index();
        if (name == setFocusAction()) {
            m_list->setFocus(Qt::OtherFocusReason);
            m_list->setCurrentIndex(row);
        } else if (name == kTickAction && state().checkable) {
            const bool ticked = row.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            m_list->model()->setData(row, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        }
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        return name == kTickAction ? QStringList{QStringLiteral("Space")} : QStringList();
    }

private:
    QModelIndex index() const { return m_list->model()->index(m_row, 0); }

    QPointer<ReportList> m_list;
    int m_row;
};

QAccessibleInterface *reportListInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String(ReportList::staticMetaObject.className()))
        return nullptr;
    return new ReportListAccessible(static_cast<ReportList *>(object));
}

} // namespace

ReportListAccessible::ReportListAccessible(ReportList *list) : QAccessibleWidget(list, QAccessible::Tree) {}

ReportListAccessible::~ReportListAccessible()
{
    forgetRows();
}

void ReportListAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(reportListInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

ReportList *ReportListAccessible::list() const
{
    return static_cast<ReportList *>(widget());
}

void *ReportListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *ReportListAccessible::row(int row) const
{
    if (row < -1 || row >= rowCount())
        return nullptr;
    if (const auto known = m_rows.constFind(row); known != m_rows.cend())
        return QAccessible::accessibleInterface(*known);
    QAccessibleInterface *made = new ReportRowAccessible(list(), row);
    m_rows.insert(row, QAccessible::registerAccessibleInterface(made));
    return made;
}

void ReportListAccessible::forgetRows()
{
    for (const QAccessible::Id id : std::as_const(m_rows))
        QAccessible::deleteAccessibleInterface(id);
    m_rows.clear();
}

int ReportListAccessible::rowCount() const
{
    return list()->model()->rowCount();
}

int ReportListAccessible::childCount() const
{
    return rowCount() + 1;
}

QAccessibleInterface *ReportListAccessible::child(int index) const
{
    return row(index - 1);
}

int ReportListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child || child->parent() != this)
        return -1;
    const QAccessibleTableCellInterface *cell = const_cast<QAccessibleInterface *>(child)->tableCellInterface();
    return cell ? childOfRow(cell->rowIndex()) : -1;
}

QAccessibleInterface *ReportListAccessible::childAt(int x, int y) const
{
    const QPoint onViewport = list()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = list()->indexAt(onViewport);
    return index.isValid() ? row(index.row()) : nullptr;
}

QAccessibleInterface *ReportListAccessible::focusChild() const
{
    const QModelIndex current = list()->currentIndex();
    return list()->hasFocus() && current.isValid() ? row(current.row()) : nullptr;
}

QAccessibleInterface *ReportListAccessible::cellAt(int row, int column) const
{
    return column == 0 ? this->row(row) : nullptr;
}

QList<QAccessibleInterface *> ReportListAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    for (const int selected : selectedRows())
        cells.append(row(selected));
    return cells;
}

QString ReportListAccessible::columnDescription(int column) const
{
    return column == 0 ? list()->model()->headerData(0, Qt::Horizontal).toString() : QString();
}

QList<int> ReportListAccessible::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : list()->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

bool ReportListAccessible::isRowSelected(int row) const
{
    return list()->selectionModel()->isRowSelected(row, QModelIndex());
}

bool ReportListAccessible::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    list()->setCurrentIndex(list()->model()->index(row, 0));
    return true;
}

bool ReportListAccessible::unselectRow(int row)
{
    if (!isRowSelected(row) || list()->keepsSelection())
        return false;
    list()->selectionModel()->select(list()->model()->index(row, 0),
                                     QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
}

// Rows came, went or moved: the rows above the change keep their
// interfaces (a reader's focus on one stays valid), the others are made
// afresh. A row's text or tick changing changes no interface.
void ReportListAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    if (event->modelChangeType() == QAccessibleTableModelChangeEvent::DataChanged)
        return;
    const bool rowsOnly = event->modelChangeType() == QAccessibleTableModelChangeEvent::RowsInserted
        || event->modelChangeType() == QAccessibleTableModelChangeEvent::RowsRemoved;
    const int firstChanged = rowsOnly ? event->firstRow() : -1;
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        if (it.key() >= firstChanged) {
            QAccessible::deleteAccessibleInterface(*it);
            it = m_rows.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace tidewick
