// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The start-up draw that decides which branding offer of the entry window lies in front.
namespace CoBrand {

enum class Front { CoBrand, FullBrand, Unchanged };

// n = r * 6 + 1 rounded to the nearest integer, halves to the even neighbour: 1 to 7 for r in [0, 1).
[[nodiscard]] qint16 drawValue(double r);
// 1, 3, 5: the co-branding offer; 2, 4, 6: the full-branding offer; 7: no change.
[[nodiscard]] Front frontFor(qint16 drawValue);

}  // namespace CoBrand
