#pragma once

#include <QString>
#include <QUrl>

namespace tidewick {

// The article's link in a results row: the last http:// or https:// address
// in its text, without the punctuation that may follow it in a sentence.
// Empty when the row has none; no other scheme is ever given, whatever the
// row holds (javascript:, file:, ...).
QUrl articleLink(const QString &row);

// The row's whole text as a tool tip, wrapped at blanks to lines of about
// 80 characters. Shown as escaped rich text, so markup in an article stays
// text. Empty for an empty row.
QString articleToolTip(const QString &row);

} // namespace tidewick
