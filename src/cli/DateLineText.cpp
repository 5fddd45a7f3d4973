// SPDX-License-Identifier: MIT
#include "DateLineText.h"

namespace WetonCli {
namespace {

constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

QByteArrayView dateLineText(QByteArrayView line, bool firstLine)
{
    if (firstLine && line.startsWith(Utf8ByteOrderMark))
        line = line.sliced(Utf8ByteOrderMark.size());
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    return line;
}

}  // namespace WetonCli
