// SPDX-License-Identifier: MIT
#include "DayMarks.h"

#include "AfterSunset.h"

namespace DayMarks {

int of(QDate day, QDate today, QDate birth) { return of(day, today, birth, false); }

int of(QDate day, QDate today, QDate birth, bool afterSunset)
{
    int marks = None;
    if (!day.isValid())
        return marks;
    if (day == today)
        marks |= Today;
    if (birth.isValid()) {
        if (day == birth)
            marks |= Birth;
        const qint64 after = AfterSunset::wetonDay(birth, afterSunset).daysTo(day);
        if (after > 0 && after % WetonCycle == 0)
            marks |= Wetonan;
    }
    return marks;
}

}  // namespace DayMarks
