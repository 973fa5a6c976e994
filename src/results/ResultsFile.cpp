#include "results/ResultsFile.h"

#include "core/AppError.h"
#include "results/ExportFormat.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <clocale>
#include <iconv.h>
#include <langinfo.h>
#include <unistd.h>
#include <vector>
#include <QCoreApplication>

namespace tidewick {

namespace {

constexpr char kQuestionMark = '?';
const iconv_t kNoIconv = reinterpret_cast<iconv_t>(-1);

QByteArray localeCharset()
{
    const char *locale = std::setlocale(LC_CTYPE, nullptr);
    if (!locale || qstrcmp(locale, "C") == 0 || qstrcmp(locale, "POSIX") == 0)
        return QByteArrayLiteral("UTF-8");
    return QByteArray(nl_langinfo(CODESET));
}

bool namesUtf8(const QByteArray &charset)
{
    return charset.compare("UTF-8", Qt::CaseInsensitive) == 0 || charset.compare("UTF8", Qt::CaseInsensitive) == 0;
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Room for at least `wanted` more bytes after `out`, which moves with the
// buffer.
void makeRoom(QByteArray &buffer, char *&out, size_t &left, size_t wanted)
{
    if (left >= wanted)
        return;
    const qsizetype used = out - buffer.data();
    buffer.resize(2 * buffer.size() + qsizetype(wanted));
    out = buffer.data() + used;
    left = size_t(buffer.size() - used);
}

} // namespace

AnsiEncoder::AnsiEncoder() : AnsiEncoder(localeCharset()) {}

AnsiEncoder::AnsiEncoder(const QByteArray &charset) : m_charset(charset)
{
    if (namesUtf8(charset))
        return;
    const iconv_t handle = iconv_open(charset.constData(), "UTF-32LE");
    if (handle == kNoIconv)
        throw AppError(QCoreApplication::translate("Tidewick", "Unknown character set: %1").arg(QString::fromLatin1(charset)));
    m_iconv = handle;
}

AnsiEncoder::~AnsiEncoder()
{
    if (m_iconv)
        iconv_close(static_cast<iconv_t>(m_iconv));
}

QByteArray AnsiEncoder::encode(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    // A pair split over two calls is joined again; a high surrogate at the
    // end waits for the next call.
    QString joined;
    if (m_pendingHighSurrogate) {
        joined.reserve(text.size() + 1);
        joined += QChar(m_pendingHighSurrogate);
        joined += text;
        text = joined;
        m_pendingHighSurrogate = 0;
    }
    if (isHighSurrogate(text.back().unicode())) {
        m_pendingHighSurrogate = text.back().unicode();
        text.chop(1);
    }
    return encodeWhole(text);
}

QByteArray AnsiEncoder::finish()
{
    QByteArray bytes;
    if (m_pendingHighSurrogate) {
        const char16_t lone = m_pendingHighSurrogate;
        m_pendingHighSurrogate = 0;
        bytes = encodeWhole(QStringView(&lone, 1));
    }
    if (m_iconv) {
        char shift[16];
        char *out = shift;
        size_t left = sizeof shift;
        iconv(static_cast<iconv_t>(m_iconv), nullptr, nullptr, &out, &left);
        bytes.append(shift, out - shift);
    }
    return bytes;
}

QByteArray AnsiEncoder::encodeWhole(QStringView text)
{
    if (!m_iconv)
        return text.toUtf8();

    // One 32-bit unit per character; a lone surrogate is no character and
    // becomes a question mark like any other that cannot be written.
    std::vector<char32_t> characters;
    characters.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1].unicode())) {
            characters.push_back(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            characters.push_back(char32_t(kQuestionMark));
        } else {
            characters.push_back(unit);
        }
    }

    const auto handle = static_cast<iconv_t>(m_iconv);
    auto *in = reinterpret_cast<char *>(characters.data());
    size_t inLeft = characters.size() * sizeof(char32_t);
    QByteArray bytes(qsizetype(characters.size()) + 16, Qt::Uninitialized);
    char *out = bytes.data();
    size_t outLeft = size_t(bytes.size());
    while (inLeft > 0) {
        if (iconv(handle, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG) {
            makeRoom(bytes, out, outLeft, 16);
        } else if (errno == EILSEQ || errno == EINVAL) {
            // A character this code page lacks: back to the initial shift
            // state, then the question mark in its place.
            makeRoom(bytes, out, outLeft, 16);
            iconv(handle, nullptr, nullptr, &out, &outLeft);
            *out++ = kQuestionMark;
            --outLeft;
            in += sizeof(char32_t);
            inLeft -= sizeof(char32_t);
        } else {
            throw AppError(QCoreApplication::translate("Tidewick", "Cannot convert text to %1").arg(QString::fromLatin1(m_charset)));
        }
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

AnsiTextFile::AnsiTextFile(const QString &path, const QByteArray &charset)
    : m_path(path), m_file(path),
      m_encoder(charset.isEmpty() ? std::make_unique<AnsiEncoder>() : std::make_unique<AnsiEncoder>(charset))
{
    if (isSpecialFile(path))
        throw AppError(QCoreApplication::translate("Tidewick", "Not a regular file: %1").arg(path));
    // The earlier file is replaced by renaming the new one over it, never
    // written into, unless the folder refuses the new one.
    m_file.setDirectWriteFallback(true);
    if (m_file.open(QIODevice::WriteOnly) || openInPlace())
        return;
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (path.isEmpty() || !folder.exists() || !folder.isDir())
        throw AppError(QCoreApplication::translate("Tidewick", "Path not found: %1").arg(path));
    if (target.isDir())
        throw AppError(QCoreApplication::translate("Tidewick", "Path/File access error: %1").arg(path));
    throw AppError::permissionDenied(path);
}

// QSaveFile falls back to writing in place itself only where the folder
// lacks write permission (EACCES); an immutable folder (EPERM), which not
// even root may add to, is the same case for the user.
bool AnsiTextFile::openInPlace()
{
    const QFileInfo target(m_path);
    if (!target.isFile() || !target.isWritable())
        return false;
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    if (::access(folder.constData(), W_OK) == 0 || (errno != EACCES && errno != EPERM))
        return false;
    m_inPlace.setFileName(m_path);
    if (!m_inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    m_device = &m_inPlace;
    return true;
}

void AnsiTextFile::write(QStringView text)
{
    writeBytes(m_encoder->encode(text));
}

// A disk that fills up first takes part of a write without a word of error;
// only the write of the rest fails with the reason (ENOSPC).
void AnsiTextFile::writeBytes(const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = m_device->write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            throwWriteError();
        done += written;
    }
}

void AnsiTextFile::commit()
{
    writeBytes(m_encoder->finish());
    if (m_device == &m_file) {
        if (!m_file.commit())
            throwWriteError();
        return;
    }
    m_inPlace.close(); // flushes; keeps the error of a failed flush
    if (m_inPlace.error() != QFileDevice::NoError)
        throwWriteError();
}

void AnsiTextFile::throwWriteError() const
{
    throw AppError(QCoreApplication::translate("Tidewick", "Device I/O error: %1 (%2)").arg(m_path, m_device->errorString()));
}

void writeTextFile(const QString &text, const QString &path)
{
    AnsiTextFile file(path);
    file.write(text);
    file.write(kExportLineEnd);
    file.commit();
}

ListFileWriter::ListFileWriter(const QString &header, QStringList rows, const QString &path)
    : m_file(path), m_header(header), m_rows(std::move(rows))
{
}

bool ListFileWriter::writeNextPiece()
{
    // A piece is written when it holds this many rows or characters,
    // whichever comes first: some thousand rows take a few milliseconds.
    constexpr int kRowsPerPiece = 4096;
    constexpr qsizetype kCharactersPerPiece = qsizetype(1) << 20;

    QString piece;
    piece.reserve(kCharactersPerPiece + 4096);
    if (m_next < 0) {
        appendExportHeader(piece, oneCell(m_header), m_rows.isEmpty() ? ExportCells() : oneCell(m_rows.constFirst()));
        m_next = 0;
    }
    for (int inPiece = 0; m_next < m_rows.size() && inPiece < kRowsPerPiece && piece.size() < kCharactersPerPiece;
         ++inPiece)
        appendExportRow(piece, oneCell(m_rows.at(m_next++)));
    const bool last = m_next >= m_rows.size();
    if (last)
        appendExportEnd(piece);
    m_file.write(piece);
    if (last)
        m_file.commit();
    return last;
}

void writeListFile(const QString &header, QStringList rows, const QString &path)
{
    ListFileWriter writer(header, std::move(rows), path);
    while (!writer.writeNextPiece()) {
    }
}

} // namespace tidewick
