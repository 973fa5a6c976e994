#include "results/ExportFormat.h"

namespace tidewick {

namespace {
constexpr QChar kTab = u'\t';
}

void appendExportHeader(QString &text, ExportCells headers, ExportCells firstRow)
{
    for (size_t column = 0; column < headers.size(); ++column) {
        if (column < firstRow.size() && !firstRow[column].isEmpty()) {
            text += headers[column];
            text += kTab;
        }
    }
    text += kExportLineEnd;
}

void appendExportRow(QString &text, ExportCells cells)
{
    for (const QString &cell : cells) {
        if (!cell.isEmpty()) {
            text += cell;
            text += kTab;
        }
    }
    text += kExportLineEnd;
}

void appendExportEnd(QString &text)
{
    text += kExportLineEnd;
}

QString exportText(const QString &header, const QStringList &rows)
{
    qsizetype length = header.size() + 1 + 2 * kExportLineEnd.size();
    for (const QString &row : rows)
        length += row.size() + 1 + kExportLineEnd.size();

    QString text;
    text.reserve(length);
    appendExportHeader(text, oneCell(header), rows.isEmpty() ? ExportCells() : oneCell(rows.constFirst()));
    for (const QString &row : rows)
        appendExportRow(text, oneCell(row));
    appendExportEnd(text);
    return text;
}

} // namespace tidewick
