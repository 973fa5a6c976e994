#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <optional>

namespace tidewick::fuzz {

// Qt's own decoder as the reference: the text, or nothing when Qt finds the
// bytes broken. A U+FEFF at the start is kept, as the readers keep it inside
// a file's text.
inline std::optional<QString> qtDecoded(const QByteArray &bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Windows-1252 keeps ASCII and 0xA0..0xFF as they are and gives every byte
// 0x80..0x9F some character of its own: one character a byte, none lost.
inline bool isWindows1252Of(const QString &text, const QByteArray &bytes)
{
    if (text.size() != bytes.size())
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        const char16_t unit = text[i].unicode();
        if (byte >= 0x80 && byte < 0xA0 ? unit < 0x80 || unit == 0xFFFD : unit != byte)
            return false;
    }
    return true;
}

inline qsizetype asciiCount(const QByteArray &bytes)
{
    qsizetype count = 0;
    for (const char byte : bytes)
        count += uchar(byte) < 0x80;
    return count;
}

inline qsizetype asciiCount(const QString &text)
{
    qsizetype count = 0;
    for (const QChar c : text)
        count += c.unicode() < 0x80;
    return count;
}

} // namespace tidewick::fuzz
