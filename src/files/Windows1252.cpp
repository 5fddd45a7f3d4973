// SPDX-License-Identifier: MIT
#include "Windows1252.h"

#include <array>

namespace Windows1252 {
namespace {

// 0x80..0x9F; everything else maps to the Unicode code point of the same number.
constexpr std::array<char16_t, 32> HighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QChar toUnicode(uchar code) { return code >= 0x80 && code <= 0x9F ? QChar(HighControls[code - 0x80]) : QChar(code); }

std::optional<uchar> fromUnicode(QChar character)
{
    const char16_t unit = character.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return uchar(unit);
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == unit)
            return uchar(0x80 + i);
    return std::nullopt;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = toUnicode(uchar(bytes[i]));
    return text;
}

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar character : text)
        if (const std::optional<uchar> code = fromUnicode(character))
            bytes.append(char(*code));
    return bytes;
}

}  // namespace Windows1252
