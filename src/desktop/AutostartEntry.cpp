#include "desktop/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace tidewick {

QString autostartFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("autostart"));
}

QString autostartEntryPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("tidewick.desktop"));
}

QString quoteExecArgument(const QString &argument)
{
    // Inside double quotes, ", `, $ and \ take a backslash; then the whole
    // value is a string of the desktop file, where \ itself is escaped and
    // % stands for a field code unless doubled.
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return quoted;
}

QString autostartEntryText(const QString &executable)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tidewick\n"
                          "Comment=Watches the news for your keywords\n"
                          "Exec=%1\n"
                          "Icon=tidewick\n"
                          "Terminal=false\n"
                          "Categories=Network;News;\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(quoteExecArgument(executable));
}

bool addAutostartEntry(const QString &folder, const QString &executable)
{
    if (executable.isEmpty() || !QDir().mkpath(folder))
        return false;
    QSaveFile file(autostartEntryPath(folder));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(autostartEntryText(executable).toUtf8());
    return file.commit();
}

bool removeAutostartEntry(const QString &folder)
{
    QFile file(autostartEntryPath(folder));
    return !file.exists() || file.remove();
}

} // namespace tidewick
