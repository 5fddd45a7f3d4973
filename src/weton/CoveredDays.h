// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>

// The days the program reckons a reading for: 1 January 1901 to 31 December 2036. The entry window lists
// their years, a saved reading and the `weton` tool accept only them, and the calendar and the match
// window move within them; all take the range from here.
namespace CoveredDays {

inline constexpr int FirstYear = 1901;
inline constexpr int LastYear = 2036;

[[nodiscard]] QDate first();
[[nodiscard]] QDate last();
[[nodiscard]] bool contains(QDate date);
// The covered day nearest to a date: the date itself, or the first or the last day for one before or
// after them (and the first for an invalid date).
[[nodiscard]] QDate nearest(QDate date);

}  // namespace CoveredDays
