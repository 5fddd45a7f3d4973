// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

#include <QString>
#include <memory>

namespace platform {

class LocalConnection;
class LocalListener;

// Files handed from a later copy to the running one over a local socket next to the single-instance
// lock, so it is per user in the same way; each end also checks that the other runs as this user. An
// offer is the file's path as the system names it (FileNames.h: UTF-8 for a name that is UTF-8) ended by
// a NUL byte (no path contains one), at most 64 KiB before it; the answer is one byte,
// 'Y' taken or 'N' refused; after 'Y' the later copy says it heard with one byte 'K', and only then does
// the running copy take the file.
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
    struct Visit;

    QString socketPath();
    void serve(LocalConnection *connection);
    void hear(LocalConnection &connection, Visit &visit);

    QString m_path;
    Receiver m_receiver;
    std::unique_ptr<LocalListener> m_listener;
    int m_visitors = 0;
};

}  // namespace platform
