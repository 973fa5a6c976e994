#include "keywords/TextFileReader.h"

#include "core/AppError.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QStringView>

#include <cstring>
#include <type_traits>
#include <QCoreApplication>

namespace tidewick {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes it
// leaves undefined (81, 8D, 8F, 90, 9D) map to the C1 controls of the same
// value, as Windows itself does, so every byte has a character.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t windows1252(uchar byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t(byte);
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *out++ = windows1252(uchar(byte));
    return text;
}

// Appends a code point (at most U+10FFFF, no surrogate) as one or two units.
char16_t *appendCodePoint(char16_t *out, char32_t codePoint)
{
    if (codePoint < 0x10000) {
        *out++ = char16_t(codePoint);
    } else {
        codePoint -= 0x10000;
        *out++ = char16_t(0xD800 + (codePoint >> 10));
        *out++ = char16_t(0xDC00 + (codePoint & 0x3FF));
    }
    return out;
}

// The length of the well-formed UTF-8 sequence at p (1 to 4 bytes), or 0 when
// the bytes there are not one: a stray continuation byte, an overlong form, a
// surrogate, a value past U+10FFFF or a sequence cut short.
int wellFormedUtf8Length(const uchar *p, qsizetype available)
{
    const uchar lead = p[0];
    if (lead < 0x80)
        return 1;
    int length = 0;
    uchar secondMin = 0x80;
    uchar secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            secondMin = 0xA0;
        else if (lead == 0xED)
            secondMax = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            secondMin = 0x90;
        else if (lead == 0xF4)
            secondMax = 0x8F;
    } else {
        return 0;
    }
    if (available < length || p[1] < secondMin || p[1] > secondMax)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    }
    return length;
}

// UTF-8 in which any byte that does not start a well-formed sequence stands
// for its Windows-1252 character.
QString decodeUtf8WithWindows1252Fallback(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    auto *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const auto *const end = p + bytes.size();
    while (p < end) {
        const int length = wellFormedUtf8Length(p, end - p);
        if (length == 0) {
            *out++ = windows1252(*p++);
            continue;
        }
        char32_t codePoint = length == 1 ? p[0] : p[0] & (0x7F >> length);
        for (int i = 1; i < length; ++i)
            codePoint = (codePoint << 6) | (p[i] & 0x3F);
        out = appendCodePoint(out, codePoint);
        p += length;
    }
    text.truncate(out - begin);
    return text;
}

// UTF-16 in either byte order. A lone surrogate and an odd last byte read as
// U+FFFD.
QString decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units + 1, Qt::Uninitialized);
    auto *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const auto unitAt = [p, bigEndian](qsizetype i) {
        const uchar first = p[2 * i];
        const uchar second = p[2 * i + 1];
        return char16_t(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t unit = unitAt(i);
        if (unit < 0xD800 || unit > 0xDFFF) {
            *out++ = unit;
        } else if (unit <= 0xDBFF && i + 1 < units && unitAt(i + 1) >= 0xDC00 && unitAt(i + 1) <= 0xDFFF) {
            *out++ = unit;
            *out++ = unitAt(++i);
        } else {
            *out++ = kReplacement;
        }
    }
    if (bytes.size() % 2 != 0)
        *out++ = kReplacement;
    text.truncate(out - begin);
    return text;
}

// UTF-32 in either byte order. A surrogate, a value past U+10FFFF and a cut
// short last unit read as U+FFFD.
QString decodeUtf32(QByteArrayView bytes, bool bigEndian)
{
    const qsizetype units = bytes.size() / 4;
    QString text(2 * units + 1, Qt::Uninitialized);
    auto *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < units; ++i, p += 4) {
        const char32_t codePoint = bigEndian
            ? (char32_t(p[0]) << 24) | (char32_t(p[1]) << 16) | (char32_t(p[2]) << 8) | p[3]
            : (char32_t(p[3]) << 24) | (char32_t(p[2]) << 16) | (char32_t(p[1]) << 8) | p[0];
        if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            *out++ = kReplacement;
        else
            out = appendCodePoint(out, codePoint);
    }
    if (bytes.size() % 4 != 0)
        *out++ = kReplacement;
    text.truncate(out - begin);
    return text;
}

enum class Mark { None, Utf32LE, Utf32BE, Utf8, Utf16LE, Utf16BE };

struct MarkRule {
    QByteArrayView bytes;
    Mark mark;
};

constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);

// In the order they are tested: the UTF-32 little-endian mark begins with the
// UTF-16 little-endian one and must win over it.
constexpr MarkRule kMarks[] = {
    {QByteArrayView("\xFF\xFE\x00\x00", 4), Mark::Utf32LE},
    {QByteArrayView("\x00\x00\xFE\xFF", 4), Mark::Utf32BE},
    {kUtf8Mark, Mark::Utf8},
    {QByteArrayView("\xFF\xFE", 2), Mark::Utf16LE},
    {QByteArrayView("\xFE\xFF", 2), Mark::Utf16BE},
};

