// The text of a saved list. The input is UTF-8 cut into rows at U+001E and
// into cells at U+001F; the first row is the header.
#include "FuzzCheck.h"
#include "results/ExportFormat.h"

#include <cstddef>
#include <cstdint>

using namespace tidewick;

namespace {

using Table = QList<QStringList>;

Table tableOf(const uint8_t *data, size_t size)
{
    Table table;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &row : text.split(QChar(0x1E)))
        table.append(row.split(QChar(0x1F)));
    return table;
}

// One line of the file: every non-empty cell followed by a TAB.
QString lineOf(const QStringList &cells)
{
    QString line;
    for (const QString &cell : cells) {
        if (!cell.isEmpty())
            line += cell + u'\t';
    }
    return line;
}

// Cells holding CR LF would add line ends of their own; without them the text
// reads back line by line.
bool holdsLineEnd(const Table &table)
{
    for (const QStringList &row : table) {
        for (const QString &cell : row) {
            if (cell.contains(kExportLineEnd))
                return true;
        }
    }
    return false;
}

void checkLines(const QString &text, const QStringList &expectedLines)
{
    FUZZ_CHECK(text.endsWith(u"\r\n\r\n"));
    FUZZ_CHECK(text.split(kExportLineEnd.toString()) == (expectedLines + QStringList(2, QString())));
}

// Several columns, through the append functions.
void checkColumns(const Table &table)
{
    const QStringList &headers = table.constFirst();
    const QStringList firstRow = table.size() > 1 ? table[1] : QStringList();
    QString text;
    appendExportHeader(text, headers, firstRow);
    // A header shows (with its TAB, even when it is empty) where the first
    // row's cell is not empty.
    QString headerLine;
    for (qsizetype column = 0; column < headers.size(); ++column) {
        if (column < firstRow.size() && !firstRow[column].isEmpty())
            headerLine += headers[column] + u'\t';
    }
    QStringList expected{headerLine};
    for (qsizetype row = 1; row < table.size(); ++row) {
        appendExportRow(text, table[row]);
        expected.append(lineOf(table[row]));
    }
    appendExportEnd(text);
    if (!holdsLineEnd(table))
        checkLines(text, expected);
}

// One column, the list the window saves: cell 0 of each row.
void checkOneColumn(const Table &table)
{
    const QString header = table.constFirst().constFirst();
    QStringList rows;
    for (qsizetype row = 1; row < table.size(); ++row)
        rows.append(table[row].constFirst());
    const QString text = exportText(header, rows);

    qsizetype length = 2 * kExportLineEnd.size();
    if (!rows.isEmpty() && !rows.constFirst().isEmpty())
        length += header.size() + 1;
    for (const QString &row : rows)
        length += (row.isEmpty() ? 0 : row.size() + 1) + kExportLineEnd.size();
    FUZZ_CHECK(text.size() == length);

    QStringList expected{rows.isEmpty() || rows.constFirst().isEmpty() ? QString() : header + u'\t'};
    for (const QString &row : rows)
        expected.append(row.isEmpty() ? QString() : row + u'\t');
    if (!holdsLineEnd(table))
        checkLines(text, expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Table table = tableOf(data, size);
    checkColumns(table);
    checkOneColumn(table);
    return 0;
}
