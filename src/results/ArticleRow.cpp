#include "results/ArticleRow.h"

#include <QStringList>

namespace tidewick {

namespace {

constexpr int kToolTipColumns = 80;

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

QString articleToolTip(const QString &row)
{
    const QStringList lines = wrapped(row, kToolTipColumns);
    if (lines.isEmpty())
        return {};
    return QStringLiteral("<p style='white-space:pre'>") + lines.join(QLatin1Char('\n')).toHtmlEscaped()
        + QStringLiteral("</p>");
}

} // namespace tidewick
