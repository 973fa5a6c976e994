#include "results/ListFileSave.h"

#include "core/AppError.h"

#include <QTimer>

namespace tidewick {

ListFileSave::ListFileSave(const QString &header, QStringList rows, const QString &path, QObject *parent)
    : QObject(parent), m_writer(header, std::move(rows), path)
{
    QTimer::singleShot(0, this, &ListFileSave::writeNextPiece);
}

void ListFileSave::writeNextPiece()
{
    try {
        if (!m_writer.writeNextPiece()) {
            QTimer::singleShot(0, this, &ListFileSave::writeNextPiece);
            return;
        }
        emit finished(QString());
    } catch (const AppError &error) {
        emit finished(error.description());
    }
}

} // namespace tidewick
