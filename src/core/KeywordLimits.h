#pragma once

#include <QString>
#include <QCoreApplication>

namespace tidewick {

// The longest keyword that can be queried. A query goes to curl as one
// program argument, which Linux caps at 128 KiB; percent-encoding turns one
// character into at most nine bytes, so a keyword up to this length always
// fits with room for the host and category. Longer ones are refused where
// they enter the keyword list and skipped by a fetch run.
inline constexpr qsizetype kLongestKeyword = 10000;

inline bool keywordFitsInQuery(const QString &keyword)
{
    return keyword.size() <= kLongestKeyword;
}

// What a keyword holds that a keyword cannot, worded for the user; empty
// when it holds nothing of the kind. A line break or another control
// character (a TAB is text) cannot be typed into the one-line box, and a
// text-direction control (U+202E and its kin) would make the list show
// something other than what is queried.
inline QString keywordForbiddenCharacter(const QString &keyword)
{
    for (const QChar c : keyword) {
        const char16_t code = c.unicode();
        if (code == u'\t')
            continue;
        if (c.category() == QChar::Other_Control || code == 0x2028 || code == 0x2029)
            return QCoreApplication::translate("Tidewick", "a line break or another control character");
        if ((code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069) || code == 0x200E
            || code == 0x200F || code == 0x061C)
            return QCoreApplication::translate("Tidewick", "a text-direction control (U+%1)")
                .arg(QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return {};
}

} // namespace tidewick
