#pragma once

class QCoreApplication;

namespace tidewick {

// Loads the program's texts (and Qt's own, for its dialogs) in the first of
// the user's languages that is shipped; where English comes first, only the
// English plural forms are loaded, as the texts are English already.
void installTranslation(QCoreApplication &application);

// The English plural forms alone ("1 line", "2 lines").
void installEnglishPlurals(QCoreApplication &application);

} // namespace tidewick
