#include "QtInstanceLock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace platform {
namespace {

const QString LockName = QStringLiteral("wetonara.lock");

// A lock file is written at once after it is created; one that still cannot be read after this long was
// left half-written by a copy that died, not by a copy that is starting right now.
constexpr qint64 UnreadableLockAgeSecs = 10;

}  // namespace

QtInstanceLock::QtInstanceLock(const QString &lockFilePath) : m_path(lockFilePath) {}

QString QtInstanceLock::defaultLockFilePath()
{
#ifdef Q_OS_WIN
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    if (!folder.isEmpty())
        return folder + QLatin1Char('/') + LockName;
#ifdef Q_OS_UNIX
    // The shared temporary folder is the last resort; the user's number keeps users apart there.
    return QDir::tempPath() + QStringLiteral("/wetonara-%1.lock").arg(::getuid());
#else
    return QDir::tempPath() + QLatin1Char('/') + LockName;
#endif
}

bool QtInstanceLock::acquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    if (m_path.isEmpty())
        m_path = defaultLockFilePath();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // No age limit: a live holder keeps the lock however long it runs. A holder that no longer exists
    // is recognised by its process number and its lock taken over at once.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError)
        return takeOverUnreadableLock();
    // The lock cannot be made at all: whether another copy runs cannot be told, and refusing to start
    // for ever would be worse than a second copy.
    return true;
}

bool QtInstanceLock::takeOverUnreadableLock()
{
    qint64 pid = 0;
    QString host, application;
    if (m_lock->getLockInfo(&pid, &host, &application))
        return false;  // a readable lock of a live copy
    const QDateTime written = QFileInfo(m_path).lastModified();
    if (!written.isValid() || written.secsTo(QDateTime::currentDateTime()) < UnreadableLockAgeSecs)
        return false;
    return m_lock->removeStaleLockFile() && m_lock->tryLock(0);
}

}  // namespace platform
