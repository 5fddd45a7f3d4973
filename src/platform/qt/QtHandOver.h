// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace platform {

// Files handed from a later copy to the running one over a local socket next to the single-instance
// lock, so it is per user in the same way. An offer is the file's path in UTF-8 ended by a NUL byte (no
// path contains one); the answer is one byte, 'Y' taken or 'N' refused.
class QtHandOver final : public HandOver
{
public:
    QtHandOver();
    // A socket at a given place, for the tests.
    explicit QtHandOver(const QString &socketPath);
    ~QtHandOver() override;

    bool offer(const QString &path) override;
    void listen(Receiver receiver) override;

    [[nodiscard]] static QString defaultSocketPath();

private:
    QString socketPath();
    void answer(QLocalSocket *socket);

    QString m_path;
    Receiver m_receiver;
    std::unique_ptr<QLocalServer> m_server;
};

}  // namespace platform
