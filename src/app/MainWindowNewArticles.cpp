#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "core/SettingsLock.h"
#include "core/SettingsStore.h"
#include "fetch/SeenArticles.h"

#include <QAction>
#include <QCheckBox>

namespace tidewick {

// "Announce only new articles", under the results it thins out; its context
// menu (the menu key, or a right click) forgets what was announced.
void MainWindow::createNewArticlesOption()
{
    onlyNewBox = new QCheckBox(tr("Announce only new articles"), m_canvas);
    onlyNewBox->setObjectName(QStringLiteral("onlyNewBox"));
    onlyNewBox->setAccessibleDescription(
        tr("An article announced before, by its link or its text, is neither announced nor added to "
                       "the News list again"));
    placeControl(onlyNewBox, 8040, 5880, 7800, 285);
    auto *forget = new QAction(tr("Forget the Articles Announced So Far"), onlyNewBox);
    forget->setObjectName(QStringLiteral("forgetSeenArticles"));
    onlyNewBox->addAction(forget);
    onlyNewBox->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(onlyNewBox, &QCheckBox::toggled, this, [this](bool on) {
        m_news->setAnnounceOnlyNew(on);
        if (!loading)
            runReported("CheckOnlyNew_Click", [&] { m_services.settings->write(SettingKeys::AnnounceOnlyNew, on ? kOn : kOff); });
    });
    connect(forget, &QAction::triggered, this, &MainWindow::forgetSeenArticles);
}

void MainWindow::restoreNewArticlesOption(Trap &trap)
{
    trap(188, [&] { onlyNewBox->setChecked(m_services.settings->read(SettingKeys::AnnounceOnlyNew, kOff) == kOn); });
}

// The memory is shared with the runs of every copy: it is forgotten under
// their lock, or not at all.
void MainWindow::forgetSeenArticles()
{
    QString said = tr("Tidewick has forgotten the articles it announced: each one is announced again the "
                                  "next time the news service lists it.");
    try {
        SettingsLock lock(*m_services.settings);
        if (lock.tryLock() != SettingsLock::Outcome::Held)
            throw AppError(tr("A news fetch is using the memory of announced articles. Try again when "
                                          "it has ended."));
        SeenArticles::besideSettings(m_services.settings->filePath()).forget();
    } catch (const AppError &error) {
        said = error.description();
    }
    m_services.dialogs->showMessage(appTitle(), said, MessageIcon::None);
}

} // namespace tidewick
