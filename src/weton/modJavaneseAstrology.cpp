// SPDX-License-Identifier: MIT
#include "modJavaneseAstrology.h"

#include "CodeTables.h"
#include "DayCycles.h"
#include "DaySignCatalogue.h"
#include "GregorianMonths.h"

#include <limits>

namespace modJavaneseAstrology {
namespace {

constexpr int WeekdaySumFirst = 1, WeekdaySumLast = 37;
constexpr int MarketSumFirst = 0, MarketSumLast = 35;

// The sums are 16-bit in the original arithmetic: past 32767 they overflow rather than wrap.
constexpr bool fitsInt16(int value)
{
    return value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
}

}  // namespace

std::optional<Sign> ReckonSign(qint16 year, QStringView month, qint16 day) noexcept
{
    const std::optional<int> m = GregorianMonths::indexOf(month);
    const int weekdayCode = m ? CodeTables::weekdayCode(year, *m) : 0;
    const int marketCode = m ? CodeTables::marketCode(year, *m) : 0;
    const int weekdaySum = weekdayCode + day;
    const int marketSum = marketCode + day;
    if (!fitsInt16(weekdaySum) || !fitsInt16(marketSum))
        return std::nullopt;

    Sign sign;
    if (weekdaySum >= WeekdaySumFirst && weekdaySum <= WeekdaySumLast)
        sign.weekday = (weekdaySum - 1) % 7;
    if (marketSum >= MarketSumFirst && marketSum <= MarketSumLast)
        sign.market = marketSum % 5;
    return sign;
}

std::optional<Sign> SignOfDate(QDate date) noexcept
{
    if (!date.isValid())
        return std::nullopt;
    const DayCycles::Day day = DayCycles::of(date);
    return Sign{day.weekday, CodeTables::countedFromPon(day.marketDay)};
}

WetonResult ResultOf(Sign sign)
{
    WetonResult result;
    result.MarketDay = DaySignCatalogue::marketDay(sign.market);
    result.IndonesianWeekday = DaySignCatalogue::indonesianWeekday(sign.weekday);
    result.EnglishWeekday = DaySignCatalogue::englishWeekday(sign.weekday);
    result.Description = DaySignCatalogue::description(result.IndonesianWeekday, result.MarketDay);
    return result;
}

WetonResult ShownResultOf(Sign sign)
{
    WetonResult result = ResultOf(sign);
    result.IndonesianWeekday = DaySignCatalogue::shownIndonesianWeekday(sign.weekday);
    result.Description =
        DaySignCatalogue::shownDescription(DaySignCatalogue::indonesianWeekday(sign.weekday), result.MarketDay);
    return result;
}

std::optional<WetonResult> CalculateWeton(qint16 year, QStringView month, qint16 day)
{
    const std::optional<Sign> sign = ReckonSign(year, month, day);
    if (!sign)
        return std::nullopt;
    return ShownResultOf(*sign);
}

}  // namespace modJavaneseAstrology
