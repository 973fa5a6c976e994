#pragma once

#include <QString>

namespace tidewick {

// The address curl is given for one query: the country prefix (a country code
// followed by ".", or empty), the news service host, then the path:
//
//   keyword  category  path
//   -        -         nothing, not even "/"
//   given    -         "/" keyword
//   -        given     "/category=" category
//   given    given     "/" keyword ",category=" category
//
// The keyword comes as keywordInPath gives it. Nothing else is escaped or
// encoded, and no scheme is put in front (curl takes plain HTTP).
QString requestTarget(const QString &countryPrefix, const QString &keyword, const QString &category,
                      const QString &host);

// A keyword as the path carries it: each blank becomes "+", and every other
// character but letters, digits and "-._~" is percent-encoded (as UTF-8),
// so that the service reads back the very keyword typed ("C++" would
// otherwise arrive as "C", "AT&T" or "a,category=x" as something else).
QString keywordInPath(const QString &keyword);

} // namespace tidewick
