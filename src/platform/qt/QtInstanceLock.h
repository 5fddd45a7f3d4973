#pragma once

#include "platform/Platform.h"

#include <QLockFile>
#include <QString>
#include <memory>

namespace platform {

// One running copy per user session: a lock file in the user's own runtime folder, held until the
// process ends. The lock of a copy that died (even by kill -9) is taken over at the next start.
class QtInstanceLock final : public InstanceLock
{
public:
    QtInstanceLock() = default;
    // A lock at a given place, for the tests.
    explicit QtInstanceLock(const QString &lockFilePath);

    bool acquire() override;

    // Where the program keeps its lock: the per-user runtime folder on Unix, the temporary folder on
    // Windows.
    [[nodiscard]] static QString defaultLockFilePath();

private:
    bool takeOverUnreadableLock();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace platform
