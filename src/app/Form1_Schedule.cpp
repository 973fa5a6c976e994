#include "app/Form1.h"

#include "app/SettingsStore.h"
#include "schedule/CountdownTimer.h"

#include <QPushButton>

namespace tidewick {

namespace {
const QString kTurnOn = QStringLiteral("Turn On Automatic News Fetch");
const QString kTurnOff = QStringLiteral("Turn Off Automatic News Fetch");
} // namespace

void Form1::restoreAutomaticFetch(Trap &trap, const QString &startStopState)
{
    if (startStopState == kOff) {
        trap(194, [&] { PushButton5->setText(kTurnOn); });
        trap(196, [&] { Timer1->setPeriod(0); });
    } else if (startStopState == kOn) {
        trap(200, [&] { PushButton5->setText(kTurnOff); });
        trap(202, [&] { Timer1->setPeriod(1000); });
    }
}

} // namespace tidewick
