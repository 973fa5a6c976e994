#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace tidewick {

// The text of a saved list, column by column. A row's cells (and the header
// texts) are given in column order; cell 0 is the row's main text.
//
//   header line   the header of every column whose cell in the first row is
//                 not empty, each followed by a TAB; then CR LF
//   row lines     per row, every non-empty cell followed by a TAB; then CR LF
//   end           one more CR LF, so the text ends with an empty line
//
// An empty cell adds nothing, not even its TAB: an empty row gives an empty
// line, and an empty first row gives an empty header line. Without any row
// no column has a first-row cell, so the header line is empty too.
using ExportCells = std::span<const QString>;

inline constexpr QStringView kExportLineEnd = u"\r\n";

void appendExportHeader(QString &text, ExportCells headers, ExportCells firstRow);
void appendExportRow(QString &text, ExportCells cells);
void appendExportEnd(QString &text);

// One cell of a one-column list, without copying it.
inline ExportCells oneCell(const QString &text)
{
    return ExportCells(&text, 1);
}

// The whole text of a one-column list with the given header and rows.
QString exportText(const QString &header, const QStringList &rows);

} // namespace tidewick
