// SPDX-License-Identifier: MIT
#include "Calendar.h"

#include <array>

namespace Calendar {
namespace {

constexpr std::array<QStringView, 12> MonthNames = {u"January",   u"February", u"March",    u"April",
                                                    u"May",       u"June",     u"July",     u"August",
                                                    u"September", u"October",  u"November", u"December"};

// Days from 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's days_from_civil).
constexpr long daysFromCivil(long y, int m, int d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr int positiveMod(long value, int divisor)
{
    const long r = value % divisor;
    return static_cast<int>(r < 0 ? r + divisor : r);
}

// 1970-01-01 was a Thursday (4 when Sunday is 0).
constexpr int weekdayOf(long days) { return positiveMod(days + 4, 7); }

// Julian Day Number 2440588 is 1970-01-01. A day whose JDN is divisible by 5 is Legi; the market days
// run Legi, Pahing, Pon, Wage, Kliwon, so the code counted from Pon is (JDN mod 5 + 3) mod 5.
constexpr int marketOf(long days) { return positiveMod(days + 2440588 + 3, 5); }

using YearRow = std::array<unsigned char, 12>;

template <int First>
constexpr auto makeTable(int (*codeOf)(int, int))
{
    std::array<YearRow, LastYear - First + 1> table{};
    for (int y = First; y <= LastYear; ++y)
        for (int m = 0; m < 12; ++m)
            table[y - First][m] = static_cast<unsigned char>(codeOf(y, m));
    return table;
}

constexpr int firstOfMonthWeekday(int year, int month) { return weekdayOf(daysFromCivil(year, month + 1, 1)); }
constexpr int lastOfPreviousMonthMarket(int year, int month) { return marketOf(daysFromCivil(year, month + 1, 1) - 1); }

constexpr auto WeekdayTable = makeTable<FirstWeekdayYear>(firstOfMonthWeekday);
constexpr auto MarketTable = makeTable<FirstMarketYear>(lastOfPreviousMonthMarket);

// Anchors the compile-time tables to known dates, so a slip in the formulas cannot build.
static_assert(WeekdayTable[2000 - FirstWeekdayYear][0] == 6, "1 January 2000 was a Saturday");
static_assert(MarketTable[2000 - FirstMarketYear][0] == 2, "31 December 1999 was a Kliwon day");
static_assert(MarketTable[1900 - FirstMarketYear][0] == 3, "31 December 1899 was a Legi day");

}  // namespace

std::optional<int> monthIndex(QStringView name) noexcept
{
    for (int i = 0; i < 12; ++i)
        if (MonthNames[i] == name)
            return i;
    return std::nullopt;
}

QStringView monthName(int index) noexcept { return index >= 0 && index < 12 ? MonthNames[index] : QStringView(); }

int weekdayCode(int year, int month) noexcept
{
    if (year < FirstWeekdayYear || year > LastYear || month < 0 || month > 11)
        return 0;
    return WeekdayTable[year - FirstWeekdayYear][month];
}

int marketCode(int year, int month) noexcept
{
    if (year < FirstMarketYear || year > LastYear || month < 0 || month > 11)
        return 0;
    return MarketTable[year - FirstMarketYear][month];
}

}  // namespace Calendar
