// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Why a read or write failed, said in the interface's language for a message such as "cannot write
// standard output: %1" or a save that failed.
namespace FailureCause {

// The cause behind a system error number (errno), beginning lower-case; "" is never returned.
[[nodiscard]] QString text(int errorNumber);

}  // namespace FailureCause
