// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform {

// The window the user is in: the open modal window, else the active one; none when no window of the
// program is in front. Message boxes and file dialogs belong to it, so the window manager keeps them
// above it.
[[nodiscard]] QWidget *windowInFront();

}  // namespace platform
