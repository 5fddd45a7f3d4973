// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// The Hijri date of a day by the arithmetical (tabular) Islamic calendar, as Qt counts it: months of 30
// and 29 days in turn, eleven leap years in thirty. The dates that Indonesia's government and Muhammadiyah
// announce are fixed by sighting criteria and may differ from it by a day.
namespace HijriCalendar {

struct HijriDate
{
    int day = 0;    // 1..30
    int month = 0;  // 1 (Muharram) .. 12 (Dhu al-Hijjah)
    int year = 0;   // AH

    friend bool operator==(const HijriDate &, const HijriDate &) = default;
};

// Empty for an invalid date.
[[nodiscard]] std::optional<HijriDate> ofDate(QDate date);

// The month's name as data, the same in every language ("Rajab", "Dhu al-Hijjah"); empty outside 1..12.
[[nodiscard]] QLatin1String monthName(int month) noexcept;
// The month's name as the person reads it: the English transliteration, or in Indonesian as Indonesian
// calendars spell it ("Zulhijah").
[[nodiscard]] QString shownMonthName(int month);

// "23 Rajab 1400 AH" (Indonesian "23 Rajab 1400 H").
[[nodiscard]] QString shownDate(const HijriDate &date);
// "Hijri Date: 23 Rajab 1400 AH (arithmetical calendar)"; empty without a date.
[[nodiscard]] QString line(const std::optional<HijriDate> &date);

struct MonthOfYear
{
    int month = 0;
    int year = 0;

    friend bool operator==(const MonthOfYear &, const MonthOfYear &) = default;
};

// The Hijri months that days of a Gregorian month (1..12) fall in, in order; empty for a month Qt
// cannot reckon.
[[nodiscard]] QList<MonthOfYear> monthsSpanned(int year, int month);
// The same as a heading: "Rajab – Sha'ban 1400 AH", or across a new year "Dhu al-Hijjah 1446 – Muharram
// 1447 AH".
[[nodiscard]] QString spannedTitle(int year, int month);

}  // namespace HijriCalendar
