#include "app/ResultsListActions.h"

#include "core/ArticleLink.h"
#include "ui/ReportList.h"
#include "results/ArticleRow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include <algorithm>
#include <QCoreApplication>

namespace tidewick {

ResultsListActions::ResultsListActions(ReportList &list, std::function<bool(const QUrl &)> openLink)
    : QObject(&list),
      openLinkAction(new QAction(QCoreApplication::translate("Tidewick", "Open Link"), &list)),
      copyLinkAction(new QAction(QCoreApplication::translate("Tidewick", "Copy Link"), &list)),
      copyTextAction(new QAction(QCoreApplication::translate("Tidewick", "Copy Text"), &list)),
      m_list(list),
      m_openLink(std::move(openLink))
{
    m_list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list.rows().setToolTips(articleToolTip);
    m_list.setContextMenuPolicy(Qt::ActionsContextMenu);
    m_list.addActions({openLinkAction, copyLinkAction, copyTextAction});
    openLinkAction->setStatusTip(QCoreApplication::translate("Tidewick", "Opens the article's link in the web browser"));
    copyLinkAction->setStatusTip(QCoreApplication::translate("Tidewick", "Copies the article's link"));
    copyTextAction->setStatusTip(QCoreApplication::translate("Tidewick", "Copies the texts of the selected rows, one a line"));
    m_list.setAccessibleDescription(
        QCoreApplication::translate("Tidewick", "Double-click a row or press Enter to open its link. The context menu (menu key or Shift+F10) "
                       "opens or copies the link or copies the selected rows."));
    connect(openLinkAction, &QAction::triggered, this, &ResultsListActions::openLink);
    connect(copyLinkAction, &QAction::triggered, this, &ResultsListActions::copyLink);
    connect(copyTextAction, &QAction::triggered, this, &ResultsListActions::copyText);
    connect(&m_list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        openLinkOf(index);
    });
    connect(m_list.selectionModel(), &QItemSelectionModel::currentChanged, this, &ResultsListActions::updateActions);
    connect(m_list.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ResultsListActions::updateActions);
    connect(&m_list.rows(), &QAbstractItemModel::modelReset, this, &ResultsListActions::updateActions);
    m_list.installEventFilter(this);
    updateActions();
}

QUrl ResultsListActions::currentLink() const
{
    const QModelIndex current = m_list.currentIndex();
    return current.isValid() ? articleLink(current.data().toString()) : QUrl();
}

void ResultsListActions::openLinkOf(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QUrl link = articleLink(index.data().toString());
    if (!link.isEmpty() && m_openLink)
        m_openLink(link);
}

void ResultsListActions::openLink()
{
    openLinkOf(m_list.currentIndex());
}

void ResultsListActions::copyLink()
{
    const QUrl link = currentLink();
    if (!link.isEmpty())
        QGuiApplication::clipboard()->setText(link.toString());
}

void ResultsListActions::copyText()
{
    QModelIndexList selected = m_list.selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end());
    QStringList texts;
    for (const QModelIndex &index : std::as_const(selected))
        texts.append(index.data().toString());
    QGuiApplication::clipboard()->setText(texts.join(QLatin1Char('\n')));
}

void ResultsListActions::updateActions()
{
    const bool hasLink = !currentLink().isEmpty();
    openLinkAction->setEnabled(hasLink);
    copyLinkAction->setEnabled(hasLink);
    copyTextAction->setEnabled(m_list.selectionModel()->hasSelection());
}

void ResultsListActions::showMenuAtCurrentRow()
{
    const QRect row = m_list.visualRect(m_list.currentIndex());
    const QPoint inViewport = row.isValid() ? row.center() : QPoint(0, 0);
    const QPoint pos = m_list.viewport()->mapTo(&m_list, inViewport);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, pos, m_list.mapToGlobal(pos));
    QCoreApplication::sendEvent(&m_list, &menu);
}

bool ResultsListActions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_list || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // The keypad's Enter comes with the keypad modifier.
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        openLink();
        return true;
    }
    if (key->matches(QKeySequence::Copy)) {
        copyText();
        return true;
    }
    if (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        showMenuAtCurrentRow();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tidewick