const MarkRule *markAtStart(QByteArrayView bytes)
{
    for (const MarkRule &rule : kMarks) {
        if (bytes.startsWith(rule.bytes))
            return &rule;
    }
    return nullptr;
}

// Text of a file with a UTF-16 or UTF-32 mark, without the mark. Without one
// the bytes are taken as UTF-16 little-endian.
QString decodeUnicode(QByteArrayView bytes)
{
    const MarkRule *rule = markAtStart(bytes);
    const Mark mark = rule ? rule->mark : Mark::None;
    const QByteArrayView text = rule && mark != Mark::Utf8 ? bytes.sliced(rule->bytes.size()) : bytes;
    switch (mark) {
    case Mark::Utf32LE:
        return decodeUtf32(text, false);
    case Mark::Utf32BE:
        return decodeUtf32(text, true);
    case Mark::Utf16BE:
        return decodeUtf16(text, true);
    case Mark::Utf16LE:
    case Mark::Utf8:
    case Mark::None:
        break;
    }
    return decodeUtf16(text, false);
}

bool isWellFormedUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const auto *const end = p + bytes.size();
    while (p < end) {
        // Most text is ASCII: test sixteen bytes at a time.
        if (end - p >= 16) {
            quint64 words[2];
            std::memcpy(words, p, sizeof words);
            if (((words[0] | words[1]) & 0x8080808080808080ULL) == 0) {
                p += 16;
                continue;
            }
        }
        const int length = wellFormedUtf8Length(p, end - p);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

// Decodes bytes that isWellFormedUtf8 accepted.
QString fromWellFormedUtf8(QByteArrayView bytes)
{
    // QString::fromUtf8 is the fast way, but it drops a U+FEFF at the start,
    // and inside a file that is a character like any other. (Compared by hand:
    // a call to memcmp per line is measurable.)
    if (bytes.size() >= 3 && bytes[0] == kUtf8Mark[0] && bytes[1] == kUtf8Mark[1] && bytes[2] == kUtf8Mark[2])
        return decodeUtf8WithWindows1252Fallback(bytes);
    return QString::fromUtf8(bytes);
}

// Opens a file for reading, or throws the error the user is shown. Only
// regular files are read: a folder cannot be, and a device such as /dev/zero
// might never end.
void openForReading(QFile &file)
{
    const QString path = file.fileName();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        throw AppError::fileNotFound(path);
    if (!info.isFile())
        throw AppError(QCoreApplication::translate("Tidewick", "Path/File access error: %1").arg(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        if (!QFileInfo::exists(path))
            throw AppError::fileNotFound(path);
        throw AppError::permissionDenied(path);
    }
}

[[noreturn]] void throwReadError(const QFile &file)
{
    throw AppError(QCoreApplication::translate("Tidewick", "Device I/O error: %1").arg(file.fileName()));
}

QByteArray readAllBytes(QFile &file)
{
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throwReadError(file);
    return bytes;
}

enum class FinalLineEnd { StartsEmptyLine, EndsLastLine };

// Splits text at LF, dropping a CR just before the LF; a lone CR stays in its
// line. onLine gets each line and returns false to stop the split.
//
// takeEndedLines hands out the lines that end with an LF and returns how much
// of the text they took (-1 when onLine stopped). takeLastLine hands out the
// rest after the last LF: a line without line end, or, when the text ended
// with a line end, either an empty line or nothing. An empty text is one empty
// line either way.
template <typename View, typename OnLine>
qsizetype takeEndedLines(View text, OnLine &onLine)
{
    using Char = std::remove_cvref_t<decltype(text[0])>;
    qsizetype start = 0;
    for (qsizetype lf = text.indexOf(Char('\n')); lf >= 0; lf = text.indexOf(Char('\n'), start)) {
        const qsizetype end = lf > start && text[lf - 1] == Char('\r') ? lf - 1 : lf;
        if (!onLine(text.sliced(start, end - start)))
            return -1;
        start = lf + 1;
    }
    return start;
}

template <typename View, typename OnLine>
bool takeLastLine(View rest, bool afterLineEnd, FinalLineEnd finalLineEnd, OnLine &onLine)
{
    if (!rest.isEmpty() || !afterLineEnd || finalLineEnd == FinalLineEnd::StartsEmptyLine)
        return onLine(rest);
    return true;
}

template <typename OnLine>
bool splitText(QStringView text, FinalLineEnd finalLineEnd, OnLine &&onLine)
{
    const qsizetype taken = takeEndedLines(text, onLine);
    return taken >= 0 && takeLastLine(text.sliced(taken), taken > 0, finalLineEnd, onLine);
}

// The same split over the bytes of an open file, read in pieces so that a
// large file is never held whole next to its lines. Only for encodings in
// which byte 0A is always LF (UTF-8, Windows-1252).
template <typename OnLine>
bool splitFile(QFile &file, FinalLineEnd finalLineEnd, OnLine &&onLine)
{
    constexpr qsizetype kPieceSize = 1 << 20;
    QByteArray buffer(kPieceSize, Qt::Uninitialized);
    qsizetype filled = 0;
    bool afterLineEnd = false;
    for (;;) {
        if (filled == buffer.size())
            buffer.resize(2 * buffer.size()); // a line longer than the buffer
        const qint64 got = file.read(buffer.data() + filled, buffer.size() - filled);
        if (got < 0)
            throwReadError(file);
        if (got == 0)
            break;
        // Only complete lines are split; the start of the next one waits.
        const QByteArrayView fresh(buffer.constData() + filled, got);
        filled += got;
        const qsizetype lastLf = fresh.lastIndexOf('\n');
        if (lastLf < 0)
            continue;
        const qsizetype complete = fresh.data() - buffer.constData() + lastLf + 1;
        if (takeEndedLines(QByteArrayView(buffer.constData(), complete), onLine) < 0)
            return false;
        afterLineEnd = true;
        std::memmove(buffer.data(), buffer.constData() + complete, filled - complete);
        filled -= complete;
    }
    return takeLastLine(QByteArrayView(buffer.constData(), filled), afterLineEnd, finalLineEnd, onLine);
}

// Lines in the system's ANSI code page or, if the file is not valid in it, in
// Windows-1252. On Linux the ANSI code page is the locale's encoding, which
// Qt (and so this program) takes to be UTF-8 on every Unix system. The whole
// file falls back, not single bytes, so a Windows-1252 file reads the same
// whatever some of its bytes might happen to spell in UTF-8.
QStringList ansiLines(QFile &file)
{
    QStringList lines;
    const bool wellFormed = splitFile(file, FinalLineEnd::EndsLastLine, [&lines](QByteArrayView line) {
        if (!isWellFormedUtf8(line))
            return false;
        lines.append(fromWellFormedUtf8(line));
        return true;
    });
    if (wellFormed)
        return lines;

    lines.clear();
    if (!file.seek(0))
        throwReadError(file);
    splitFile(file, FinalLineEnd::EndsLastLine, [&lines](QByteArrayView line) {
        lines.append(decodeWindows1252(line));
        return true;
    });
    return lines;
}

} // namespace

QStringList TextFileReader::ReadTextFileToArray(const QString &path)
{
    FileIsUnicode = DetectByteOrderMark(path);
    if (FileIsUtf8)
        return ReadUtf8TextFile(path);
    return ReadTextFileByLines(path);
}

bool TextFileReader::DetectByteOrderMark(const QString &path)
{
    FileIsUtf8 = false;
    QFile file(path);
    openForReading(file);
    const QByteArray start = file.read(4);
    if (file.error() != QFileDevice::NoError)
        throwReadError(file);
    const MarkRule *rule = markAtStart(start);
    if (!rule)
        return false;
    if (rule->mark == Mark::Utf8) {
        FileIsUtf8 = true;
        return false;
    }
    return true;
}

QStringList TextFileReader::ReadTextFileByLines(const QString &path) const
{
    QFile file(path);
    openForReading(file);
    if (!FileIsUnicode)
        return ansiLines(file);

    // Byte 0A may be half of any UTF-16 or UTF-32 character, so the text is
    // decoded whole before it is split.
    const QString text = decodeUnicode(readAllBytes(file));
    QStringList lines;
    splitText(text, FinalLineEnd::EndsLastLine, [&lines](QStringView line) {
        lines.append(line.toString());
        return true;
    });
    return lines;
}

QStringList TextFileReader::ReadUtf8TextFile(const QString &path)
{
    QFile file(path);
    openForReading(file);
    const QByteArray start = file.read(kUtf8Mark.size());
    if (file.error() != QFileDevice::NoError)
        throwReadError(file);
    if (start != kUtf8Mark && !file.seek(0))
        throwReadError(file);

    // The split is done on the bytes before decoding, which gives the same
    // lines as SplitIntoLines on the decoded text: LF and CR bytes are never
    // part of a UTF-8 sequence, nor of one that falls back to Windows-1252.
    QStringList lines;
    splitFile(file, FinalLineEnd::StartsEmptyLine, [&lines](QByteArrayView line) {
        lines.append(isWellFormedUtf8(line) ? fromWellFormedUtf8(line) : decodeUtf8WithWindows1252Fallback(line));
        return true;
    });
    return lines;
}

QStringList TextFileReader::SplitIntoLines(QStringView text)
{
    QStringList lines;
    splitText(text, FinalLineEnd::StartsEmptyLine, [&lines](QStringView line) {
        lines.append(line.toString());
        return true;
    });
    return lines;
}

} // namespace tidewick
