// SPDX-License-Identifier: MIT
#pragma once

#include "HijriCalendar.h"
#include "JavaneseCalendar.h"
#include "Neptu.h"
#include "PranataMangsa.h"
#include "Wuku.h"

#include <QDate>
#include <QString>
#include <optional>

// Everything the Javanese reckoning says about one day, and the texts that tell it in the interface's
// language. The Javanese names (market days, wuku, months, years, windus) are the same in every language.
namespace DayFacts {

struct Facts
{
    QDate date;
    Neptu::DayNeptu neptu;  // weekday (Sunday 0) and market day (Legi 0) with their values
    Wuku::Week wuku;
    std::optional<JavaneseCalendar::JavaneseDate> javanese;  // empty outside the reckoned kurups
    std::optional<HijriCalendar::HijriDate> hijri;           // by the arithmetical calendar
    PranataMangsa::Mangsa mangsa;
};

[[nodiscard]] Facts of(QDate date);

// The weekday's name as the person reads it: English, or Indonesian ("Kamis" for Thursday).
[[nodiscard]] QString shownWeekday(int weekday);
// "Saturday 7 June 1980", in the interface's language.
[[nodiscard]] QString shownDate(QDate date);
// "23 Rejeb 1912 Be": day, month, year and the year's name; empty without a Javanese date.
[[nodiscard]] QString javaneseDate(const Facts &facts);
// "Sabtu Wage, neptu 13": the day's weton, named as the reading names it, and its neptu.
[[nodiscard]] QString wetonText(const Facts &facts);
// The whole day in one line, as a screen reader says it: "Saturday 7 June 1980, Wage, 23 Rejeb 1912 Be,
// wuku Julungwangi".
[[nodiscard]] QString spoken(const Facts &facts);

// The lines of a day's reckoning: "Neptu: 13 (Sabtu 9 + Wage 4)", "Wuku: Julungwangi (9 of 30)",
// "Javanese Date: 23 Rejeb 1912 Be, windu Kuntara" (empty without a Javanese date).
[[nodiscard]] QString neptuLine(const Facts &facts);
[[nodiscard]] QString wukuLine(const Facts &facts);
[[nodiscard]] QString javaneseDateLine(const Facts &facts);
// "Hijri Date: 23 Rajab 1400 AH (arithmetical calendar)" and "Pranata Mangsa: Sadha (season 12 of 12), day
// 16 of 41", lines of their own in the interface's language.
[[nodiscard]] QString hijriDateLine(const Facts &facts);
[[nodiscard]] QString mangsaLine(const Facts &facts);

}  // namespace DayFacts
