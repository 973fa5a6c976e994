#include "core/AppError.h"
#include <QCoreApplication>

namespace tidewick {

AppError::AppError(const QString &description)
    : std::runtime_error(description.toStdString()), m_description(description)
{
}

AppError AppError::fileNotFound(const QString &name)
{
    return AppError(QCoreApplication::translate("Tidewick", "File not found: %1").arg(name));
}

AppError AppError::permissionDenied(const QString &name)
{
    return AppError(QCoreApplication::translate("Tidewick", "Permission denied: %1").arg(name));
}

} // namespace tidewick
