// SPDX-License-Identifier: MIT
#include "TextScrambling.h"

#include "Windows1252.h"

#include <optional>

namespace modHelp {
namespace {

constexpr int Shift = 85;
constexpr int HighestCode = 255;
constexpr qsizetype LongestText = 32767;  // character positions are 16-bit

QString shifted(const QString &text, int by)
{
    if (text.size() > LongestText)
        return {};
    QString result;
    result.reserve(text.size());
    for (QChar character : text) {
        const std::optional<uchar> code = Windows1252::fromUnicode(character);
        if (!code)
            continue;  // not in the code page: left out like any code that leaves 0..255
        const int moved = *code + by;
        if (moved >= 0 && moved <= HighestCode)
            result.append(Windows1252::toUnicode(uchar(moved)));
    }
    return result;
}

}  // namespace

QString ScrambleText(const QString &text) { return shifted(text, Shift); }
QString UnscrambleText(const QString &text) { return shifted(text, -Shift); }

bool survivesScrambling(QChar character)
{
    const std::optional<uchar> code = Windows1252::fromUnicode(character);
    return code && *code + Shift <= HighestCode;
}

}  // namespace modHelp
