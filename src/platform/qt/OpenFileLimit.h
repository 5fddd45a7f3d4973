// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace platform {

// The files a copy with windows has open at once, at the least: its display connection, fonts, the
// event loop's own, the lock and the socket, and a dialog's. With fewer it cannot tell whether another
// copy runs, and the display's library waits for ever where it runs out.
inline constexpr long NeededOpenFiles = 64;

// Raises this process's limit of open files to NeededOpenFiles where it is lower and the system allows
// that. The limit when it stays lower; nothing when it suffices.
[[nodiscard]] std::optional<long> tooFewOpenFiles();

}  // namespace platform
