#include "core/AppError.h"
#include "keywords/TextFileReader.h"

#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <tuple>

using namespace tidewick;

namespace {

enum class Encoding { Ansi, Utf8WithMark, Utf16LE, Utf16BE, Utf32LE, Utf32BE };

struct EncodingCase {
    const char *name;
    Encoding encoding;
    QByteArray mark;
};

const QList<EncodingCase> kEncodings = {
    {"ansi", Encoding::Ansi, QByteArray()},
    {"utf8", Encoding::Utf8WithMark, QByteArray("\xEF\xBB\xBF")},
    {"utf16le", Encoding::Utf16LE, QByteArray("\xFF\xFE", 2)},
    {"utf16be", Encoding::Utf16BE, QByteArray("\xFE\xFF", 2)},
    {"utf32le", Encoding::Utf32LE, QByteArray("\xFF\xFE\x00\x00", 4)},
    {"utf32be", Encoding::Utf32BE, QByteArray("\x00\x00\xFE\xFF", 4)},
};

// The file's bytes: its mark, then the text encoded by Qt's own encoders. The
// ANSI file is written in the test locale's encoding, UTF-8.
QByteArray fileBytes(const EncodingCase &encoding, const QString &text)
{
    QStringEncoder::Encoding qtEncoding = QStringEncoder::Utf8;
    switch (encoding.encoding) {
    case Encoding::Ansi:
    case Encoding::Utf8WithMark:
        break;
    case Encoding::Utf16LE:
        qtEncoding = QStringEncoder::Utf16LE;
        break;
    case Encoding::Utf16BE:
        qtEncoding = QStringEncoder::Utf16BE;
        break;
    case Encoding::Utf32LE:
        qtEncoding = QStringEncoder::Utf32LE;
        break;
    case Encoding::Utf32BE:
        qtEncoding = QStringEncoder::Utf32BE;
        break;
    }
    QStringEncoder encoder(qtEncoding);
    const QByteArray body = encoder.encode(text);
    return encoding.mark + body;
}

QString hex(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines) {
        QString units;
        for (const QChar c : line)
            units += QString::number(c.unicode(), 16) + QLatin1Char(' ');
        out << units.trimmed();
    }
    return out.join(QStringLiteral(" | "));
}

// Compares line arrays, showing each line's UTF-16 units on a mismatch (CRs
// and replacement marks are invisible in plain output).
#define COMPARE_LINES(actual, expected)                                                                      \
    do {                                                                                                     \
        const QStringList actualLines_ = (actual);                                                           \
        const QStringList expectedLines_ = (expected);                                                       \
        if (actualLines_ != expectedLines_)                                                                  \
            QFAIL(qPrintable(QStringLiteral("lines differ\n   Actual: %1\n Expected: %2")                    \
                                 .arg(hex(actualLines_), hex(expectedLines_))));                             \
    } while (false)

// The description of the AppError that read throws, or an empty text.
QString errorOf(const std::function<void()> &read)
{
    try {
        read();
    } catch (const AppError &error) {
        return error.description();
    }
    return QString();
}

} // namespace

class TextFileReaderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    int m_fileCount = 0;

    QString writeTemp(const QByteArray &bytes)
    {
        const QString path = m_folder.filePath(QStringLiteral("file%1.txt").arg(++m_fileCount));
        test::writeFile(path, bytes);
        return path;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_folder.isValid());
    }

    // Every encoding with every kind of line end. The line reader (ANSI and
    // UTF-16/32) drops a final line end; the UTF-8 reader turns it into a last
    // empty element.
    void fileInEveryEncoding_splitsAtCrLfAndLf_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("isUtf8");
        QTest::addColumn<bool>("isUnicode");

        struct LineEndCase {
            const char *name;
            QString text;
            QStringList byLines;
            QStringList split;
        };
        const QString umlaut = QStringLiteral("Zürich");
        const QString wide = QStringLiteral("日本 \U0001F642"); // a surrogate pair in UTF-16
        const QList<LineEndCase> lineEnds = {
            {"crlf, final crlf", umlaut + "\r\n" + wide + "\r\nlast\r\n",
             {umlaut, wide, "last"}, {umlaut, wide, "last", ""}},
            {"lf, final lf", umlaut + "\n" + wide + "\nlast\n",
             {umlaut, wide, "last"}, {umlaut, wide, "last", ""}},
            {"mixed, no final end", umlaut + "\r\n" + wide + "\nlast",
             {umlaut, wide, "last"}, {umlaut, wide, "last"}},
            {"lone cr stays in line", "one\rtwo\r\nthree\r",
             {"one\rtwo", "three\r"}, {"one\rtwo", "three\r"}},
            {"cr cr lf keeps first cr", "one\r\r\ntwo",
             {"one\r", "two"}, {"one\r", "two"}},
            {"blank lines", "\r\n\nend\n\n",
             {"", "", "end", ""}, {"", "", "end", "", ""}},
            {"only a line end", "\r\n",
             {""}, {"", ""}},
            {"U+FEFF starting a line kept", QStringLiteral("a\n\uFEFFb"),
             {"a", QStringLiteral("\uFEFFb")}, {"a", QStringLiteral("\uFEFFb")}},
        };
        for (const EncodingCase &encoding : kEncodings) {
            const bool isUtf8 = encoding.encoding == Encoding::Utf8WithMark;
            const bool isUnicode = !isUtf8 && encoding.encoding != Encoding::Ansi;
            for (const LineEndCase &lineEnd : lineEnds) {
                QTest::addRow("%s: %s", encoding.name, lineEnd.name)
                    << fileBytes(encoding, lineEnd.text) << (isUtf8 ? lineEnd.split : lineEnd.byLines)
                    << isUtf8 << isUnicode;
            }
        }
    }
    void fileInEveryEncoding_splitsAtCrLfAndLf()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(bool, isUtf8);
        QFETCH(bool, isUnicode);

        TextFileReader reader;
        COMPARE_LINES(reader.ReadTextFileToArray(writeTemp(bytes)), expected);
        QCOMPARE(reader.FileIsUtf8, isUtf8);
        QCOMPARE(reader.FileIsUnicode, isUnicode);
    }

    void emptyMarkOnlyOrOneByteFile_givesOneLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("isUtf8");
        QTest::addColumn<bool>("isUnicode");

        QTest::newRow("empty") << QByteArray() << QString() << false << false;
        for (const EncodingCase &encoding : kEncodings) {
            if (encoding.encoding != Encoding::Ansi)
                QTest::addRow("%s mark only", encoding.name)
                    << encoding.mark << QString() << (encoding.encoding == Encoding::Utf8WithMark)
                    << (encoding.encoding != Encoding::Utf8WithMark);
        }
        QTest::newRow("one ASCII byte") << QByteArray("x") << QStringLiteral("x") << false << false;
        QTest::newRow("one FF byte") << QByteArray("\xFF") << QStringLiteral("ÿ") << false << false;
        QTest::newRow("one FE byte") << QByteArray("\xFE") << QStringLiteral("þ") << false << false;
        QTest::newRow("one NUL byte") << QByteArray(1, '\0') << QString(QChar(0)) << false << false;
    }
    void emptyMarkOnlyOrOneByteFile_givesOneLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        QFETCH(bool, isUtf8);
        QFETCH(bool, isUnicode);

        TextFileReader reader;
        COMPARE_LINES(reader.ReadTextFileToArray(writeTemp(bytes)), QStringList{line});
        QCOMPARE(reader.FileIsUtf8, isUtf8);
        QCOMPARE(reader.FileIsUnicode, isUnicode);
    }

    // Where the marks overlap or are cut short, the first test in the table
    // that holds decides, and only the bytes the file has count.
    void markTable_choosesReaderByFirstMatch_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("isUnicode");
        QTest::addColumn<bool>("isUtf8");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("FF FE 00 00 is UTF-32, not UTF-16 with a NUL")
            << QByteArray("\xFF\xFE\x00\x00" "A\x00\x00\x00", 8) << true << false << QStringList{"A"};
        QTest::newRow("FF FE 00 alone is UTF-16 with an odd byte")
            << QByteArray("\xFF\xFE\x00", 3) << true << false << QStringList{QStringLiteral("\uFFFD")};
        QTest::newRow("FF FE 41 00 is UTF-16 LE")
            << QByteArray("\xFF\xFE" "A\x00", 4) << true << false << QStringList{"A"};
        QTest::newRow("00 00 FE alone is ANSI")
            << QByteArray("\x00\x00\xFE", 3) << false << false << QStringList{QStringLiteral("\0\0þ")};
        QTest::newRow("EF BB without BF is ANSI")
            << QByteArray("\xEF\xBBx") << false << false << QStringList{QStringLiteral("ï»x")};
        QTest::newRow("mark of UTF-16 BE after text is ANSI")
            << QByteArray("x\xFE\xFF") << false << false << QStringList{QStringLiteral("xþÿ")};
    }
    void markTable_choosesReaderByFirstMatch()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, isUnicode);
        QFETCH(bool, isUtf8);
        QFETCH(QStringList, expected);

        const QString path = writeTemp(bytes);
        TextFileReader reader;
        QCOMPARE(reader.DetectByteOrderMark(path), isUnicode);
        QCOMPARE(reader.FileIsUtf8, isUtf8);
        COMPARE_LINES(reader.ReadTextFileToArray(path), expected);
    }

    void flags_describeTheLastRead()
    {
        const QString utf8 = writeTemp("\xEF\xBB\xBFu8");
        const QString utf16 = writeTemp(QByteArray("\xFF\xFEu\x00", 4));
        const QString ansi = writeTemp("plain");

        TextFileReader reader;
        QVERIFY(!reader.FileIsUtf8 && !reader.FileIsUnicode);
        reader.ReadTextFileToArray(utf8);
        QVERIFY(reader.FileIsUtf8 && !reader.FileIsUnicode);
        reader.ReadTextFileToArray(utf16);
        QVERIFY(!reader.FileIsUtf8 && reader.FileIsUnicode);
        reader.ReadTextFileToArray(utf8);
        QVERIFY(reader.FileIsUtf8 && !reader.FileIsUnicode);
        reader.ReadTextFileToArray(ansi);
        QVERIFY(!reader.FileIsUtf8 && !reader.FileIsUnicode);
    }

    // The ANSI code page under test is UTF-8. A file that is not valid UTF-8
    // is read wholly as Windows-1252: one character per byte, none lost.
    void ansiFileNotValidInCodePage_readsAsWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("0x80-0x9F differ from Latin-1, undefined ones kept")
            << QByteArray("\x80\x81\x8A\x8D\x8F\x90\x9D\x9F")
            << QStringList{QStringLiteral("€\u0081Š\u008D\u008F\u0090\u009DŸ")};
        QTest::newRow("Latin-1 range and NUL")
            << QByteArray("caf\xE9 \xA0\xFF\x00!", 9) << QStringList{QStringLiteral("café \u00A0ÿ\0!")};
        QTest::newRow("valid UTF-8 elsewhere in the file falls back too")
            << QByteArray("Z\xC3\xBCrich\r\ncaf\xE9\r\n")
            << QStringList{QStringLiteral("ZÃ¼rich"), QStringLiteral("café")};
        QTest::newRow("UTF-8 sequence cut short at the end")
            << QByteArray("ok\n\xE2\x82") << QStringList{"ok", QStringLiteral("â‚")};
        QTest::newRow("UTF-8 sequence cut short by a line end")
            << QByteArray("\xC3\nx") << QStringList{QStringLiteral("Ã"), "x"};
        QTest::newRow("encoded surrogate")
            << QByteArray("\xED\xA0\x80") << QStringList{QStringLiteral("í\u00A0€")};
        QTest::newRow("overlong NUL")
            << QByteArray("\xC0\x80") << QStringList{QStringLiteral("À€")};
    }
    void ansiFileNotValidInCodePage_readsAsWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);

        TextFileReader reader;
        COMPARE_LINES(reader.ReadTextFileToArray(writeTemp(bytes)), expected);
    }

    void ansiFileWithEveryByte_losesNone()
    {
        QByteArray bytes;
        for (int byte = 0; byte < 256; ++byte) {
            if (byte != '\n' && byte != '\r')
                bytes.append(char(byte));
        }
        TextFileReader reader;
        const QStringList lines = reader.ReadTextFileToArray(writeTemp(bytes));
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].size(), bytes.size());
        QVERIFY(!lines[0].contains(QChar(0xFFFD)));
        QCOMPARE(lines[0].at(0x80 - 2), QChar(0x20AC));
        QCOMPARE(lines[0].back(), QChar(0xFF));
    }

    // In a file marked UTF-8, a byte that starts no well-formed sequence is
    // read as its Windows-1252 character; the rest of the line stays UTF-8.
    void utf8FileWithInvalidBytes_readsThoseAsWindows1252_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("ANSI letter among UTF-8")
            << QByteArray("Z\xC3\xBCrich caf\xE9\r\nnext")
            << QStringList{QStringLiteral("Zürich café"), "next"};
        QTest::newRow("stray continuation bytes")
            << QByteArray("\x80\x9F\xBF") << QStringList{QStringLiteral("€Ÿ¿")};
        QTest::newRow("overlong form")
            << QByteArray("\xC0\xAF") << QStringList{QStringLiteral("À¯")};
        QTest::newRow("encoded surrogate")
            << QByteArray("\xED\xB0\x80x") << QStringList{QStringLiteral("í°€x")};
        QTest::newRow("past U+10FFFF")
            << QByteArray("\xF4\x90\x80\x80") << QStringList{QStringLiteral("ô\u0090€€")};
        QTest::newRow("cut short by CR LF")
            << QByteArray("\xE2\x82\r\n\xF0\x9F\x99") << QStringList{QStringLiteral("â‚"), QStringLiteral("ðŸ™")};
        QTest::newRow("valid four-byte character after a bad byte")
            << QByteArray("\xFF\xF0\x9F\x99\x82") << QStringList{QStringLiteral("ÿ\U0001F642")};
    }
    void utf8FileWithInvalidBytes_readsThoseAsWindows1252()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, expected);

        TextFileReader reader;
        COMPARE_LINES(reader.ReadTextFileToArray(writeTemp("\xEF\xBB\xBF" + body)), expected);
        QVERIFY(reader.FileIsUtf8);
    }

    void unicodeFileWithBrokenUnits_readsThemAsReplacement_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");

        const QString bad = QStringLiteral("\uFFFD");
        QTest::newRow("UTF-16 LE odd last byte")
            << QByteArray("\xFF\xFE" "a\x00\n\x00" "b", 7) << QStringList{"a", bad};
        QTest::newRow("UTF-16 BE odd last byte after line end")
            << QByteArray("\xFE\xFF\x00" "a\x00\n" "b", 7) << QStringList{"a", bad};
        QTest::newRow("UTF-16 LE lone high surrogate at the end")
            << QByteArray("\xFF\xFE" "a\x00\x3D\xD8", 6) << QStringList{"a" + bad};
        QTest::newRow("UTF-16 LE high surrogate before a line end")
            << QByteArray("\xFF\xFE\x3D\xD8\n\x00", 6) << QStringList{bad};
        QTest::newRow("UTF-16 BE lone low surrogate")
            << QByteArray("\xFE\xFF\xDE\x42\x00" "a", 6) << QStringList{bad + "a"};
        QTest::newRow("UTF-16 LE byte 0A inside a character")
            << QByteArray("\xFF\xFE\x0A\x01\n\x00", 6) << QStringList{QStringLiteral("\u010A")};
        QTest::newRow("UTF-32 LE past U+10FFFF")
            << QByteArray("\xFF\xFE\x00\x00\x00\x00\x11\x00" "a\x00\x00\x00", 12) << QStringList{bad + "a"};
        QTest::newRow("UTF-32 BE surrogate value")
            << QByteArray("\x00\x00\xFE\xFF\x00\x00\xD8\x00", 8) << QStringList{bad};
        // Qt's own UTF-32 decoder would join these two into one character.
        QTest::newRow("UTF-32 BE surrogate values in a row stay two")
            << QByteArray("\x00\x00\xFE\xFF\x00\x00\xD8\x00\x00\x00\xDC\x00", 12) << QStringList{bad + bad};
        QTest::newRow("UTF-32 BE last unit cut short")
            << QByteArray("\x00\x00\xFE\xFF\x00\x00\x00" "a\x00\x00", 10) << QStringList{"a" + bad};
    }
    void unicodeFileWithBrokenUnits_readsThemAsReplacement()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);

        TextFileReader reader;
        COMPARE_LINES(reader.ReadTextFileToArray(writeTemp(bytes)), expected);
        QVERIFY(reader.FileIsUnicode);
    }

    // The entries called directly, as the news query calls the UTF-8 reader:
    // only the UTF-8 mark is skipped there, and the line reader with the
    // Unicode flag set reads a file without mark as UTF-16 LE.
    void readersCalledDirectly_decodeWhateverTheMark()
    {
        TextFileReader reader;
        COMPARE_LINES(reader.ReadUtf8TextFile(writeTemp("Z\xC3\xBCrich\nx")), (QStringList{"Zürich", "x"}));
        COMPARE_LINES(reader.ReadUtf8TextFile(writeTemp("\xEF\xBB\xBF\xEF\xBB\xBFx")),
                      QStringList{QStringLiteral("\uFEFFx")});
        COMPARE_LINES(reader.ReadUtf8TextFile(writeTemp("\xEF\xBB")), QStringList{QStringLiteral("ï»")});
        COMPARE_LINES(reader.ReadUtf8TextFile(writeTemp(QByteArray("\xFF\xFE" "a", 3))),
                      QStringList{QStringLiteral("ÿþa")});

        reader.FileIsUnicode = true;
        COMPARE_LINES(reader.ReadTextFileByLines(writeTemp(QByteArray("h\x00i\x00\r\x00\n\x00", 8))),
                      QStringList{"hi"});
        reader.FileIsUnicode = false;
        COMPARE_LINES(reader.ReadTextFileByLines(writeTemp(QByteArray("h\x00i\x00", 4))),
                      QStringList{QStringLiteral("h\0i\0")});
    }

    void splitIntoLines_splitsAtCrLfAndLfKeepingLoneCr_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("empty") << QString() << QStringList{""};
        QTest::newRow("no line end") << "a" << QStringList{"a"};
        QTest::newRow("final CR LF") << "a\r\nb\r\n" << QStringList{"a", "b", ""};
        QTest::newRow("final LF") << "a\nb\n" << QStringList{"a", "b", ""};
        QTest::newRow("only CR LF") << "\r\n" << QStringList{"", ""};
        QTest::newRow("lone CRs") << "\ra\rb\r" << QStringList{"\ra\rb\r"};
        QTest::newRow("CR before CR LF") << "a\r\r\nb" << QStringList{"a\r", "b"};
        QTest::newRow("LF CR") << "a\n\rb" << QStringList{"a", "\rb"};
    }
    void splitIntoLines_splitsAtCrLfAndLfKeepingLoneCr()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        COMPARE_LINES(TextFileReader::SplitIntoLines(text), expected);
    }

    // Large files are read in pieces: lines, and CR LF pairs, that straddle
    // two pieces, and a line longer than a piece, must come out whole.
    void largeFile_linesAcrossReadPiecesStayWhole_data()
    {
        QTest::addColumn<QByteArray>("mark");
        QTest::addColumn<bool>("finalEmptyLine");

        QTest::newRow("ansi") << QByteArray() << false;
        QTest::newRow("utf8") << QByteArray("\xEF\xBB\xBF") << true;
    }
    void largeFile_linesAcrossReadPiecesStayWhole()
    {
        QFETCH(QByteArray, mark);
        QFETCH(bool, finalEmptyLine);

        QByteArray bytes = mark;
        QStringList expected;
        const auto addLine = [&](const QByteArray &line, const QByteArray &end) {
            bytes += line + end;
            expected << QString::fromUtf8(line);
        };
        // Lines of many lengths with a two-byte character, so that piece edges
        // fall at all places in a line; and a CR LF split across every power
        // of two offset, counted from the file's start and from its mark's end.
        qsizetype edge = 1 << 12;
        for (int i = 0; bytes.size() < (9 << 20); ++i) {
            if (bytes.size() + 200 > edge) {
                addLine(QByteArray(edge - 1 - bytes.size(), 'c'), "\r\n");
                addLine("x", "\r\n");
                edge *= 2;
            } else {
                addLine(QByteArray(i % 97, 'a') + "\xC3\xA9" + QByteArray::number(i), i % 2 ? "\r\n" : "\n");
            }
        }
        // A line longer than any piece.
        addLine(QByteArray(3 << 20, 'L'), "\r\n");
        addLine("tail", "\r\n");
        if (finalEmptyLine)
            expected << QString();

        TextFileReader reader;
        const QStringList lines = reader.ReadTextFileToArray(writeTemp(bytes));
        QCOMPARE(lines.size(), expected.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i] != expected[i])
                QFAIL(qPrintable(QStringLiteral("line %1 differs: %2 units, expected %3")
                                     .arg(i)
                                     .arg(lines[i].size())
                                     .arg(expected[i].size())));
        }
    }

    // Found invalid only after many lines were read: the fallback starts over.
    void largeAnsiFileInvalidNearItsEnd_readsWhollyAsWindows1252()
    {
        QByteArray bytes;
        for (int i = 0; i < 40000; ++i)
            bytes += "Z\xC3\xBCrich line " + QByteArray::number(i) + "\r\n";
        bytes += "caf\xE9";

        TextFileReader reader;
        const QStringList lines = reader.ReadTextFileToArray(writeTemp(bytes));
        QCOMPARE(lines.size(), 40001);
        QCOMPARE(lines.first(), QStringLiteral("ZÃ¼rich line 0"));
        QCOMPARE(lines.last(), QStringLiteral("café"));
    }

    void unreadableFile_throwsAppError_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("entry");

        const QString missing = m_folder.filePath(QStringLiteral("missing.txt"));
        const QString folder = m_folder.filePath(QStringLiteral("a folder.txt"));
        QDir().mkpath(folder);
        const QList<std::tuple<const char *, QString, QString>> kinds = {
            {"missing", missing, QStringLiteral("File not found: ") + missing},
            {"empty path", QString(), QStringLiteral("File not found: ")},
            {"folder", folder, QStringLiteral("Path/File access error: ") + folder},
            {"endless device", QStringLiteral("/dev/zero"), QStringLiteral("Path/File access error: /dev/zero")},
        };
        const char *const entries[] = {"ReadTextFileToArray", "DetectByteOrderMark", "ReadTextFileByLines",
                                       "ReadUtf8TextFile"};
        for (const auto &[name, path, error] : kinds) {
            for (int entry = 0; entry < 4; ++entry)
                QTest::addRow("%s, %s", name, entries[entry]) << path << error << entry;
        }
    }
    void unreadableFile_throwsAppError()
    {
        QFETCH(QString, path);
        QFETCH(QString, error);
        QFETCH(int, entry);

        TextFileReader reader;
        const std::function<void()> reads[] = {
            [&] { reader.ReadTextFileToArray(path); },
            [&] { reader.DetectByteOrderMark(path); },
            [&] { reader.ReadTextFileByLines(path); },
            [&] { reader.ReadUtf8TextFile(path); },
        };
        QCOMPARE(errorOf(reads[entry]), error);
    }

    void fileWithoutReadPermission_throwsPermissionDenied()
    {
        const QString path = writeTemp("secret");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("running with rights that ignore file permissions");

        TextFileReader reader;
        QCOMPARE(errorOf([&] { reader.ReadTextFileToArray(path); }),
                 QStringLiteral("Permission denied: ") + path);
        QCOMPARE(errorOf([&] { reader.ReadUtf8TextFile(path); }), QStringLiteral("Permission denied: ") + path);
    }
};

QTEST_GUILESS_MAIN(TextFileReaderTest)
#include "TextFileReader_test.moc"
