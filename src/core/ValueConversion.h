#pragma once

#include <QDateTime>
#include <QString>

namespace tidewick {

// Conversions of stored texts, failing like the run-time's own: a text that is
// no number is a "Type mismatch", a number out of range an "Overflow".

// The text without blanks at either end; tabs and line ends stay.
QString trimBlanks(const QString &text);

// A whole number in signed 16 bits; a fraction rounds half to even.
qint16 toInt16(const QString &text);

// Day numbers: days since 30 December 1899 00:00 local time, the fraction
// giving the time of day.
double toDayNumber(const QDateTime &moment);
QDateTime fromDayNumber(double days);

// A day number as decimal text in plain ASCII digits, with a decimal comma
// where the locale writes one and a point elsewhere, up to 15 significant
// digits and no group separators; and back: either decimal separator is
// read, whatever the locale, and digits of any script.
QString dayNumberText(double days);
double parseDayNumber(const QString &text);

// A number written in the digits of any script (Persian, Arabic-Indic and
// the like) in plain ASCII digits, the decimal point for the Arabic decimal
// separator, without group separators or direction marks.
QString asciiNumberText(const QString &text);

} // namespace tidewick
