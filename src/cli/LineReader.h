// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

namespace WetonCli {

// Reads text lines from a device in fixed chunks, ending a line at CR LF, LF or a lone CR. A line keeps
// at most MaxLineLength bytes; the rest of a longer one is skipped, not stored, so one endless line of
// input cannot exhaust memory.
class LineReader
{
public:
    static constexpr qsizetype MaxLineLength = 256;

    explicit LineReader(QIODevice &device);

    // Moves to the next line; false at the end of the input or after a read error.
    [[nodiscard]] bool next();

    [[nodiscard]] QByteArrayView text() const { return line; }
    [[nodiscard]] qint64 lineNumber() const { return number; }
    [[nodiscard]] bool tooLong() const { return overLong; }
    [[nodiscard]] bool readFailed() const { return failed; }
    // True when the next line cannot be had without reading the device again, which may wait.
    [[nodiscard]] bool mustRead() const { return position >= chunk.size() && !finished; }

private:
    static constexpr qsizetype ChunkSize = 64 * 1024;

    bool haveData();
    void keep(const char *from, qsizetype count);

    QIODevice &device;
    QByteArray chunk;
    qsizetype position = 0;
    QByteArray line;
    qint64 number = 0;
    bool overLong = false;
    bool crPending = false;  // the last line ended with CR: an LF right after it belongs to that ending
    bool finished = false;
    bool failed = false;
};

}  // namespace WetonCli
