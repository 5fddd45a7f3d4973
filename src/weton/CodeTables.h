// SPDX-License-Identifier: MIT
#pragma once

// The two code tables of the original reckoning (module modJavaneseAstrology): for each year and month,
// the weekday of the month's first day and the market day of the day before it. The reckoning adds the
// day of the month to them. They hold no count of their own: they are filled from the day count of
// DayCycles, and stay because CalculateWeton's answers for odd input (a day 0 or 40, a day past the end
// of its month, a year or month without codes) come from that arithmetic.
namespace CodeTables {

// Weekday of the first day of the month (Sunday = 0) for the covered years; 0 outside.
[[nodiscard]] int weekdayCode(int year, int month) noexcept;
// Market day of the last day of the preceding month, counted from Pon (Pon = 0, Wage, Kliwon, Legi,
// Pahing = 4), for the covered years and the year before them; 0 outside.
[[nodiscard]] int marketCode(int year, int month) noexcept;

// A market day in the order the days follow each other (Legi 0 .. Kliwon 4) as the tables and the
// reckoning count it, from Pon.
[[nodiscard]] constexpr int countedFromPon(int marketDay) noexcept { return (marketDay + 3) % 5; }

}  // namespace CodeTables
