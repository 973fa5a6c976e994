// What the scan of untranslated texts must flag, and what it must pass by.
#include "not a text for the user.h"
QString sample(const QString &host)
{
    const QString said = QStringLiteral("is not an address"); // "in a comment, not flagged"
    const QString heard = tr("A translated " "text, not flagged") + QStringLiteral("https://example.org/a b");
    return said + heard + QStringLiteral("stays " "English here").arg(host);
}
