#pragma once

#include <QString>

namespace tidewick {

// The row's whole text as a tool tip, wrapped at blanks to lines of about
// 80 characters. Shown as escaped rich text, so markup in an article stays
// text. Empty for an empty row.
QString articleToolTip(const QString &row);

} // namespace tidewick
