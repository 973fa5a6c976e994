#pragma once

#include <QString>

namespace tidewick::test {

// A high surrogate without its low one after it, or a low one without its high
// one before it: half a character that no encoder can write back.
inline bool hasBrokenSurrogates(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

} // namespace tidewick::test
