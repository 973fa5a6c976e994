#include "app/MainWindow.h"

#include "keywords/WatchListModel.h"
#include "schedule/NewsWatch.h"

#include <QAction>
#include <QCheckBox>

namespace tidewick {

// "Announce only new articles", under the results it thins out; its context
// menu (the menu key, or a right click) forgets what was announced.
void MainWindow::createNewArticlesOption()
{
    onlyNewBox = new QCheckBox(tr("Announce only ne&w articles"), m_canvas);
    onlyNewBox->setObjectName(QStringLiteral("onlyNewBox"));
    onlyNewBox->setAccessibleDescription(
        tr("An article announced before, by its link or its text, is neither announced nor added to "
                       "the News list again"));
    placeControl(onlyNewBox, 8040, 5880, 7800, 285);
    auto *forget = new QAction(tr("Forget the Articles Announced So Far"), onlyNewBox);
    forget->setObjectName(QStringLiteral("forgetSeenArticles"));
    onlyNewBox->addAction(forget);
    onlyNewBox->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(forget, &QAction::triggered, m_news.get(), &NewsWatch::forgetSeenArticles);
}

} // namespace tidewick
