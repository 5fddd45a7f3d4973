// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// The fixed vocabulary of a reading: weekday names, market-day names and the 35 descriptions. The plain
// functions give the program's data, always the same (English descriptions, "Kemis"); the shown...
// functions give what a person reads in the interface's language.
namespace DaySignCatalogue {

inline constexpr int WeekdayCount = 7;
inline constexpr int MarketDayCount = 5;

// Weekday position 0 (Sunday) .. 6 (Saturday).
[[nodiscard]] QString englishWeekday(int position);
[[nodiscard]] QString indonesianWeekday(int position);
[[nodiscard]] QString shownIndonesianWeekday(int position);
// Market remainder in the reckoning's order: 0 Pon, 1 Wage, 2 Kliwon, 3 Legi, 4 Pahing.
[[nodiscard]] QString marketDay(int remainder);
// Market day in the description order Legi, Pahing, Pon, Wage, Kliwon (0..4), the order in which they
// follow each other; empty outside.
[[nodiscard]] QString marketDayInLookupOrder(int market);

// Description of the pair, compared exactly; empty when the pair is not one of the 35.
[[nodiscard]] QString description(QStringView indonesianWeekday, QStringView marketDay);
[[nodiscard]] QString shownDescription(QStringView indonesianWeekday, QStringView marketDay);
// The same by position: weekday 0..6, market day in the description order Legi, Pahing, Pon, Wage,
// Kliwon (0..4); empty outside.
[[nodiscard]] QString descriptionAt(int weekday, int marketInLookupOrder);

}  // namespace DaySignCatalogue
