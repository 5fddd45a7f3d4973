// SPDX-License-Identifier: MIT
#include "platform/qt/LocalChannel.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace platform {
namespace {

class PipeConnection final : public LocalConnection
{
public:
    PipeConnection(QLocalSocket *socket, QObject *parent) : m_socket(socket)
    {
        setParent(parent);
        socket->setParent(this);
        // Taken in small turns, as on Unix: a flood waits in the pipe, not in our memory.
        socket->setReadBufferSize(16 * 1024);
        connect(socket, &QLocalSocket::readyRead, this, &LocalConnection::arrived);
        connect(socket, &QLocalSocket::disconnected, this, &LocalConnection::closedByPeer);
    }

    // The pipe's access list (QLocalServer::UserAccessOption) admits this user alone.
    bool peerIsThisUser() const override { return true; }
    QByteArray takeArrived() override { return m_socket->readAll(); }
    void send(const QByteArray &bytes) override
    {
        m_socket->write(bytes);
        m_socket->flush();
    }
    void close() override
    {
        m_socket->disconnectFromServer();
        deleteLater();
    }

private:
    QLocalSocket *m_socket;
};

class PipeListener final : public LocalListener
{
public:
    PipeListener()
    {
        m_server.setSocketOptions(QLocalServer::UserAccessOption);
        connect(&m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server.nextPendingConnection())
                emit connected(new PipeConnection(socket, this));
        });
    }

    bool listen(const QString &path) override
    {
        QLocalServer::removeServer(path);
        return m_server.listen(path);
    }
    QString errorString() const override { return m_server.errorString(); }

private:
    QLocalServer m_server;
};

class PipeClient final : public LocalClient
{
public:
    explicit PipeClient(std::unique_ptr<QLocalSocket> socket) : m_socket(std::move(socket)) {}

    bool peerIsThisUser() const override { return true; }
    bool send(const QByteArray &bytes) override
    {
        return m_socket->write(bytes) == bytes.size() && (m_socket->flush() || m_socket->bytesToWrite() == 0);
    }
    QByteArray receiveByte(int waitMs) override
    {
        if (m_socket->bytesAvailable() == 0 && !m_socket->waitForReadyRead(waitMs))
            return {};
        return m_socket->read(1);
    }

private:
    std::unique_ptr<QLocalSocket> m_socket;
};

}  // namespace

std::unique_ptr<LocalListener> LocalListener::create() { return std::make_unique<PipeListener>(); }

std::unique_ptr<LocalClient> LocalClient::connectTo(const QString &path, int waitMs)
{
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(path);
    if (!socket->waitForConnected(waitMs))
        return nullptr;
    return std::make_unique<PipeClient>(std::move(socket));
}

}  // namespace platform
