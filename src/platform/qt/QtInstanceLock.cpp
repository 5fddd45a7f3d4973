// SPDX-License-Identifier: MIT
#include "QtInstanceLock.h"

#include "AbandonedLock.h"
#include "PrivateFolder.h"

#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {

const QString LockName = QStringLiteral("wetonara.lock");
// Used when the lock path is taken by something that is not a file (a directory, say): every copy
// steps to the same place, so they still keep each other out.
const QString BesideSuffix = QStringLiteral(".instance");

// The places where a lock object of this process holds the lock. A lock naming this process that is
// not among them was left by an earlier run that had the same process number.
QStringList &heldHere()
{
    static QStringList paths;
    return paths;
}

}  // namespace

QtInstanceLock::QtInstanceLock(const QString &lockFilePath) : m_path(lockFilePath) {}

QString QtInstanceLock::defaultLockFilePath()
{
    const QString folder = privateFolder();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + LockName;
}

QStringList QtInstanceLock::candidatePaths() const
{
    const QString first = m_path.isEmpty() ? defaultLockFilePath() : m_path;
    if (first.isEmpty())
        return {};
    return {first, first + BesideSuffix};
}

bool QtInstanceLock::acquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    // Every copy walks the places in the same order and stops at the first it can use, so two copies
    // meet at the same lock.
    for (const QString &path : candidatePaths()) {
        const Outcome outcome = tryPath(path);
        if (outcome != Outcome::Unusable)
            return outcome == Outcome::Acquired;
    }
    // No lock can be made anywhere: whether another copy runs cannot be told, and refusing to start for
    // ever would be worse than a second copy.
    return true;
}

QtInstanceLock::Outcome QtInstanceLock::tryPath(const QString &path)
{
    const QFileInfo place(path);
    // Reading a FIFO would wait for a writer for ever, and a directory or device is no lock of ours.
    if (place.exists() && !place.isFile())
        return Outcome::Unusable;
    QDir().mkpath(place.absolutePath());
    auto lock = std::make_unique<QLockFile>(path);
    // No age limit: a live holder keeps the lock however long it runs. A holder that no longer exists
    // is recognised by its process number and its lock taken over at once.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            return Outcome::Unusable;
        const Outcome outcome = takeOver(*lock, path);
        if (outcome != Outcome::Acquired)
            return outcome;
    }
    m_lock = std::move(lock);
    m_heldPath = path;
    heldHere().append(path);
    return Outcome::Acquired;
}

QtInstanceLock::Outcome QtInstanceLock::takeOver(QLockFile &lock, const QString &path)
{
    if (!isAbandonedLock(path, heldHere().contains(path)))
        return Outcome::Held;
    // Two copies that both find the lock abandoned must not both remove it, or the second removes the
    // first one's fresh lock. QLockFile guards its own take-overs with the same companion lock.
    QLockFile guard(path + QStringLiteral(".rmlock"));
    if (!guard.tryLock(0))  // another copy is taking it over right now, or the folder is read-only
        return guard.error() == QLockFile::LockFailedError ? Outcome::Held : Outcome::Unusable;
    if (!isAbandonedLock(path, heldHere().contains(path)))
        return Outcome::Held;
    // The lock was wrongly judged abandoned (a copy of the same number in another process namespace, a
    // renamed host): its live holder's file lock keeps it in place, and that copy is running.
    if (!lock.removeStaleLockFile())
        return isLockFileInUse(path) ? Outcome::Held : Outcome::Unusable;
    return lock.tryLock(0) ? Outcome::Acquired : Outcome::Held;
}

QtInstanceLock::~QtInstanceLock()
{
    if (!m_heldPath.isEmpty())
        heldHere().removeOne(m_heldPath);
}

}  // namespace platform
