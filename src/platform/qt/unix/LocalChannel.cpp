// SPDX-License-Identifier: MIT
#include "platform/qt/LocalChannel.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

#ifdef MSG_NOSIGNAL
constexpr int SendFlags = MSG_NOSIGNAL;  // a closed peer is an error to report, not a signal that kills us
#else
constexpr int SendFlags = 0;
#endif
// After an accept that failed (no descriptor left) the pending connection would wake the loop at once
// again; the listener rests this long instead, and listens on.
constexpr int AcceptRestMs = 200;
// What one turn of the event loop takes from a connection, and how many connections it accepts: a flood
// of bytes or of visitors is taken in small turns, between which the rest of the program runs (the
// window, a signal to end) and the hand-over can let a visitor go once it has said too much.
constexpr qsizetype ReadPerTurn = 16 * 1024;
constexpr int AcceptsPerTurn = 16;
// A local connection is made at once or refused while the listener's queue is full; it is tried again
// this often until the time is up.
constexpr int ConnectRetryMs = 50;

// Whether the process at the other end runs as this user: a saved reading's path is the user's business,
// and a running copy must not open what a stranger offers.
bool runsAsThisUser(int fd)
{
#if defined(SO_PEERCRED)
    struct ucred peer
    {};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer
           && peer.uid == ::geteuid();
#else
    uid_t user = 0;
    gid_t group = 0;
    return ::getpeereid(fd, &user, &group) == 0 && user == ::geteuid();
#endif
}

bool addressOf(const QString &path, sockaddr_un &address)
{
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

int newSocket(int fd)
{
    if (fd >= 0) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
    }
    return fd;
}

// Waits for the socket to be ready as asked, for at most waitMs.
bool waitFor(int fd, short events, int waitMs)
{
    pollfd watched{fd, events, 0};
    int ready = 0;
    do
        ready = ::poll(&watched, 1, waitMs);
    while (ready < 0 && errno == EINTR);
    return ready == 1 && (watched.revents & events) != 0;
}

// Every socket here is non-blocking, so a peer that has stopped reading cannot hold us: a full buffer
// is waited on for at most waitMs (none in the running copy).
bool sendAll(int fd, const QByteArray &bytes, int waitMs)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), SendFlags);
        if (written > 0) {
            sent += written;
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitMs > 0 && waitFor(fd, POLLOUT, waitMs))
            continue;
        return false;
    }
    return true;
}

class UnixConnection final : public LocalConnection
{
public:
    UnixConnection(int fd, QObject *parent) : m_fd(fd), m_notifier(fd, QSocketNotifier::Read)
    {
        setParent(parent);
        connect(&m_notifier, &QSocketNotifier::activated, this, &UnixConnection::receive);
    }
    ~UnixConnection() override
    {
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }

    bool peerIsThisUser() const override { return runsAsThisUser(m_fd); }
    QByteArray takeArrived() override { return std::exchange(m_arrived, {}); }
    void send(const QByteArray &bytes) override { sendAll(m_fd, bytes, 0); }
    void close() override
    {
        m_notifier.setEnabled(false);
        ::shutdown(m_fd, SHUT_RDWR);
        deleteLater();
    }

private:
    // One read a turn: what is left wakes the notifier again at the next turn.
    void receive()
    {
        char buffer[ReadPerTurn];
        ssize_t got = 0;
        do
            got = ::recv(m_fd, buffer, sizeof buffer, 0);
        while (got < 0 && errno == EINTR);
        if (got > 0) {
            m_arrived.append(buffer, got);
            emit arrived();
        } else if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            m_notifier.setEnabled(false);
            emit closedByPeer();
        }
    }

    int m_fd;
    QSocketNotifier m_notifier;
    QByteArray m_arrived;
};

class UnixListener final : public LocalListener
{
public:
    ~UnixListener() override
    {
        if (m_fd < 0)
            return;
        m_notifier->setEnabled(false);
        ::close(m_fd);
        ::unlink(QFile::encodeName(m_path).constData());
    }

    bool listen(const QString &path) override
    {
        sockaddr_un address;
        if (!addressOf(path, address)) {
            m_error =
                QCoreApplication::translate("LocalChannel", "the path %1 is too long for a local socket").arg(path);
            return false;
        }
        const int fd = newSocket(::socket(AF_UNIX, SOCK_STREAM, 0));
        ::unlink(address.sun_path);  // left by a copy that crashed
        // The socket is made with no rights for others, rather than changed afterwards by its name, which
        // could by then be a link to anything. The folder is ours alone in any case.
        const mode_t usualMask = ::umask(0177);
        const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
        ::umask(usualMask);
        if (!bound || ::listen(fd, SOMAXCONN) != 0) {
            m_error = QString::fromLocal8Bit(std::strerror(errno));
            if (fd >= 0)
                ::close(fd);
            return false;
        }
        m_fd = fd;
        m_path = path;
        m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &UnixListener::acceptPending);
        return true;
    }

    QString errorString() const override { return m_error; }

private:
    void acceptPending()
    {
        for (int accepted = 0; accepted < AcceptsPerTurn; ++accepted) {
            const int fd = newSocket(::accept(m_fd, nullptr, nullptr));
            if (fd >= 0) {
                emit connected(new UnixConnection(fd, this));
                continue;
            }
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                m_notifier->setEnabled(false);
                QTimer::singleShot(AcceptRestMs, this, [this] { m_notifier->setEnabled(true); });
            }
            return;
        }
    }

    int m_fd = -1;
    QString m_path;
    QString m_error;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

class UnixClient final : public LocalClient
{
public:
    UnixClient(int fd, int waitMs) : m_fd(fd), m_waitMs(waitMs) {}
    ~UnixClient() override { ::close(m_fd); }

    bool peerIsThisUser() const override { return runsAsThisUser(m_fd); }
    bool send(const QByteArray &bytes) override { return sendAll(m_fd, bytes, m_waitMs); }
    QByteArray receiveByte(int waitMs) override
    {
        char byte = 0;
        if (waitFor(m_fd, POLLIN, waitMs) && ::recv(m_fd, &byte, 1, 0) == 1)
            return QByteArray(1, byte);
        return {};
    }

private:
    int m_fd;
    int m_waitMs;
};

}  // namespace

std::unique_ptr<LocalListener> LocalListener::create() { return std::make_unique<UnixListener>(); }

std::unique_ptr<LocalClient> LocalClient::connectTo(const QString &path, int waitMs)
{
    sockaddr_un address;
    if (!addressOf(path, address))
        return nullptr;
    const int fd = newSocket(::socket(AF_UNIX, SOCK_STREAM, 0));
    if (fd < 0)
        return nullptr;
    // Not blocking: a running copy that is stopped with its queue of waiting connections full would
    // otherwise keep this copy in connect() for ever, with no window and no word.
    for (int waited = 0;; waited += ConnectRetryMs) {
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            return std::make_unique<UnixClient>(fd, waitMs);
        if ((errno != EAGAIN && errno != EINTR) || waited >= waitMs)
            break;
        ::usleep(ConnectRetryMs * 1000);
    }
    ::close(fd);
    return nullptr;
}

}  // namespace platform
