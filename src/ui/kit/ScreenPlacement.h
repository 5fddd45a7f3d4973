// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ScreenPlacement {

// Top-left corner for a window frame of the given size: centred on the screen's available area, but a
// frame wider or taller than that area starts at its left or top edge, so the title bar and the
// controls at the top-left stay reachable at high display scales.
[[nodiscard]] QPoint centredTopLeft(const QSize &frame, const QRect &available);

// The size a resizable window opens at: the size it asks for, within the available area less room for
// the frame the window manager adds (not known before the window is shown), but never below its minimum.
[[nodiscard]] QSize openingSize(const QSize &wanted, const QSize &minimum, const QRect &available);

}  // namespace ScreenPlacement
