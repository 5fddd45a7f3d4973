// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// Whether the program can show windows here: on Unix a display server or an explicit Qt platform.
[[nodiscard]] bool displayAvailable();

}  // namespace platform
