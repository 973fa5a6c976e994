// The byte-order mark decides the reader: checks the detection against the
// mark table and the entry point against the reader it chose.
#include "FuzzCheck.h"
#include "FuzzFile.h"
#include "keywords/TextFileReader.h"

#include <cstddef>
#include <cstdint>

using namespace tidewick;

namespace {

enum class Expected { Ansi, Utf8, Unicode };

struct MarkRow {
    QByteArray mark;
    Expected reader;
};

// The table as the header documents it, in the order the marks are tested.
const MarkRow kTable[] = {
    {QByteArray("\xFF\xFE\x00\x00", 4), Expected::Unicode}, {QByteArray("\x00\x00\xFE\xFF", 4), Expected::Unicode},
    {QByteArray("\xEF\xBB\xBF", 3), Expected::Utf8},         {QByteArray("\xFF\xFE", 2), Expected::Unicode},
    {QByteArray("\xFE\xFF", 2), Expected::Unicode},
};

const MarkRow *markOf(const QByteArray &bytes)
{
    for (const MarkRow &row : kTable) {
        if (bytes.startsWith(row.mark))
            return &row;
    }
    return nullptr;
}

// A second mark right after the first is text (U+FEFF) and must survive: only
// the first one is taken away.
void checkMarkIsDropped(const QByteArray &bytes, const MarkRow &mark, const QStringList &lines)
{
    FUZZ_CHECK(!lines.isEmpty());
    const bool secondMark = bytes.mid(mark.mark.size()).startsWith(mark.mark);
    FUZZ_CHECK(lines.constFirst().startsWith(QChar(0xFEFF)) == secondMark);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = fuzz::fileWith(bytes);
    const MarkRow *mark = markOf(bytes);
    const Expected expected = mark ? mark->reader : Expected::Ansi;

    TextFileReader detector;
    detector.FileIsUtf8 = true; // cleared by the detection
    const bool unicode = detector.DetectByteOrderMark(path);
    FUZZ_CHECK(unicode == (expected == Expected::Unicode));
    FUZZ_CHECK(detector.FileIsUtf8 == (expected == Expected::Utf8));

    TextFileReader reader;
    const QStringList lines = reader.ReadTextFileToArray(path);
    FUZZ_CHECK(reader.FileIsUnicode == unicode);
    FUZZ_CHECK(reader.FileIsUtf8 == detector.FileIsUtf8);
    FUZZ_CHECK(lines.size() <= bytes.count('\n') + 1);
    FUZZ_CHECK(lines == (reader.FileIsUtf8 ? TextFileReader::ReadUtf8TextFile(path) : reader.ReadTextFileByLines(path)));
    if (mark)
        checkMarkIsDropped(bytes, *mark, lines);
    return 0;
}
