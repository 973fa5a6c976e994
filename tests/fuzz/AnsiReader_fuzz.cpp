// The line reader without a Unicode mark: UTF-8 (the locale's code page) when
// the whole file is valid in it, otherwise Windows-1252 throughout.
#include "FuzzCheck.h"
#include "FuzzDecode.h"
#include "FuzzFile.h"
#include "FuzzLines.h"
#include "keywords/TextFileReader.h"

#include <cstddef>
#include <cstdint>

using namespace tidewick;
using namespace tidewick::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    TextFileReader reader;
    reader.FileIsUnicode = false;
    const QStringList lines = reader.ReadTextFileByLines(fileWith(bytes));
    FUZZ_CHECK(lines.size() <= maxLines(bytes));

    if (const std::optional<QString> text = qtDecoded(bytes, QStringConverter::Utf8)) {
        FUZZ_CHECK(lines == expectedLines(*text, FinalLineEnd::AddsNothing));
        return 0;
    }
    const QList<QByteArray> byteLines = expectedLines(bytes, FinalLineEnd::AddsNothing);
    FUZZ_CHECK(lines.size() == byteLines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        FUZZ_CHECK(isWindows1252Of(lines[i], byteLines[i]));
    return 0;
}
