#pragma once

#include <QString>
#include <QtGlobal>

namespace tidewick {

// Program-wide state that several parts of the program share. One instance
// lives as long as the program; a test creates its own fresh one.
struct ProgramState {
    // True while a minimise has hidden the window into the tray.
    bool hiddenInTray = false;

    // Helper programs (absolute paths) and their work files, which live in a
    // private folder of this run inside the temporary folder.
    QString curlCommand;
    QString messagePath;
    QString ansiFilterCommand;
    QString cleanPath;
    QString workFolder;
};

} // namespace tidewick
