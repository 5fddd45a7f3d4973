// SPDX-License-Identifier: MIT
#include "QtHandOver.h"

#include "LocalChannel.h"
#include "QtInstanceLock.h"
#include "files/FileNames.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace platform {

struct QtHandOver::Visit
{
    QByteArray offer;
    QString path;
    bool answered = false;
};

namespace {

// Long enough for a copy that is busy drawing a window; short enough that a copy which hangs does not
// leave the user waiting without a word.
constexpr int ConnectWaitMs = 2000;
constexpr int AnswerWaitMs = 5000;
// A visitor that has not made its offer and heard the answer by then is let go, so idle connections
// cannot pile up; at most this many are served at once, so they cannot use up the descriptors either.
constexpr int VisitMs = 5000;
constexpr int MaxVisitors = 8;
// Far beyond any real path; more than this is not an offer, and its visitor is let go as soon as it has
// sent that much, so a flood never costs more.
constexpr qsizetype MaxOfferBytes = 64 * 1024;
constexpr char Taken = 'Y';
constexpr char Refused = 'N';
constexpr char Heard = 'K';

}  // namespace

QtHandOver::QtHandOver() = default;

QtHandOver::QtHandOver(const QString &socketPath) : m_path(socketPath) {}

QtHandOver::~QtHandOver() = default;

QString QtHandOver::defaultSocketPath()
{
    QString path = QtInstanceLock::defaultLockFilePath();
    if (path.isEmpty())
        return path;
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
    const std::unique_ptr<LocalClient> running = LocalClient::connectTo(socketPath(), ConnectWaitMs);
    // No copy listens (it is starting, ending, or gone), or someone else does: the path is not theirs.
    if (!running || !running->peerIsThisUser() || !running->send(FileNames::encode(path) + '\0'))
        return false;
    if (running->receiveByte(AnswerWaitMs) != QByteArray(1, Taken))
        return false;
    // The running copy opens the file only once it knows we heard it took the file: a copy that gave up
    // waiting and told its user so is never followed by the file opening all the same.
    return running->send(QByteArray(1, Heard));
}

void QtHandOver::listen(Receiver receiver)
{
    m_receiver = std::move(receiver);
    m_listener = LocalListener::create();
    QObject::connect(m_listener.get(), &LocalListener::connected, m_listener.get(),
                     [this](LocalConnection *connection) { serve(connection); });
    if (!socketPath().isEmpty() && m_listener->listen(socketPath()))
        return;
    // Later copies then find no one to hand to, and say that a copy is already running.
    const QString why = socketPath().isEmpty()
                            ? QCoreApplication::translate("QtHandOver", "there is no folder only you can use")
                            : m_listener->errorString();
    std::fputs(qPrintable(QCoreApplication::translate("QtHandOver",
                                                      "wetonara: later copies cannot hand files to this one: %1\n")
                              .arg(why)),
               stderr);
}

void QtHandOver::serve(LocalConnection *connection)
{
    if (m_visitors >= MaxVisitors || !connection->peerIsThisUser()) {
        connection->close();
        return;
    }
    ++m_visitors;
    QObject::connect(connection, &QObject::destroyed, m_listener.get(), [this] { --m_visitors; });
    QObject::connect(connection, &LocalConnection::closedByPeer, connection, &LocalConnection::close);
    QTimer::singleShot(VisitMs, connection, &LocalConnection::close);
    auto visit = std::make_shared<Visit>();
    QObject::connect(connection, &LocalConnection::arrived, connection,
                     [this, connection, visit] { hear(*connection, *visit); });
}

void QtHandOver::hear(LocalConnection &connection, Visit &visit)
{
    const QByteArray arrived = connection.takeArrived();
    if (visit.answered) {
        if (arrived.startsWith(Heard) && m_receiver.take)
            m_receiver.take(visit.path);
        connection.close();
        return;
    }
    visit.offer += arrived;
    const qsizetype end = visit.offer.indexOf('\0');
    if ((end < 0 ? visit.offer.size() : end) > MaxOfferBytes) {
        connection.close();
        return;
    }
    if (end < 0)
        return;  // the rest of the offer is still on its way
    visit.path = FileNames::decode(visit.offer.left(end));
    visit.answered = true;
    const bool ready = m_receiver.ready && m_receiver.ready();
    connection.send(QByteArray(1, ready ? Taken : Refused));
    if (!ready)
        connection.close();
}

}  // namespace platform
