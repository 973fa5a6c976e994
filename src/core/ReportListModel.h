#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <functional>
#include <vector>

namespace tidewick {

// The rows of a one-column report list: a text per row and, for lists with
// tick boxes, a tick. Rows can be appended in batches, so a list of a million
// keywords fills without a widget item per row.
class ReportListModel : public QAbstractListModel {
    Q_OBJECT

public:
    ReportListModel(QString header, bool checkable, QObject *parent = nullptr);

    QString header() const { return m_header; }
    bool checkable() const { return m_checkable; }

    int count() const { return int(m_texts.size()); }
    QString text(int row) const { return m_texts.at(row); }
    bool isChecked(int row) const { return m_checked.at(size_t(row)); }
    void setChecked(int row, bool checked);
    const QStringList &texts() const { return m_texts; }
    // Gives every row a tool tip made from its text; none without this.
    void setToolTips(std::function<QString(const QString &text)> toolTip) { m_toolTip = std::move(toolTip); }

    void append(const QString &text);
    void append(const QStringList &texts);
    // Puts `texts` before the row `row` (at the end for count()).
    void insert(int row, const QStringList &texts);
    void removeAt(int row);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString m_header;
    bool m_checkable;
    QStringList m_texts;
    std::vector<bool> m_checked;
    std::function<QString(const QString &)> m_toolTip;
};

} // namespace tidewick
