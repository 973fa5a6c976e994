#include "app/MainWindow.h"

#include "core/Dialogs.h"
#include "core/SettingsStore.h"
#include "desktop/AutostartEntry.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace tidewick {

// The log-on entry is made or removed first: when that fails the user is
// told, and the box goes back to what it was, so the box, the setting and
// the entry keep telling the same story.
void MainWindow::onStartAtLogonToggled()
{
    // The load restores the box from the settings; that is no user's choice.
    if (loading)
        return;
    SettingsStore &settings = *m_services.settings;
    const bool wanted = startAtLogonBox->isChecked();
    QString problem;
    const bool done = wanted ? addAutostartEntry(m_services.autostartFolder, m_services.executablePath, &problem)
                             : removeAutostartEntry(m_services.autostartFolder, &problem);
    if (!done) {
        {
            const QSignalBlocker blocker(startAtLogonBox);
            startAtLogonBox->setChecked(!wanted);
        }
        m_services.dialogs->showMessage(appTitle(), problem, MessageIcon::Exclamation);
        return;
    }
    if (wanted) {
        startInTrayBox->setVisible(true);
        settings.write(SettingKeys::WindowsStartup, kOn);
    } else {
        startInTrayBox->setChecked(false);
        startInTrayBox->setVisible(false);
        settings.write(SettingKeys::WindowsStartup, kOff);
    }
}

void MainWindow::onStartInTrayToggled()
{
    m_services.settings->write(SettingKeys::Minimized, startInTrayBox->isChecked() ? kOn : kOff);
}

} // namespace tidewick
