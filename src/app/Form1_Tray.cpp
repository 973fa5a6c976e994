#include "app/Form1.h"

namespace tidewick {

void Form1::placeTrayIcon(Trap &)
{
}

} // namespace tidewick
