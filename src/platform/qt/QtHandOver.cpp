// SPDX-License-Identifier: MIT
#include "QtHandOver.h"

#include "QtInstanceLock.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace platform {
namespace {

// Long enough for a copy that is busy drawing a window; short enough that a copy which hangs does not
// leave the user waiting without a word.
constexpr int ConnectWaitMs = 2000;
constexpr int AnswerWaitMs = 5000;
// Far beyond any real path; more than this is not an offer.
constexpr qint64 MaxOfferBytes = 64 * 1024;
constexpr char Taken = 'Y';
constexpr char Refused = 'N';

}  // namespace

QtHandOver::QtHandOver() = default;

QtHandOver::QtHandOver(const QString &socketPath) : m_path(socketPath) {}

QtHandOver::~QtHandOver() = default;

QString QtHandOver::defaultSocketPath()
{
    QString path = QtInstanceLock::defaultLockFilePath();
    path.chop(QStringLiteral("lock").size());
    return path + QStringLiteral("socket");
}

QString QtHandOver::socketPath()
{
    if (m_path.isEmpty())
        m_path = defaultSocketPath();
    return m_path;
}

bool QtHandOver::offer(const QString &path)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(ConnectWaitMs))
        return false;  // no copy listens: it is starting, ending, or gone
    socket.write(path.toUtf8() + '\0');
    socket.flush();
    QByteArray reply;
    while (reply.isEmpty() && socket.waitForReadyRead(AnswerWaitMs))
        reply = socket.read(1);
    return reply.size() == 1 && reply.at(0) == Taken;
}

void QtHandOver::listen(Receiver receiver)
{
    m_receiver = std::move(receiver);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so no other copy listens: a socket file found now was left by one that crashed.
    // (With the user-only option Qt on Unix binds elsewhere and renames over the path, which replaces
    // such a file anyway; removing it first covers the other platforms.)
    QLocalServer::removeServer(socketPath());
    if (!m_server->listen(socketPath())) {
        // Later copies then find no one to hand to, and say that a copy is already running.
        m_server.reset();
        return;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { answer(socket); });
            answer(socket);
        }
    });
}

void QtHandOver::answer(QLocalSocket *socket)
{
    const QByteArray arrived = socket->peek(MaxOfferBytes + 1);
    const qsizetype end = arrived.indexOf('\0');
    if (end < 0) {
        if (arrived.size() > MaxOfferBytes)
            socket->abort();
        return;  // the rest of the offer is still on its way
    }
    socket->read(end + 1);
    const QString path = QString::fromUtf8(arrived.left(end));
    const bool taken = m_receiver && m_receiver(path);
    socket->write(taken ? &Taken : &Refused, 1);
    socket->flush();
    socket->disconnectFromServer();
}

}  // namespace platform
