// SPDX-License-Identifier: MIT
#include "AbandonedLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

// QLockFile writes the process number, the application name, the host name and, since Qt 6, the
// machine's and the boot's identities, one a line. Nothing longer is a lock of ours.
constexpr qint64 MaxLockFileSize = 4096;

struct LockOwner
{
    qint64 pid = 0;
    QString host;
    QByteArray machineId;
};

std::optional<LockOwner> readOwner(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.read(MaxLockFileSize).split('\n');
    bool isNumber = false;
    const qint64 pid = lines.size() >= 3 ? lines[0].toLongLong(&isNumber) : 0;
    if (!isNumber || pid <= 0)
        return std::nullopt;
    return LockOwner{pid, QString::fromUtf8(lines[2]), lines.size() >= 4 ? lines[3] : QByteArray()};
}

// The same test QLockFile makes: the host name, or failing that the machine's identity, matches. A
// renamed host is still this machine when the lock carries the identity.
bool namesThisMachine(const LockOwner &owner)
{
    if (owner.host.isEmpty() || owner.host == QSysInfo::machineHostName())
        return true;
    const QByteArray machineId = QSysInfo::machineUniqueId();
    return !machineId.isEmpty() && owner.machineId == machineId;
}

bool isOld(const QString &path)
{
    const QDateTime written = QFileInfo(path).lastModified();
    // A lock without a readable time cannot be understood; a time in the future comes from a clock that
    // was set back and must not protect a lock until that day comes.
    return !written.isValid() || qAbs(written.secsTo(QDateTime::currentDateTime())) >= StaleLockSecs;
}

}  // namespace

bool isAbandonedLock(const QString &path, bool heldByThisProcess)
{
    if (!isOld(path))
        return false;
    const std::optional<LockOwner> owner = readOwner(path);
    if (!owner)
        return true;
    // QLockFile has already taken over the lock of a dead process on this machine; what it leaves is a
    // live one, unless the live one is this very process, which asks because it does not hold the lock.
    return !namesThisMachine(*owner) || (owner->pid == QCoreApplication::applicationPid() && !heldByThisProcess);
}

bool isLockFileInUse(const QString &path)
{
#ifdef Q_OS_UNIX
    // Not blocking: the path was a plain file a moment ago, but need not be one now.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool inUse = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);  // releases the file lock, if it was ours for a moment
    return inUse;
#else
    // The holder keeps the file open for reading only by others; an existing file that cannot be opened
    // for writing is held.
    QFile file(path);
    return file.exists() && !file.open(QIODevice::ReadWrite);
#endif
}

}  // namespace platform
