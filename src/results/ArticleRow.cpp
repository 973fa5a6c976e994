#include "results/ArticleRow.h"

#include <QRegularExpression>
#include <QStringList>

namespace tidewick {

namespace {

constexpr int kToolTipColumns = 80;

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

// A "%" that starts no escape stands for itself. Left to QUrl, a single
// such "%" would make it encode every other "%" too, escapes included, and
// the browser would get "%2520" for "%20".
QString withStrayPercentsEncoded(const QString &address)
{
    static const QRegularExpression stray(QStringLiteral("%(?![0-9A-Fa-f]{2})"));
    return QString(address).replace(stray, QStringLiteral("%25"));
}

QStringList wrapped(const QString &text, int columns)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > columns) {
            lines.append(line);
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

} // namespace

QUrl articleLink(const QString &row)
{
    // Not inside a longer word or scheme ("xhttp://", "svn+https://").
    static const QRegularExpression address(QStringLiteral("(?<![\\w+.-])https?://\\S+"),
                                            QRegularExpression::CaseInsensitiveOption);
    QUrl link;
    for (const QRegularExpressionMatch &match : address.globalMatch(row)) {
        const QUrl candidate(withStrayPercentsEncoded(withoutTrailingPunctuation(match.captured())),
                             QUrl::TolerantMode);
        const QString scheme = candidate.scheme();
        if (candidate.isValid() && !candidate.host().isEmpty()
            && (scheme == QLatin1String("http") || scheme == QLatin1String("https")))
            link = candidate;
    }
    return link;
}

QString articleToolTip(const QString &row)
{
    const QStringList lines = wrapped(row, kToolTipColumns);
    if (lines.isEmpty())
        return {};
    return QStringLiteral("<p style='white-space:pre'>") + lines.join(QLatin1Char('\n')).toHtmlEscaped()
        + QStringLiteral("</p>");
}

} // namespace tidewick
