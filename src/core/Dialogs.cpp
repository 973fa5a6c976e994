#include "core/Dialogs.h"

#include <QCoreApplication>

namespace tidewick {

// "All Files" shows every file: "*.*" would hide the names without a dot.
QStringList textFileFilters()
{
    return {QCoreApplication::translate("Tidewick", "Text Files (*.txt)"),
            QCoreApplication::translate("Tidewick", "All Files (*)")};
}

} // namespace tidewick
