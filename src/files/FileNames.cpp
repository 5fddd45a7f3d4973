// SPDX-License-Identifier: MIT
#include "FileNames.h"

#include <QStringDecoder>

namespace FileNames {
namespace {

constexpr char16_t EscapeBase = 0xDC00;
constexpr char16_t FirstEscape = EscapeBase + 0x80;
constexpr char16_t LastEscape = EscapeBase + 0xFF;

bool inRange(QByteArrayView bytes, qsizetype at, int low, int high)
{
    return at < bytes.size() && uchar(bytes[at]) >= low && uchar(bytes[at]) <= high;
}

// The length of the well-formed UTF-8 sequence at `at` (Unicode's table of well-formed byte sequences:
// no overlong forms, no surrogates, nothing beyond U+10FFFF), 0 when there is none.
qsizetype sequenceLength(QByteArrayView bytes, qsizetype at)
{
    const uchar lead = uchar(bytes[at]);
    if (lead < 0x80)
        return 1;
    int length = 0;
    int low = 0x80, high = 0xBF;  // the range of the second byte; the rest are 0x80..0xBF
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90;
    else if (lead == 0xF4)
        high = 0x8F;
    if (length == 0 || !inRange(bytes, at + 1, low, high))
        return 0;
    for (int next = 2; next < length; ++next)
        if (!inRange(bytes, at + next, 0x80, 0xBF))
            return 0;
    return length;
}

// A name that starts with a byte-order mark keeps it: it is part of the name, which QString::fromUtf8
// would drop.
QString fromUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return utf8(bytes);
}

}  // namespace

QString decode(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = sequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += fromUtf8(bytes.sliced(runStart, at - runStart));
        name += QChar(char16_t(EscapeBase + uchar(bytes[at])));
        runStart = ++at;
    }
    return name + fromUtf8(bytes.sliced(runStart));
}

QByteArray encode(QStringView name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        // The low half of a surrogate pair is part of a character, not a byte kept apart.
        if (name[at].isHighSurrogate() && at + 1 < name.size() && name[at + 1].isLowSurrogate()) {
            ++at;
            continue;
        }
        const char16_t unit = name[at].unicode();
        if (unit < FirstEscape || unit > LastEscape)
            continue;
        bytes += name.sliced(runStart, at - runStart).toUtf8();
        bytes += char(unit - EscapeBase);
        runStart = at + 1;
    }
    return bytes + name.sliced(runStart).toUtf8();
}

}  // namespace FileNames
