#include "fetch/RequestTarget.h"

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

QString keywordInPath(const QString &keyword)
{
    QString path = keyword;
    path.replace(u'%', QLatin1String("%25")).replace(u'+', QLatin1String("%2B")).replace(u' ', u'+');
    return path;
}

} // namespace tidewick
