#pragma once

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace tidewick {

// Text in the system's ANSI code page. On Linux that is the encoding of the
// locale (LC_CTYPE); the C and POSIX locales, which only say that no locale
// was chosen, count as UTF-8 as they do for Qt. A character that the code
// page cannot represent becomes one '?'. Never writes a byte-order mark.
//
// The encoder keeps state between calls: a surrogate pair split over two
// calls is still one character, and finish() ends a stateful encoding.
class AnsiEncoder {
public:
    // The locale's encoding.
    AnsiEncoder();
    // A character set by the name iconv knows it by ("ISO-8859-1", "CP1252");
    // throws AppError for a name it does not know.
    explicit AnsiEncoder(const QByteArray &charset);
    ~AnsiEncoder();
    AnsiEncoder(const AnsiEncoder &) = delete;
    AnsiEncoder &operator=(const AnsiEncoder &) = delete;

    QByteArray charset() const { return m_charset; }
    bool isUtf8() const { return m_iconv == nullptr; }

    QByteArray encode(QStringView text);
    // The bytes that end the text: a lone high surrogate left over, the
    // return to the initial shift state.
    QByteArray finish();

private:
    QByteArray encodeWhole(QStringView text);

    QByteArray m_charset;
    void *m_iconv = nullptr; // iconv_t; null for UTF-8
    char16_t m_pendingHighSurrogate = 0;
};

// A text file written in the ANSI code page through QSaveFile: the file at
// the path is replaced only by commit(), so an earlier file stays whole until
// the new one is complete, and a writer that is destroyed without commit()
// (after a failure, say) leaves it untouched. Failures throw AppError.
//
// The one exception: where the folder takes no new file (no write permission,
// or the immutable attribute), no temporary file can be made beside the
// earlier one, and an existing file that may be written is written in place.
// A failure then leaves it cut short, as any editor's in-place save would.
//
// Only a regular file is ever replaced: a device or a named pipe at the path
// throws and stays as it was.
class AnsiTextFile {
public:
    // Opens the file for writing, in the locale's encoding when `charset` is
    // empty.
    explicit AnsiTextFile(const QString &path, const QByteArray &charset = QByteArray());

    void write(QStringView text);
    void commit();

private:
    bool openInPlace();
    void writeBytes(const QByteArray &bytes);
    [[noreturn]] void throwWriteError() const;

    QString m_path;
    QSaveFile m_file;
    QFile m_inPlace;
    QFileDevice *m_device = &m_file;
    std::unique_ptr<AnsiEncoder> m_encoder;
};

// True when something other than a regular file or a folder is at the path
// (a device, a named pipe, a socket), which a save must never replace.
bool isSpecialFile(const QString &path);

// Creates or replaces the file with the text followed by CR LF.
void writeTextFile(const QString &text, const QString &path);

// A one-column list saved in the export format (results/ExportFormat.h), a
// piece of a few thousand rows at a time. `rows` is a snapshot: the rows as
// they were when the save began, whatever happens to the list meanwhile. The
// file takes the earlier one's place with the last piece; a writer destroyed
// before that leaves the earlier file as it was. Failures throw AppError.
class ListFileWriter {
public:
    ListFileWriter(const QString &header, QStringList rows, const QString &path);
    // Writes the next piece; true once the file is complete.
    bool writeNextPiece();

private:
    AnsiTextFile m_file;
    QString m_header;
    QStringList m_rows;
    qsizetype m_next = -1; // the header comes first
};

// Saves a one-column list at once.
void writeListFile(const QString &header, QStringList rows, const QString &path);

} // namespace tidewick
