#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tidewick::fuzz {

enum class FinalLineEnd { AddsEmptyLine, AddsNothing };

// The lines the readers promise, worked out the plain way: split at every LF,
// then drop one CR at the end of each line that an LF ended. Works on bytes
// (QByteArray) and on text (QString).
template <typename Text>
QList<Text> expectedLines(const Text &text, FinalLineEnd finalLineEnd)
{
    QList<Text> lines = text.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].endsWith('\r'))
            lines[i].chop(1);
    }
    if (finalLineEnd == FinalLineEnd::AddsNothing && lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// The bound every reader keeps whatever the encoding: an LF character always
// holds a 0A byte, so there are never more lines than 0A bytes plus one.
inline qsizetype maxLines(const QByteArray &bytes)
{
    return bytes.count('\n') + 1;
}

} // namespace tidewick::fuzz
