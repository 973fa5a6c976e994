#pragma once

#include <QString>

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

} // namespace tidewick
