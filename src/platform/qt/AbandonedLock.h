// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// A lock file is written at once after it is created; one that is still not held by a live copy on this
// machine after this long was left behind, not made by a copy that is starting right now.
inline constexpr qint64 StaleLockSecs = 10;

// Whether the lock file at `path`, which QLockFile found taken, may be taken over: it is at least
// StaleLockSecs old (or dated in the future by more than that), and it cannot be read as a lock, or it
// names another machine, or it names this very process while `heldByThisProcess` is false (a process
// number reused after a restart). A readable lock of a live process on this machine is never abandoned,
// however old.
[[nodiscard]] bool isAbandonedLock(const QString &path, bool heldByThisProcess);

// Whether a process holds the lock file at `path` open as its lock (QLockFile's file lock on Unix, its
// open file on Windows). Such a file cannot be removed, and its holder is running.
[[nodiscard]] bool isLockFileInUse(const QString &path);

}  // namespace platform
