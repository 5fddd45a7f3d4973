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

}  // namespace ScreenPlacement
