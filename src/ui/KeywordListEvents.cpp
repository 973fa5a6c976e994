#include "ui/KeywordListEvents.h"

#include "ui/ReportList.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace tidewick {

namespace {

// Accepts a drag or drop of local files as a copy; anything else is left to
// the list (which takes none).
bool acceptAsCopy(QDropEvent *event)
{
    if (KeywordListEvents::localFiles(event->mimeData()).isEmpty()
        || !(event->possibleActions() & Qt::CopyAction))
        return false;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

KeywordListEvents::KeywordListEvents(ReportList &list, Handlers handlers)
    : QObject(&list), m_list(list), m_viewport(list.viewport()), m_handlers(std::move(handlers))
{
    list.setAcceptDrops(true);
    m_viewport->setAcceptDrops(true);
    list.installEventFilter(this);
    m_viewport->installEventFilter(this);
}

QStringList KeywordListEvents::localFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths.append(url.toLocalFile());
    }
    return paths;
}

bool KeywordListEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_list) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
            removeByKey();
            return true;
        }
        return false;
    }
    // The viewport is compared, never asked for: while the list is being
    // destroyed its viewport still reports here, when the list is no longer
    // a list.
    if (watched != m_viewport)
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        if (m_handlers.removeSelected)
            m_handlers.removeSelected();
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        return acceptAsCopy(static_cast<QDropEvent *>(event));
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = localFiles(drop->mimeData());
        if (!acceptAsCopy(drop))
            return false;
        QMetaObject::invokeMethod(
            this, [this, paths] {
                if (m_handlers.importFiles)
                    m_handlers.importFiles(paths);
            },
            Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void KeywordListEvents::removeByKey()
{
    const int row = m_list.selectedRow();
    const int before = m_list.count();
    if (m_handlers.removeSelected)
        m_handlers.removeSelected();
    if (row < 0 || m_list.count() != before - 1 || m_list.count() == 0)
        return;
    m_list.selectRow(std::min(row, m_list.count() - 1));
}

} // namespace tidewick
