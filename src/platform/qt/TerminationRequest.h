// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QObject;

namespace platform {

// Runs `ending` on the event loop when the system asks the process to end (on Unix SIGTERM, SIGINT or
// SIGHUP), so the program can close its windows and release its lock and socket instead of being cut
// off. Elsewhere it does nothing. Call once, after the application object exists.
void onTerminationRequest(QObject *context, std::function<void()> ending);

}  // namespace platform
