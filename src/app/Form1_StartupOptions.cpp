#include "app/Form1.h"

#include "app/SettingsStore.h"
#include "desktop/mStartUp.h"

#include <QCheckBox>

namespace tidewick {

void Form1::Check4_Click()
{
    // The load restores the box from the settings; that is no user's choice.
    if (Loading)
        return;
    SettingsStore &settings = *m_services.settings;
    if (Check4->isChecked()) {
        Check8->setVisible(true);
        settings.write(SettingKeys::WindowsStartup, kOn);
        AddToStartup(m_services.autostartFolder, m_services.executablePath);
    } else {
        Check8->setChecked(false);
        Check8->setVisible(false);
        settings.write(SettingKeys::WindowsStartup, kOff);
        RemoveFromStartup(m_services.autostartFolder);
    }
}

void Form1::Check8_Click()
{
    m_services.settings->write(SettingKeys::Minimized, Check8->isChecked() ? kOn : kOff);
}

} // namespace tidewick
