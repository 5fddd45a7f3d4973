// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace platform {

// One running copy per user session: a lock file in the user's own runtime folder, held until the
// process ends. The lock of a copy that died (even by kill -9) is taken over at the next start, and no
// state of the lock folder keeps the program from starting for ever: a lock nobody on this machine holds
// is taken over once it is a little while old, and a lock path that is not a plain file is stepped around.
class QtInstanceLock final : public InstanceLock
{
public:
    QtInstanceLock() = default;
    // A lock at a given place, for the tests.
    explicit QtInstanceLock(const QString &lockFilePath);
    ~QtInstanceLock() override;
    QtInstanceLock(const QtInstanceLock &) = delete;
    QtInstanceLock &operator=(const QtInstanceLock &) = delete;

    bool acquire() override;

    // Where the program keeps its lock: in the folder only this user can reach (PrivateFolder.h); empty
    // when there is none.
    [[nodiscard]] static QString defaultLockFilePath();

private:
    enum class Outcome { Acquired, Held, Unusable };

    [[nodiscard]] QStringList candidatePaths() const;
    Outcome tryPath(const QString &path);
    [[nodiscard]] static Outcome takeOver(QLockFile &lock, const QString &path);

    QString m_path;
    QString m_heldPath;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace platform
