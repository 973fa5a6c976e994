#pragma once

#include "core/ReportListModel.h"

#include <QTreeView>

namespace tidewick {

// A list control in report layout showing a list of the model: one column
// with the list's header, rows counted from 0 here (the user sees them from
// the top), at most one selected row.
class ReportList : public QTreeView {
    Q_OBJECT

public:
    // The list shows `model`, which outlives it.
    explicit ReportList(ReportListModel &model, QWidget *parent = nullptr);

    ReportListModel &rows() { return m_model; }
    const ReportListModel &rows() const { return m_model; }

    int count() const { return m_model.count(); }
    QString text(int row) const { return m_model.text(row); }

    // The selected row, or -1.
    int selectedRow() const;
    // Selects the row and makes it current; throws AppError for a row that
    // does not exist.
    void selectRow(int row);

    void setColumnWidthPixels(int pixels);

    // A list whose selected row the user cannot take away (Ctrl+click,
    // Ctrl+Space): a choice stays chosen until another row is selected.
    void setKeepsSelection(bool keeps) { m_keepsSelection = keeps; }
    bool keepsSelection() const { return m_keepsSelection; }

    // Shows only the rows that hold every word of `words` (in any case);
    // all rows for none. The view's rows are then a filter's of the model's.
    void showRowsWith(const QString &words);
    // The texts of the rows shown, in their order.
    QStringList shownTexts() const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;

private:
    // Tells screen readers of ticks that came or went, whoever made them.
    void sayTicksChanged(const QModelIndex &first, const QModelIndex &last, const QList<int> &roles);
    void sayCurrentRow();

    bool m_keepsSelection = false;
    ReportListModel &m_model;
    class WordFilter;
    WordFilter *m_filter = nullptr;
};

} // namespace tidewick
