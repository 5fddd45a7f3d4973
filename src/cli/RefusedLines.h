// SPDX-License-Identifier: MIT
#pragma once

#include <QIODevice>
#include <QString>

namespace WetonCli {

// The input lines a mode refuses, reported on the error stream: the first MaxListed with their number
// and problem, the rest only counted, and the count said at the end. A file of nothing but bad lines
// must not bury the terminal or take minutes of writing.
class RefusedLines
{
public:
    static constexpr qint64 MaxListed = 100;

    explicit RefusedLines(QIODevice &err) : err(err) {}

    // `describe` gives the problem; it is asked only for a line that is listed.
    template <typename Describe>
    void add(qint64 lineNumber, Describe describe)
    {
        if (++count <= MaxListed)
            list(lineNumber, describe());
    }
    // Says how many lines were refused, if more than were listed.
    void finish();
    [[nodiscard]] bool none() const { return count == 0; }

private:
    void list(qint64 lineNumber, const QString &problem);

    QIODevice &err;
    qint64 count = 0;
};

}  // namespace WetonCli
