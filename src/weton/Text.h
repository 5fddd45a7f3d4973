// SPDX-License-Identifier: MIT
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

struct Cut
{
    QString text;
    qsizetype cursor = 0;
};

// How much of the text on either side of a cut cutInsertion looks at: plenty for any character a person
// types, and a paste of megabytes costs no more than this.
constexpr qsizetype CutContext = 256;

// Brings a text that an insertion made longer than `limit` UTF-16 units back within it, the way a box
// with that many places cuts what is typed or pasted: the end of the inserted part, which ends at the
// cursor, goes. The cut falls between whole characters as a reader sees them, so no half of a
// surrogate pair, flag or emoji sequence and no accent without its letter is left behind.
[[nodiscard]] Cut cutInsertion(const QString &text, qsizetype cursor, qsizetype limit);

}  // namespace Text
