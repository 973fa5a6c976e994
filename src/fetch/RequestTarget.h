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
// The keyword comes with its blanks already replaced by "+". Nothing is
// escaped or encoded, and no scheme is put in front (curl takes plain HTTP).
QString requestTarget(const QString &countryPrefix, const QString &keyword, const QString &category,
                      const QString &host);

} // namespace tidewick
