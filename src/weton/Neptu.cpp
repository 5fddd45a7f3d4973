// SPDX-License-Identifier: MIT
#include "Neptu.h"

#include "DayCycles.h"

#include <array>

namespace Neptu {
namespace {

// The values every primbon gives: Minggu 5, Senin 4, Selasa 3, Rabu 7, Kamis 8, Jumat 6, Sabtu 9;
// Legi 5, Pahing 9, Pon 7, Wage 4, Kliwon 8.
constexpr std::array<int, 7> WeekdayValues = {5, 4, 3, 7, 8, 6, 9};
constexpr std::array<int, 5> MarketDayValues = {5, 9, 7, 4, 8};

}  // namespace

int ofWeekday(int weekday) noexcept { return weekday >= 0 && weekday < 7 ? WeekdayValues[weekday] : 0; }

int ofMarketDay(int marketDay) noexcept { return marketDay >= 0 && marketDay < 5 ? MarketDayValues[marketDay] : 0; }

DayNeptu ofDate(QDate date) noexcept
{
    if (!date.isValid())
        return {};
    const DayCycles::Day day = DayCycles::of(date);
    DayNeptu neptu;
    neptu.weekday = day.weekday;
    neptu.marketDay = day.marketDay;
    neptu.weekdayValue = ofWeekday(neptu.weekday);
    neptu.marketDayValue = ofMarketDay(neptu.marketDay);
    return neptu;
}

}  // namespace Neptu
