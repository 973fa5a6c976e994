#include "resources/Icons.h"

#include <QString>

namespace tidewick {

namespace {

QIcon loadKIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/tidewick-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon applicationIcon()
{
    // One icon for the whole run: its pictures are decoded once, when first
    // drawn, and shared by the window and the tray.
    static const QIcon icon = loadKIcon();
    return icon;
}

QIcon trayIconPicture()
{
    // Same drawing as the window icon; the tray usually takes the 16 px one.
    return applicationIcon();
}

} // namespace tidewick
