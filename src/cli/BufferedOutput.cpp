// SPDX-License-Identifier: MIT
#include "BufferedOutput.h"

#include <QCoreApplication>

namespace WetonCli {

BufferedOutput::BufferedOutput(QIODevice &output) : device(output) { pending.reserve(FlushSize + 4096); }

BufferedOutput::~BufferedOutput() { (void)flush(); }

void BufferedOutput::append(QByteArrayView bytes)
{
    pending.append(bytes);
    if (pending.size() >= FlushSize)
        (void)flush();
}

void BufferedOutput::append(char byte) { pending.append(byte); }

bool BufferedOutput::flush()
{
    if (!pending.isEmpty() && !failed) {
        qsizetype written = 0;
        while (written < pending.size()) {
            const qint64 count = device.write(pending.constData() + written, pending.size() - written);
            if (count <= 0) {
                failed = true;
                break;
            }
            written += count;
        }
    }
    pending.resize(0);
    return !failed;
}

QByteArray BufferedOutput::failureMessage() const
{
    return (QCoreApplication::translate("WetonCli", "weton: cannot write standard output: %1").arg(device.errorString())
            + QLatin1Char('\n'))
        .toUtf8();
}

}  // namespace WetonCli
