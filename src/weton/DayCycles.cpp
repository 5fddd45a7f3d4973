// SPDX-License-Identifier: MIT
#include "DayCycles.h"

namespace DayCycles {

static_assert(weekdayOfJulianDay(2451545) == 6 && marketDayOfJulianDay(2451545) == 0,
              "1 January 2000 (JDN 2451545) was a Saturday (Sabtu) and a Legi day");

Day of(QDate date) noexcept
{
    if (!date.isValid())
        return {};
    const qint64 day = date.toJulianDay();
    return {weekdayOfJulianDay(day), marketDayOfJulianDay(day)};
}

}  // namespace DayCycles
