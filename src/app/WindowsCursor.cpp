#include "app/WindowsCursor.h"

#include "core/AppError.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>
#include <QCoreApplication>

namespace tidewick {

namespace {
constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;

AppError invalidPicture()
{
    return AppError(QCoreApplication::translate("Tidewick", "Invalid picture"));
}

quint16 readU16(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}
} // namespace

QCursor loadWindowsCursor(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::fileNotFound(path);
    // Cursor files are small; anything big is not one.
    QByteArray bytes = file.read(1 << 20);
    if (bytes.size() < kDirectorySize + kEntrySize || readU16(bytes, 0) != 0 || readU16(bytes, 2) != 2
        || readU16(bytes, 4) == 0)
        throw invalidPicture();

    // A cursor file is an icon file whose entries carry a hot spot where an
    // icon keeps its planes and bit count. Read the hot spot, then let the
    // icon reader decode the picture.
    const int hotX = readU16(bytes, kDirectorySize + 4);
    const int hotY = readU16(bytes, kDirectorySize + 6);
    qToLittleEndian<quint16>(1, bytes.data() + 2);
    qToLittleEndian<quint16>(1, bytes.data() + kDirectorySize + 4);
    qToLittleEndian<quint16>(0, bytes.data() + kDirectorySize + 6);

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    const QImage image = reader.read();
    if (image.isNull())
        throw invalidPicture();
    return QCursor(QPixmap::fromImage(image), std::min(hotX, image.width() - 1), std::min(hotY, image.height() - 1));
}

} // namespace tidewick
