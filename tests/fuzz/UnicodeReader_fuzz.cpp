// The line reader with a UTF-16 or UTF-32 mark (FileIsUnicode set): the mark's
// encoding, or UTF-16 little-endian when the bytes carry none.
#include "FuzzCheck.h"
#include "FuzzDecode.h"
#include "FuzzFile.h"
#include "FuzzLines.h"
#include "keywords/TextFileReader.h"

#include <cstddef>
#include <cstdint>

using namespace tidewick;
using namespace tidewick::fuzz;

namespace {

struct Body {
    QByteArray bytes;
    QStringConverter::Encoding encoding;
    qsizetype unitSize;
};

// What follows the mark and how it is encoded. The UTF-8 mark is no UTF-16/32
// mark: those bytes stay and are read as UTF-16 little-endian like the rest.
Body bodyOf(const QByteArray &bytes)
{
    if (bytes.startsWith(QByteArray("\xFF\xFE\x00\x00", 4)))
        return {bytes.mid(4), QStringConverter::Utf32LE, 4};
    if (bytes.startsWith(QByteArray("\x00\x00\xFE\xFF", 4)))
        return {bytes.mid(4), QStringConverter::Utf32BE, 4};
    if (bytes.startsWith("\xFF\xFE"))
        return {bytes.mid(2), QStringConverter::Utf16LE, 2};
    if (bytes.startsWith("\xFE\xFF"))
        return {bytes.mid(2), QStringConverter::Utf16BE, 2};
    return {bytes, QStringConverter::Utf16LE, 2};
}

// Qt's UTF-32 decoder turns a value past U+10FFFF into some other character
// and passes surrogate values through (two of them even make a pair) without
// reporting either, so it is no reference for such a body.
bool hasUtf32QtMisreads(const Body &body)
{
    if (body.unitSize != 4)
        return false;
    const bool bigEndian = body.encoding == QStringConverter::Utf32BE;
    const auto *p = reinterpret_cast<const uchar *>(body.bytes.constData());
    for (qsizetype i = 0; i + 4 <= body.bytes.size(); i += 4) {
        const char32_t value = bigEndian
            ? (char32_t(p[i]) << 24) | (char32_t(p[i + 1]) << 16) | (char32_t(p[i + 2]) << 8) | p[i + 3]
            : (char32_t(p[i + 3]) << 24) | (char32_t(p[i + 2]) << 16) | (char32_t(p[i + 1]) << 8) | p[i];
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    TextFileReader reader;
    reader.FileIsUnicode = true;
    const QStringList lines = reader.ReadTextFileByLines(fileWith(bytes));
    FUZZ_CHECK(lines.size() <= maxLines(bytes));
    // Broken units become U+FFFD, so no line holds half a character.
    for (const QString &line : lines)
        FUZZ_CHECK(!hasBrokenSurrogates(line));

    // Where Qt decodes the body cleanly the lines must be exactly its text.
    const Body body = bodyOf(bytes);
    if (body.bytes.size() % body.unitSize != 0 || hasUtf32QtMisreads(body))
        return 0;
    const std::optional<QString> text = qtDecoded(body.bytes, body.encoding);
    if (text && !hasBrokenSurrogates(*text))
        FUZZ_CHECK(lines == expectedLines(*text, FinalLineEnd::AddsNothing));
    return 0;
}
