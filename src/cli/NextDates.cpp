// SPDX-License-Identifier: MIT
#include "NextDates.h"

#include "weton/CoveredDays.h"

namespace WetonCli {

namespace {
constexpr qint64 WetonCycleDays = 35;
}

QList<QDate> datesSharingWeton(QDate signDate, QDate after, int count)
{
    QList<QDate> dates;
    if (!signDate.isValid() || !after.isValid())
        return dates;
    const QDate start = std::max(after.addDays(1), CoveredDays::first());
    const qint64 gap = signDate.toJulianDay() - start.toJulianDay();
    const qint64 offset = ((gap % WetonCycleDays) + WetonCycleDays) % WetonCycleDays;
    // Bounded by the range, not by count: a huge count must not reserve or loop beyond it.
    for (QDate date = start.addDays(offset); dates.size() < count && date <= CoveredDays::last();
         date = date.addDays(WetonCycleDays))
        dates.append(date);
    return dates;
}

}  // namespace WetonCli
