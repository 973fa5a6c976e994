#include "core/StartupTexts.h"

#include "core/ValueConversion.h"

namespace tidewick {

QString applicationTitle(const QString &productName)
{
    QString title = productName;
    do {
        const qsizetype lastBlank = title.lastIndexOf(QLatin1Char(' '));
        if (lastBlank < 0)
            break;
        title.truncate(lastBlank);
    } while (title.size() > 40);
    return title;
}

QStringList codeListEntries(const QString &text)
{
    QStringList entries;
    const QStringList pieces = text.split(QLatin1Char(','));
    for (const QString &piece : pieces) {
        const QString entry = trimBlanks(piece);
        if (!entry.isEmpty())
            entries.append(entry);
    }
    return entries;
}

} // namespace tidewick
