// SPDX-License-Identifier: MIT
#include "CoBrand.h"

#include <cfenv>
#include <cmath>

namespace CoBrand {

qint16 drawValue(double r)
{
    // nearbyint rounds halves to even under the default rounding mode, as the 16-bit conversion does.
    return static_cast<qint16>(std::nearbyint(r * 6 + 1));
}

Front frontFor(qint16 value)
{
    switch (value) {
    case 1:
    case 3:
    case 5: return Front::CoBrand;
    case 2:
    case 4:
    case 6: return Front::FullBrand;
    default: return Front::Unchanged;
    }
}

}  // namespace CoBrand
