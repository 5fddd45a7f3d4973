// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

namespace WetonCli {

// Collects output and hands it to the device in large writes; remembers the first failed write so the
// tool can report it instead of claiming success.
class BufferedOutput
{
public:
    explicit BufferedOutput(QIODevice &device);
    ~BufferedOutput();
    BufferedOutput(const BufferedOutput &) = delete;
    BufferedOutput &operator=(const BufferedOutput &) = delete;

    void append(QByteArrayView bytes);
    void append(char byte);
    // Writes what is held; false when this or any earlier write failed.
    [[nodiscard]] bool flush();
    // The tool's one line on a failed write, with the device's reason.
    [[nodiscard]] QByteArray failureMessage() const;

private:
    static constexpr qsizetype FlushSize = 64 * 1024;

    QIODevice &device;
    QByteArray pending;
    bool failed = false;
};

}  // namespace WetonCli
