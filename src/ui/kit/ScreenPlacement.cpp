// SPDX-License-Identifier: MIT
#include "ScreenPlacement.h"

#include <algorithm>

namespace ScreenPlacement {

QPoint centredTopLeft(const QSize &frame, const QRect &available)
{
    const int spareWidth = std::max(0, available.width() - frame.width());
    const int spareHeight = std::max(0, available.height() - frame.height());
    return {available.left() + spareWidth / 2, available.top() + spareHeight / 2};
}

QSize openingSize(const QSize &wanted, const QSize &minimum, const QRect &available)
{
    // Borders and a title bar of the desktops the program meets, at any scale, in logical pixels.
    const QSize frameRoom(16, 48);
    return wanted.boundedTo(available.size() - frameRoom).expandedTo(minimum);
}

}  // namespace ScreenPlacement
