#include "desktop/AutostartEntry.h"

#include "core/ApplicationId.h"
#include "core/FileHelpers.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <QCoreApplication>

namespace tidewick {

namespace {

// The control characters a desktop entry's string value can carry, as
// escape sequences.
bool hasStringEscape(QChar c)
{
    return c == u'\t' || c == u'\n' || c == u'\r';
}

void setProblem(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

} // namespace

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
    // value is a string of the desktop file, where \ itself is escaped, a
    // tab, line feed or carriage return is written as an escape (a raw one
    // would end the line or be no string at all), and % stands for a field
    // code unless doubled.
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    quoted.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    quoted.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return quoted;
}

bool canStartFromAutostart(const QString &executable)
{
    return std::none_of(executable.cbegin(), executable.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control && !hasStringEscape(c);
    });
}

QString autostartEntryText(const QString &executable)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tidewick\n"
                          "Comment=Watches the news for your keywords\n"
                          "Exec=%1\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "Categories=Network;News;\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(quoteExecArgument(executable), kApplicationId);
}

bool addAutostartEntry(const QString &folder, const QString &executable, QString *problem)
{
    if (executable.isEmpty()) {
        setProblem(problem, QCoreApplication::translate("Tidewick", "The log-on entry was not written: the program's own path is unknown."));
        return false;
    }
    if (!canStartFromAutostart(executable)) {
        setProblem(problem, QCoreApplication::translate("Tidewick", "The log-on entry was not written: the program's path holds control "
                                           "characters that a desktop entry cannot carry."));
        return false;
    }
    if (!QDir().mkpath(folder)) {
        setProblem(problem, QCoreApplication::translate("Tidewick", "The log-on entry was not written: the folder %1 cannot be made.")
                                .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    const QString path = autostartEntryPath(folder);
    const QString failure = saveWholeFile(path, autostartEntryText(executable).toUtf8());
    if (failure.isEmpty())
        return true;
    setProblem(problem, QCoreApplication::translate("Tidewick", "The log-on entry %1 could not be written: %2.")
                            .arg(QDir::toNativeSeparators(path), failure));
    return false;
}

bool removeAutostartEntry(const QString &folder, QString *problem)
{
    QFile file(autostartEntryPath(folder));
    if (!file.exists() || file.remove())
        return true;
    setProblem(problem, QCoreApplication::translate("Tidewick", "The log-on entry %1 could not be removed: %2.")
                            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
    return false;
}

} // namespace tidewick
