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

bool sendAll(int fd, const QByteArray &bytes)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), SendFlags);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        sent += written;
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
    void send(const QByteArray &bytes) override { sendAll(m_fd, bytes); }
    void close() override
    {
        m_notifier.setEnabled(false);
        ::shutdown(m_fd, SHUT_RDWR);
        deleteLater();
    }

private:
    void receive()
    {
        char buffer[4096];
        bool ended = false;
        for (;;) {
            const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (got > 0) {
                m_arrived.append(buffer, got);
                continue;
            }
            if (got < 0 && errno == EINTR)
                continue;
            ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
            break;
        }
        if (!m_arrived.isEmpty())
            emit arrived();
        if (ended) {
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
        if (fd < 0 || ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
            || ::chmod(address.sun_path, 0600) != 0 || ::listen(fd, SOMAXCONN) != 0) {
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
        for (;;) {
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
    explicit UnixClient(int fd) : m_fd(fd) {}
    ~UnixClient() override { ::close(m_fd); }

    bool peerIsThisUser() const override { return runsAsThisUser(m_fd); }
    bool send(const QByteArray &bytes) override { return sendAll(m_fd, bytes); }
    QByteArray receiveByte(int waitMs) override
    {
        pollfd watched{m_fd, POLLIN, 0};
        char byte = 0;
        if (::poll(&watched, 1, waitMs) == 1 && ::recv(m_fd, &byte, 1, 0) == 1)
            return QByteArray(1, byte);
        return {};
    }

private:
    int m_fd;
};

}  // namespace

std::unique_ptr<LocalListener> LocalListener::create() { return std::make_unique<UnixListener>(); }

std::unique_ptr<LocalClient> LocalClient::connectTo(const QString &path, int waitMs)
{
    sockaddr_un address;
    if (!addressOf(path, address))
        return nullptr;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return nullptr;
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    // A local connection is made at once or refused; a full queue of a busy listener is retried until the
    // time is up.
    for (int waited = 0;; waited += 50) {
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            return std::make_unique<UnixClient>(fd);
        if ((errno != EAGAIN && errno != EINTR) || waited >= waitMs)
            break;
        ::usleep(50'000);
    }
    ::close(fd);
    return nullptr;
}

}  // namespace platform
