#pragma once

class QCoreApplication;

namespace tidewick {

// Loads the program's texts (and Qt's own, for its dialogs) in the first of
// the user's languages that is shipped; English, the texts' own language,
// needs none, and where English comes first nothing is loaded.
void installTranslation(QCoreApplication &application);

} // namespace tidewick
