#include "app/Form1.h"

namespace tidewick {

void Form1::connectKeywordHandlers() {}
void Form1::PushButton3_Click() {}
void Form1::PushButton11_Click() {}
void Form1::ListView5_DblClick() {}
void Form1::PushButton7_Click() {}
void Form1::PushButton4_Click() {}
void Form1::importKeywordFiles(const QStringList &) {}

} // namespace tidewick
