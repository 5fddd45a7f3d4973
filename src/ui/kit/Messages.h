// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

// The program's messages: every message box carries the application title.
namespace Messages {

platform::MessageAnswer show(platform::MessageBoxes &boxes, const QString &text, platform::MessageIcon icon,
                             platform::MessageButtons buttons = platform::MessageButtons::Ok);

}  // namespace Messages
