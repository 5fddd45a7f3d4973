// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>

// The weekday and the market day (pasaran) of a day: the program's one count of both. It runs on the
// day's Julian Day Number, which numbers every day of the calendar without a gap or an end, so it
// answers for any valid date (a birth on 31 December 2036 after sunset has the weton of 1 January
// 2037). The reckoning's code tables are filled from it.
namespace DayCycles {

// Weekday of a Julian Day Number, Sunday 0 .. Saturday 6: JDN 0 was a Monday.
[[nodiscard]] constexpr int weekdayOfJulianDay(qint64 julianDay) noexcept { return int((julianDay % 7 + 8) % 7); }
// Market day in the order the days follow each other, Legi 0, Pahing, Pon, Wage, Kliwon 4: a day whose
// Julian Day Number is divisible by 5 is Legi.
[[nodiscard]] constexpr int marketDayOfJulianDay(qint64 julianDay) noexcept { return int(julianDay % 5); }

struct Day
{
    int weekday = 0;    // Sunday 0
    int marketDay = 0;  // Legi 0
};

// For any valid date; an invalid date gives Sunday and Legi (both 0).
[[nodiscard]] Day of(QDate date) noexcept;

}  // namespace DayCycles
