// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <optional>

// Month names and the two code tables of the reckoning.
namespace Calendar {

inline constexpr int FirstWeekdayYear = 1901;
inline constexpr int FirstMarketYear = 1900;
inline constexpr int LastYear = 2036;

// 0 for "January" .. 11 for "December"; exact, case-sensitive comparison.
[[nodiscard]] std::optional<int> monthIndex(QStringView monthName) noexcept;
[[nodiscard]] QStringView monthName(int index) noexcept;

// Weekday of the first day of the month (Sunday = 0) for 1901..2036; 0 outside.
[[nodiscard]] int weekdayCode(int year, int month) noexcept;
// Market day of the last day of the preceding month (Pon = 0, Wage, Kliwon, Legi, Pahing = 4)
// for 1900..2036; 0 outside.
[[nodiscard]] int marketCode(int year, int month) noexcept;

}  // namespace Calendar
