// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>

// What the calendar marks on a day: today, the reading's date of birth, and its wetonan, the days that
// bring the birth weton back, every 35 days after it.
namespace DayMarks {

enum Mark { None = 0, Today = 1, Birth = 2, Wetonan = 4 };

inline constexpr int WetonCycle = 35;

// The marks of a day, given today and the date of birth (an invalid date for none).
[[nodiscard]] int of(QDate day, QDate today, QDate birth);
// The same for a birth after sunset: the date of birth is marked as entered, and the wetonan follow the
// weton of the next civil day, every 35 days after that day.
[[nodiscard]] int of(QDate day, QDate today, QDate birth, bool afterSunset);

}  // namespace DayMarks
