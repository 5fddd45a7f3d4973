// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace platform {

// The arguments after the program's name, decoded as the system gives file names, before any Qt
// application object exists (help and version must not need one).
[[nodiscard]] QStringList commandLineArguments(int argc, char *argv[]);

}  // namespace platform
