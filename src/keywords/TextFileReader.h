#pragma once

#include <QString>
#include <QStringList>

namespace tidewick {

// Reads a text file into its lines (without line ends), choosing the decoding
// by the byte-order mark at the file's start:
//
//   FF FE 00 00   UTF-32 little-endian
//   00 00 FE FF   UTF-32 big-endian
//   EF BB BF      UTF-8
//   FF FE         UTF-16 little-endian
//   FE FF         UTF-16 big-endian
//   otherwise     the system's ANSI code page
//
// The marks are tested in that order, so FF FE 00 00 is UTF-32 rather than
// UTF-16 text starting with U+0000. The mark never reaches the first line.
//
// The two flags describe the last file read through ReadTextFileToArray; an
// object reads one file at a time. A file that cannot be opened or read
// (missing, no permission, a folder, a device) throws AppError.
class TextFileReader {
public:
    // Set by DetectByteOrderMark when the file carries the UTF-8 mark.
    bool FileIsUtf8 = false;
    // Set by ReadTextFileToArray when the file carries a UTF-16 or UTF-32
    // mark; makes ReadTextFileByLines decode UTF-16/32 instead of ANSI.
    bool FileIsUnicode = false;

    // The entry point: sets both flags, then reads the file with
    // ReadUtf8TextFile (UTF-8 mark) or ReadTextFileByLines (anything else).
    QStringList ReadTextFileToArray(const QString &path);

    // True for a UTF-16 or UTF-32 mark. Clears FileIsUtf8 first and sets it
    // for the UTF-8 mark (returning false).
    bool DetectByteOrderMark(const QString &path);

    // Line reader. A line ends at LF, with a CR just before the LF dropped; a
    // lone CR stays inside its line. A final line end adds no empty line, and
    // an empty file gives one empty line.
    //
    // With FileIsUnicode set the text is UTF-16 or UTF-32 by its mark, and
    // UTF-16 little-endian without one; broken units (an odd last byte, a
    // lone surrogate, a value past U+10FFFF) read as U+FFFD.
    // Otherwise the text is in the system's ANSI code page, which is UTF-8 on
    // Linux; a file that is not valid in it is read entirely as Windows-1252,
    // so every byte arrives as a character and none is lost.
    QStringList ReadTextFileByLines(const QString &path) const;

    // Decodes the whole file as UTF-8, without a leading UTF-8 mark, and
    // splits it with SplitIntoLines. Used directly for files known to be
    // UTF-8 whatever their first bytes.
    //
    // A byte that does not start a well-formed UTF-8 sequence is read as its
    // Windows-1252 character: text typed into a UTF-8 file by an ANSI editor
    // keeps its accented letters instead of turning into U+FFFD marks.
    static QStringList ReadUtf8TextFile(const QString &path);

    // Splits at LF, dropping a CR just before the LF; a lone CR stays inside
    // its line. A text that ends with a line end yields a last element that
    // is empty, and an empty text yields one empty element.
    static QStringList SplitIntoLines(QStringView text);
};

} // namespace tidewick
