#pragma once

#include <QString>

namespace Text {

// Trimming in this program removes leading and trailing space characters only, never tabs or line breaks.
[[nodiscard]] inline QString trimSpaces(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

}  // namespace Text
