// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// The folder for the single-instance lock and the hand-over socket: one that only this user can reach,
// so that no other user can block the program with a file of their own or listen in its place. On Unix
// that is the session's runtime folder or, where the session has none, a folder of our own in the
// temporary folder; each is used only once proven private. Empty when neither is: the program then runs
// without a lock rather than trust a place another user controls.
[[nodiscard]] QString privateFolder();

}  // namespace platform
