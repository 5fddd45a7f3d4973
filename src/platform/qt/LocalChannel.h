// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

namespace platform {

// The local socket between two copies of the program. On Unix it is the system's own socket, watched by
// the event loop: Qt's QLocalSocket would load Qt Network, and with it Kerberos and a proxy library, for a
// few bytes between two copies, which cost a tenth of the start-up time and memory; and Qt's server
// stops listening for good when accepting fails. Elsewhere it is QLocalServer and QLocalSocket.

// One accepted connection, in the running copy. Reading never blocks, and each turn of the event loop
// reads only a little of what waits, so a visitor that floods the connection cannot hold up the program.
class LocalConnection : public QObject
{
    Q_OBJECT
public:
    [[nodiscard]] virtual bool peerIsThisUser() const = 0;
    // Everything that has arrived and not been taken yet.
    [[nodiscard]] virtual QByteArray takeArrived() = 0;
    virtual void send(const QByteArray &bytes) = 0;
    // Closes the connection; the object deletes itself later.
    virtual void close() = 0;

signals:
    void arrived();
    void closedByPeer();
};

class LocalListener : public QObject
{
    Q_OBJECT
public:
    [[nodiscard]] static std::unique_ptr<LocalListener> create();
    // Replaces a socket file left at the path (its folder is ours, so no one else listens there).
    virtual bool listen(const QString &path) = 0;
    [[nodiscard]] virtual QString errorString() const = 0;

signals:
    // The connection is a child of the listener.
    void connected(platform::LocalConnection *connection);
};

// The later copy's end: every call blocks, for at most the time given.
class LocalClient
{
public:
    [[nodiscard]] static std::unique_ptr<LocalClient> connectTo(const QString &path, int waitMs);
    virtual ~LocalClient() = default;
    [[nodiscard]] virtual bool peerIsThisUser() const = 0;
    virtual bool send(const QByteArray &bytes) = 0;
    // One byte, or nothing when none came in time or the other end closed.
    [[nodiscard]] virtual QByteArray receiveByte(int waitMs) = 0;
};

}  // namespace platform
