#pragma once

#include <QModelIndex>
#include <QObject>
#include <QUrl>
#include <functional>

class QAction;

namespace tidewick {

class ReportList;

// What a person can do with the articles in the results list: read a row's
// whole text in its tool tip, open its link in the browser (double-click,
// Enter, "Open Link") and copy its link or the selected rows' texts. The
// context menu holds the three actions; the menu key opens it, and so does
// Shift+F10, which Qt does not map by itself. Several rows may be selected.
class ResultsListActions : public QObject {
    Q_OBJECT

public:
    // `openLink` hands an http or https link to the browser. The list owns
    // the object.
    ResultsListActions(ReportList &list, std::function<bool(const QUrl &)> openLink);

    QAction *const openLinkAction;
    QAction *const copyLinkAction;
    QAction *const copyTextAction;

    // On the current row; a row without a link does nothing.
    void openLink();
    void copyLink();
    // The selected rows' texts, in list order, one a line.
    void copyText();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QUrl currentLink() const;
    void openLinkOf(const QModelIndex &index);
    void updateActions();
    void showMenuAtCurrentRow();

    ReportList &m_list;
    std::function<bool(const QUrl &)> m_openLink;
};

} // namespace tidewick
