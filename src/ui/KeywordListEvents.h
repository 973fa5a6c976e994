#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QMimeData;
class QWidget;

namespace tidewick {

class ReportList;

// The keyword list's own mouse, key and drop handling, watched from outside
// the list:
//
// - a double-click (left button) in the list runs `removeSelected`;
// - the Delete key runs `removeSelected` too, and then selects the row that
//   took the removed one's place, so that pressing it again goes on down;
// - files dragged from a file manager may be dropped on the list; they are
//   always copied, never moved, and `importFiles` gets their local paths
//   once the drop has finished, so that the program that dragged them is not
//   kept waiting by the import and its messages.
class KeywordListEvents : public QObject {
    Q_OBJECT

public:
    struct Handlers {
        std::function<void()> removeSelected;
        std::function<void(const QStringList &paths)> importFiles;
    };

    // Watches the list and its viewport; the list owns the object.
    KeywordListEvents(ReportList &list, Handlers handlers);

    // The local files among the URLs of dragged data, in their order.
    static QStringList localFiles(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void removeByKey();

    ReportList &m_list;
    QWidget *const m_viewport;
    Handlers m_handlers;
};

} // namespace tidewick
