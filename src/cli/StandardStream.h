// SPDX-License-Identifier: MIT
#pragma once

#include <QIODevice>

namespace WetonCli {

// Standard input, output or error of a command-line tool, as an unbuffered device that talks to the
// stream's file descriptor directly:
// - a read returns what the stream has now (at least one byte, or none at the end) instead of waiting
//   to fill the whole request, so a tool in a pipeline can answer each line as it comes;
// - a stream the caller left closed gives the error "it is closed" on every read or write.
class StandardStream final : public QIODevice
{
    Q_OBJECT
public:
    enum Channel { Input = 0, Output = 1, Error = 2 };

    // Must run first thing in main, before anything opens a file. The system hands out the lowest free
    // descriptor, so the first file opened after a closed standard output would otherwise become the
    // standard output, and the tool would write into it. A closed stream is noted as closed and its
    // descriptor given to the null device.
    static void noteClosedStreams();

    // Opened at once, for reading (Input) or writing (Output, Error).
    explicit StandardStream(Channel channel);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool failsAsClosed();

    const Channel m_channel;
};

}  // namespace WetonCli
