#include "app/Form1.h"

namespace tidewick {

void Form1::connectResultHandlers() {}
void Form1::PushButton2_Click() {}
void Form1::PushButton1_Click() {}

} // namespace tidewick
