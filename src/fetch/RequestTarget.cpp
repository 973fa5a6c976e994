#include "fetch/RequestTarget.h"

#include <QUrl>

namespace tidewick {

QString requestTarget(const QString &countryPrefix, const QString &keyword, const QString &category,
                      const QString &host)
{
    static const QString kCategoryArgument = QStringLiteral("category=");

    QString target = countryPrefix + host;
    if (keyword.isEmpty() && category.isEmpty())
        return target;
    target += u'/';
    target += keyword;
    if (!category.isEmpty()) {
        if (!keyword.isEmpty())
            target += u',';
        target += kCategoryArgument;
        target += category;
    }
    return target;
}

// Every character outside the unreserved set is percent-encoded as UTF-8,
// so that the service reads the keyword as typed: a "," "&" or "/" in it
// ("AT&T", "AC/DC") would otherwise end it or start another part of the
// path. Blanks become "+".
QString keywordInPath(const QString &keyword)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(keyword, QByteArrayLiteral(" "))).replace(u' ', u'+');
}

} // namespace tidewick
