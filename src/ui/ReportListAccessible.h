#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace tidewick {

class ReportList;

// What a screen reader meets in a report list: a tree of one column whose
// child 0 is the column header and child r + 1 the row r (the numbering
// Qt's tree view uses in its focus and selection events), a table of
// rows, and rows that say whether they can be ticked and are. Qt's own
// rows do not say they can be ticked, so readers keep quiet about ticks.
class ReportListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ReportListAccessible(ReportList *list);
    ~ReportListAccessible() override;

    // Lets every report list be met through this interface.
    static void install();

    // The number of the row's accessible child.
    static int childOfRow(int row) { return row + 1; }

    void *interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return selectedRowCount(); }
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override { return 1; }
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    ReportList *list() const;
    // The row's interface (-1: the header), made once and kept until the rows change.
    QAccessibleInterface *row(int row) const;
    void forgetRows();

    mutable QHash<int, QAccessible::Id> m_rows;
};

} // namespace tidewick
