#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "desktop/AutostartEntry.h"
#include "keywords/WatchListModel.h"
#include "schedule/NewsWatch.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace tidewick {

namespace {

// The box shows the option as the watch list holds it; what the user does
// with it goes to `toggled`.
void showOption(QCheckBox *box, QObject *context, const WatchListModel &watch,
                void (WatchListModel::*changed)(bool), std::function<void(bool)> toggled)
{
    QObject::connect(&watch, changed, box, [box](bool on) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    });
    QObject::connect(box, &QCheckBox::toggled, context, std::move(toggled));
}

} // namespace

// The three boxes of options are views of the watch list.
void MainWindow::connectOptions()
{
    WatchListModel &watch = m_news->watch();
    showOption(startAtLogonBox, this, watch, &WatchListModel::startAtLogonChanged,
               [this](bool wanted) { runReported("Check4_Click", [&] { onStartAtLogonToggled(wanted); }); });
    showOption(startInTrayBox, this, watch, &WatchListModel::startInTrayChanged,
               [this](bool wanted) { runReported("Check8_Click", [&] { onStartInTrayToggled(wanted); }); });
    showOption(onlyNewBox, this, watch, &WatchListModel::announceOnlyNewChanged,
               [&watch](bool wanted) { watch.setAnnounceOnlyNew(wanted); });
    // Starting minimised is an option of starting at log-on.
    startInTrayBox->setVisible(false);
    connect(&watch, &WatchListModel::startAtLogonChanged, startInTrayBox, &QWidget::setVisible);
}

// The log-on entry is made or removed first: when that fails the user is
// told, and the option stays as it was, so the box, the setting and the
// entry keep telling the same story.
void MainWindow::onStartAtLogonToggled(bool wanted)
{
    WatchListModel &watch = m_news->watch();
    QString problem;
    const bool done = wanted ? addAutostartEntry(m_services.autostartFolder, m_services.executablePath, &problem)
                             : removeAutostartEntry(m_services.autostartFolder, &problem);
    if (!done) {
        // The box goes back to what the watch list holds.
        const QSignalBlocker blocker(startAtLogonBox);
        startAtLogonBox->setChecked(watch.startAtLogon());
        m_services.dialogs->showMessage(appTitle(), problem, MessageIcon::Exclamation);
        return;
    }
    watch.setStartAtLogon(wanted);
    if (!wanted && watch.startInTray())
        onStartInTrayToggled(false);
    m_services.settings->write(SettingKeys::WindowsStartup, wanted ? kOn : kOff);
}

void MainWindow::onStartInTrayToggled(bool wanted)
{
    m_news->watch().setStartInTray(wanted);
    m_services.settings->write(SettingKeys::Minimized, wanted ? kOn : kOff);
}

} // namespace tidewick
