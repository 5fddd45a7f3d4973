// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// The folder for the single-instance lock and the hand-over socket: one that only this user can reach,
// so that no other user can block the program with a file of their own or listen in its place. On Unix
// it is held open from the moment it is checked, and the names in it are reached through the open
// folder: another user who swaps the folder for one of theirs between the check and the use (where it
// sits in a folder they can write) swaps nothing we use.
class PrivateFolder
{
public:
    PrivateFolder() = default;
    ~PrivateFolder();
    PrivateFolder(PrivateFolder &&other) noexcept;
    PrivateFolder &operator=(PrivateFolder &&other) noexcept;
    PrivateFolder(const PrivateFolder &) = delete;
    PrivateFolder &operator=(const PrivateFolder &) = delete;

    // The folder at `path` if it is private: a real folder (not a link to one), owned by this user, that
    // no one else may write into. Rights of others to read or enter it are taken away, as Qt does for
    // the runtime folder. Not valid otherwise, and then left as it was.
    [[nodiscard]] static PrivateFolder open(const QString &path);
    // The session's runtime folder or, where the session has none that is private, a folder of our own
    // in the temporary folder, made on first use. Not valid when neither is private: the program then
    // runs without a lock rather than trust a place another user controls.
    [[nodiscard]] static PrivateFolder find();

    [[nodiscard]] bool isValid() const { return !m_path.isEmpty(); }
    // Where this process reaches the folder that was checked: through its open descriptor on Linux
    // (/proc/self/fd/N), by its name elsewhere. Empty when not valid.
    [[nodiscard]] QString path() const { return m_path; }

private:
    int m_descriptor = -1;
    QString m_path;
};

// The folder of this process, found at the first call and held until the process ends, so the lock and
// the socket lie in the same one; empty when there is none.
[[nodiscard]] QString privateFolder();

}  // namespace platform
