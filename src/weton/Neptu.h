// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>

// The neptu: the number each weekday and each market day carries in Javanese reckoning, and a day's
// neptu as the sum of the two.
namespace Neptu {

// Weekday 0 (Sunday, Minggu) .. 6 (Saturday, Sabtu); 0 outside.
[[nodiscard]] int ofWeekday(int weekday) noexcept;
// Market day in the order Legi, Pahing, Pon, Wage, Kliwon (0..4); 0 outside.
[[nodiscard]] int ofMarketDay(int marketDay) noexcept;

struct DayNeptu
{
    int weekday = 0;    // Sunday 0
    int marketDay = 0;  // Legi 0
    int weekdayValue = 0;
    int marketDayValue = 0;
    [[nodiscard]] int total() const { return weekdayValue + marketDayValue; }
};

// For any valid date; an invalid date gives all zero.
[[nodiscard]] DayNeptu ofDate(QDate date) noexcept;

}  // namespace Neptu
