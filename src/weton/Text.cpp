// SPDX-License-Identifier: MIT
#include "Text.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace Text {
namespace {

// The start of the character (grapheme) that holds the unit at `at`, or `at` when one starts there.
qsizetype characterStart(const QString &text, qsizetype at)
{
    const qsizetype from = std::max<qsizetype>(0, at - CutContext);
    const qsizetype to = std::min(text.size(), at + CutContext);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.constData() + from, to - from);
    finder.setPosition(at - from);
    if (!finder.isAtBoundary())
        finder.toPreviousBoundary();
    qsizetype start = from + std::max<qsizetype>(0, finder.position());
    // A character longer than the examined stretch is cut at its start there, but never inside a pair.
    if (start > 0 && text.at(start).isLowSurrogate() && text.at(start - 1).isHighSurrogate())
        --start;
    return start;
}

}  // namespace

Cut cutInsertion(const QString &text, qsizetype cursor, qsizetype limit)
{
    const qsizetype excess = text.size() - limit;
    if (excess <= 0)
        return {text, cursor};
    cursor = std::clamp<qsizetype>(cursor, 0, text.size());
    // Only a text that was already too long has less before the cursor than it must lose; its end goes.
    const qsizetype end = cursor >= excess ? cursor : text.size();
    const qsizetype start = characterStart(text, end - excess);
    return {text.left(start) + text.sliced(end), end == cursor ? start : std::min(cursor, start)};
}

}  // namespace Text
