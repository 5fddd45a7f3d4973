// SPDX-License-Identifier: MIT
#include "DayMarks.h"

namespace DayMarks {

int of(QDate day, QDate today, QDate birth)
{
    int marks = None;
    if (day.isValid() && day == today)
        marks |= Today;
    if (day.isValid() && birth.isValid()) {
        const qint64 after = birth.daysTo(day);
        if (after == 0)
            marks |= Birth;
        else if (after > 0 && after % WetonCycle == 0)
            marks |= Wetonan;
    }
    return marks;
}

}  // namespace DayMarks
