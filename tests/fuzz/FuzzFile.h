#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace tidewick::fuzz {

// The readers take a path, so every input is written to one file in a private
// folder under TMPDIR (scripts/fuzz points it at its own work folder) and read
// back from there.
inline QString fileWith(const QByteArray &bytes)
{
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("input.txt"));
    QFile file(path);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write the input file %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace tidewick::fuzz
