#include "app/MainWindow.h"

#include "core/SettingsStore.h"
#include "desktop/AutostartEntry.h"

#include <QCheckBox>

namespace tidewick {

void MainWindow::onStartAtLogonToggled()
{
    // The load restores the box from the settings; that is no user's choice.
    if (loading)
        return;
    SettingsStore &settings = *m_services.settings;
    if (startAtLogonBox->isChecked()) {
        startInTrayBox->setVisible(true);
        settings.write(SettingKeys::WindowsStartup, kOn);
        addAutostartEntry(m_services.autostartFolder, m_services.executablePath);
    } else {
        startInTrayBox->setChecked(false);
        startInTrayBox->setVisible(false);
        settings.write(SettingKeys::WindowsStartup, kOff);
        removeAutostartEntry(m_services.autostartFolder);
    }
}

void MainWindow::onStartInTrayToggled()
{
    m_services.settings->write(SettingKeys::Minimized, startInTrayBox->isChecked() ? kOn : kOff);
}

} // namespace tidewick
