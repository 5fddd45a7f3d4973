// SPDX-License-Identifier: MIT
#include "CodeTables.h"

#include "CoveredDays.h"
#include "DayCycles.h"

#include <array>

namespace CodeTables {
namespace {

// January's market code is the market day of 31 December before it, so the market table starts a year
// before the covered days.
constexpr int FirstMarketYear = CoveredDays::FirstYear - 1;

using YearRow = std::array<unsigned char, 12>;

struct Tables
{
    std::array<YearRow, CoveredDays::LastYear - CoveredDays::FirstYear + 1> weekday{};
    std::array<YearRow, CoveredDays::LastYear - FirstMarketYear + 1> market{};
};

const Tables &tables()
{
    // Filled once, at the first reckoning, so a lookup costs no more than the original tables'.
    static const Tables filled = [] {
        Tables made;
        for (int year = FirstMarketYear; year <= CoveredDays::LastYear; ++year)
            for (int month = 0; month < 12; ++month) {
                const QDate first(year, month + 1, 1);
                made.market[year - FirstMarketYear][month] =
                    static_cast<unsigned char>(countedFromPon(DayCycles::of(first.addDays(-1)).marketDay));
                if (year >= CoveredDays::FirstYear)
                    made.weekday[year - CoveredDays::FirstYear][month] =
                        static_cast<unsigned char>(DayCycles::of(first).weekday);
            }
        return made;
    }();
    return filled;
}

bool isMonth(int month) { return month >= 0 && month < 12; }

}  // namespace

int weekdayCode(int year, int month) noexcept
{
    if (year < CoveredDays::FirstYear || year > CoveredDays::LastYear || !isMonth(month))
        return 0;
    return tables().weekday[year - CoveredDays::FirstYear][month];
}

int marketCode(int year, int month) noexcept
{
    if (year < FirstMarketYear || year > CoveredDays::LastYear || !isMonth(month))
        return 0;
    return tables().market[year - FirstMarketYear][month];
}

}  // namespace CodeTables
