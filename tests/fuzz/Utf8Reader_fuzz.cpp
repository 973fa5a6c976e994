// The UTF-8 reader (bytes that are no well-formed UTF-8 fall back to
// Windows-1252 one by one) and the split it shares with SplitIntoLines.
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

// A line with bytes that are no UTF-8: the well-formed sequences decode, the
// rest are one character each. No ASCII byte is lost or made up (a fallback
// character is never ASCII, nor is a decoded multi-byte sequence).
void checkFallbackLine(const QString &line, const QByteArray &bytes)
{
    FUZZ_CHECK(!hasBrokenSurrogates(line));
    FUZZ_CHECK(line.size() <= bytes.size());
    FUZZ_CHECK(line.isEmpty() == bytes.isEmpty());
    FUZZ_CHECK(asciiCount(line) == asciiCount(bytes));
}

// Any UTF-16 text, lone surrogates and all, splits as the plain way says.
void checkSplitOfRawUnits(const uint8_t *data, size_t size)
{
    const QString units(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    FUZZ_CHECK(TextFileReader::SplitIntoLines(units) == expectedLines(units, FinalLineEnd::AddsEmptyLine));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const QStringList lines = TextFileReader::ReadUtf8TextFile(fileWith(bytes));
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    // A final line end gives a last empty line: exactly one line per LF, plus one.
    FUZZ_CHECK(lines.size() == body.count('\n') + 1);

    if (const std::optional<QString> text = qtDecoded(body, QStringConverter::Utf8)) {
        FUZZ_CHECK(lines == expectedLines(*text, FinalLineEnd::AddsEmptyLine));
        FUZZ_CHECK(lines == TextFileReader::SplitIntoLines(*text));
    } else {
        const QList<QByteArray> byteLines = expectedLines(body, FinalLineEnd::AddsEmptyLine);
        FUZZ_CHECK(lines.size() == byteLines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (const std::optional<QString> line = qtDecoded(byteLines[i], QStringConverter::Utf8))
                FUZZ_CHECK(lines[i] == *line);
            else
                checkFallbackLine(lines[i], byteLines[i]);
        }
    }
    checkSplitOfRawUnits(data, size);
    return 0;
}
