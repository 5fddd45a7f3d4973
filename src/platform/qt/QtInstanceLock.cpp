#include "QtInstanceLock.h"

#include <QDir>
#include <QStandardPaths>

namespace platform {

bool QtInstanceLock::acquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    // Per user: the runtime folder on Unix, the temporary folder on Windows.
#ifdef Q_OS_WIN
    const auto location = QStandardPaths::TempLocation;
#else
    const auto location = QStandardPaths::RuntimeLocation;
#endif
    QString folder = QStandardPaths::writableLocation(location);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/wetonara.lock"));
    // A live holder keeps the lock however old it is; the lock of a crashed copy is taken over at once,
    // since its process no longer exists.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

} // namespace platform
