// SPDX-License-Identifier: MIT
#include "LineReader.h"

namespace WetonCli {

LineReader::LineReader(QIODevice &input) : device(input) { line.reserve(MaxLineLength); }

bool LineReader::haveData()
{
    if (position < chunk.size())
        return true;
    if (finished)
        return false;
    chunk.resize(ChunkSize);
    const qint64 count = device.read(chunk.data(), ChunkSize);
    if (count <= 0) {
        failed = count < 0;
        finished = true;
        chunk.resize(0);
        position = 0;
        return false;
    }
    chunk.resize(count);
    position = 0;
    return true;
}

void LineReader::keep(const char *from, qsizetype count)
{
    const qsizetype room = MaxLineLength - line.size();
    if (count > room) {
        overLong = true;
        count = room;
    }
    line.append(from, count);
}

bool LineReader::next()
{
    line.resize(0);
    overLong = false;
    if (crPending) {
        crPending = false;
        if (haveData() && chunk[position] == '\n')
            ++position;
    }
    bool started = false;
    while (haveData()) {
        started = true;
        const char *data = chunk.constData();
        const qsizetype end = chunk.size();
        qsizetype stop = position;
        while (stop < end && data[stop] != '\n' && data[stop] != '\r')
            ++stop;
        keep(data + position, stop - position);
        if (stop < end) {
            crPending = data[stop] == '\r';
            position = stop + 1;
            ++number;
            return true;
        }
        position = stop;
    }
    // The last line of an input that does not end with a line break still counts.
    if (started) {
        ++number;
        return true;
    }
    return false;
}

}  // namespace WetonCli
