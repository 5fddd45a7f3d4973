// SPDX-License-Identifier: MIT
#include "StandardStream.h"

#include "files/FailureCause.h"

#include <QtGlobal>
#include <array>
#include <cerrno>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace WetonCli {
namespace {

std::array<bool, 3> closedAtStart{};

bool isClosed(int fd)
{
#ifdef Q_OS_WIN
    const intptr_t handle = _get_osfhandle(fd);
    return handle == -1 || handle == -2;  // -2: a program without a console
#else
    return ::fcntl(fd, F_GETFD) == -1 && errno == EBADF;
#endif
}

// Takes the lowest free descriptor, which is `fd` itself when it is closed.
void occupyWithNullDevice(int fd)
{
#ifdef Q_OS_WIN
    const int opened = _open("NUL", fd == 0 ? _O_RDONLY : _O_WRONLY);
    if (opened >= 0 && opened != fd) {
        _dup2(opened, fd);
        _close(opened);
    }
#else
    const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened >= 0 && opened != fd) {
        ::dup2(opened, fd);
        ::close(opened);
    }
#endif
}

#ifndef Q_OS_WIN
// A signal that arrives during a read or write is no failure: the call is made again.
template <typename Call>
qint64 retriedWhenInterrupted(Call call)
{
    qint64 count;
    do
        count = call();
    while (count < 0 && errno == EINTR);
    return count;
}
#endif

qint64 readOnce(int fd, char *data, qint64 maxSize)
{
#ifdef Q_OS_WIN
    return _read(fd, data, unsigned(qMin<qint64>(maxSize, 1 << 30)));
#else
    return retriedWhenInterrupted([&] { return ::read(fd, data, size_t(maxSize)); });
#endif
}

qint64 writeOnce(int fd, const char *data, qint64 size)
{
#ifdef Q_OS_WIN
    return _write(fd, data, unsigned(qMin<qint64>(size, 1 << 30)));
#else
    return retriedWhenInterrupted([&] { return ::write(fd, data, size_t(size)); });
#endif
}

}  // namespace

void StandardStream::noteClosedStreams()
{
    for (int fd = Input; fd <= Error; ++fd)
        if ((closedAtStart[fd] = isClosed(fd)))
            occupyWithNullDevice(fd);
}

StandardStream::StandardStream(Channel channel) : m_channel(channel)
{
    open((channel == Input ? QIODevice::ReadOnly : QIODevice::WriteOnly) | QIODevice::Unbuffered);
}

bool StandardStream::failsAsClosed()
{
    if (!closedAtStart[m_channel])
        return false;
    setErrorString(tr("it is closed"));
    return true;
}

qint64 StandardStream::readData(char *data, qint64 maxSize)
{
    if (failsAsClosed())
        return -1;
    const qint64 count = readOnce(m_channel, data, maxSize);
    if (count < 0)
        setErrorString(FailureCause::text(errno));
    return count;
}

// Everything or an error: a short write is continued, as a pipe may take a large block in parts.
qint64 StandardStream::writeData(const char *data, qint64 size)
{
    if (failsAsClosed())
        return -1;
    qint64 written = 0;
    while (written < size) {
        const qint64 count = writeOnce(m_channel, data + written, size - written);
        if (count <= 0) {
            setErrorString(FailureCause::text(count < 0 ? errno : ENOSPC));
            return written > 0 ? written : -1;
        }
        written += count;
    }
    return written;
}

}  // namespace WetonCli
