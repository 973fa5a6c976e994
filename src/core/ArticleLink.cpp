#include "core/ArticleLink.h"

#include <QRegularExpression>

namespace tidewick {

namespace {

// Closing punctuation ends a sentence rather than the address, unless the
// address opened the bracket itself (as some wiki links do).
QString withoutTrailingPunctuation(QString address)
{
    static const QString always = QStringLiteral(".,;:!?'\"");
    static const QString closing = QStringLiteral(")]}>");
    static const QString opening = QStringLiteral("([{<");
    while (!address.isEmpty()) {
        const QChar last = address.back();
        const qsizetype bracket = closing.indexOf(last);
        const bool unbalanced =
            bracket >= 0 && address.count(opening.at(bracket)) < address.count(last);
        if (!always.contains(last) && !unbalanced)
            break;
        address.chop(1);
    }
    return address;
}

} // namespace

QUrl articleLink(const QString &text)
{
    // Not inside a longer word or scheme ("xhttp://", "svn+https://").
    static const QRegularExpression address(QStringLiteral("(?<![\\w+.-])https?://\\S+"),
                                            QRegularExpression::CaseInsensitiveOption);
    QUrl link;
    for (const QRegularExpressionMatch &match : address.globalMatch(text)) {
        const QUrl candidate(withoutTrailingPunctuation(match.captured()), QUrl::TolerantMode);
        const QString scheme = candidate.scheme();
        if (candidate.isValid() && !candidate.host().isEmpty()
            && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
            link = candidate;
    }
    return link;
}

} // namespace tidewick
