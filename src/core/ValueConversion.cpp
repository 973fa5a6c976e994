#include "core/ValueConversion.h"

#include "core/AppError.h"

#include <QLocale>
#include <QTimeZone>
#include <cmath>
#include <limits>

namespace tidewick {

namespace {
constexpr double kMsPerDay = 86400000.0;

const QDate &dayZero()
{
    static const QDate date(1899, 12, 30);
    return date;
}

// The number a stored text says, whichever locale wrote it: plain digits
// with a decimal point or a decimal comma (a copy started under another
// locale, log-on under one and a terminal under another, wrote it), or the
// digits and separators of a script of their own, as earlier versions wrote
// under Persian or Arabic locales.
double parseNumber(const QString &text)
{
    const QString trimmed = asciiNumberText(text).trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok && trimmed.count(u',') == 1)
        value = QLocale::c().toDouble(QString(trimmed).replace(u',', u'.'), &ok);
    if (!ok || !std::isfinite(value))
        throw AppError::typeMismatch();
    return value;
}
} // namespace

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

qint16 toInt16(const QString &text)
{
    const double rounded = std::nearbyint(parseNumber(text)); // halves to even
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        throw AppError::overflow();
    return static_cast<qint16>(rounded);
}

double toDayNumber(const QDateTime &moment)
{
    const QDateTime local = moment.toLocalTime();
    const qint64 days = dayZero().daysTo(local.date());
    return double(days) + local.time().msecsSinceStartOfDay() / kMsPerDay;
}

QDateTime fromDayNumber(double days)
{
    if (!std::isfinite(days) || std::abs(days) > 3.0e6)
        throw AppError::overflow();
    // Like the platform's dates: the whole part counts days, the fraction
    // (taken without sign) is the time of day.
    const double whole = std::trunc(days);
    const double fraction = std::abs(days - whole);
    const QDate date = dayZero().addDays(qint64(whole));
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(std::llround(fraction * kMsPerDay) % qint64(kMsPerDay)));
    return QDateTime(date, time);
}

QString asciiNumberText(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (c.isDigit())
            plain += QChar(u'0' + c.digitValue());
        else if (c == u'\u066B') // Arabic decimal separator
            plain += u'.';
        else if (c == u'\u2212') // minus sign
            plain += u'-';
        else if (c.category() != QChar::Other_Format && c != u'\u066C') // direction marks, group separator
            plain += c;
    }
    return plain;
}

// Plain digits always: another copy, or this one under another locale, reads
// the file too. The decimal comma stays where the locale writes one, as the
// text has always been written there.
QString dayNumberText(double days)
{
    QString text = QLocale::c().toString(days, 'g', 15);
    if (QLocale().decimalPoint() == QStringLiteral(","))
        text.replace(u'.', u',');
    return text;
}

double parseDayNumber(const QString &text)
{
    return parseNumber(text);
}

} // namespace tidewick
