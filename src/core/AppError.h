#pragma once

#include <QString>
#include <stdexcept>
#include <QCoreApplication>

namespace tidewick {

// A failure of one statement. Its description is what the error report shows,
// worded like the familiar run-time messages ("Type mismatch", "Overflow", ...).
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString &description);
    QString description() const { return m_description; }

    static AppError typeMismatch() { return AppError(QCoreApplication::translate("Tidewick", "Type mismatch")); }
    static AppError overflow() { return AppError(QCoreApplication::translate("Tidewick", "Overflow")); }
    static AppError invalidArgument() { return AppError(QCoreApplication::translate("Tidewick", "Invalid procedure call or argument")); }
    static AppError fileNotFound(const QString &name);
    static AppError permissionDenied(const QString &name);

private:
    QString m_description;
};

} // namespace tidewick
