#pragma once

#include <QString>
#include <QUrl>

namespace tidewick {

// The link of an article's text: the last http:// or https:// address in it,
// without the punctuation that may follow it in a sentence. Empty when the
// text has none; no other scheme is ever given, whatever the text holds
// (javascript:, file:, ...). The results list and the article's notification
// open the same link.
QUrl articleLink(const QString &text);

} // namespace tidewick
