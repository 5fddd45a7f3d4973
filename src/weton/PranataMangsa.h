// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// Pranata mangsa: the twelve farming seasons of the solar year, fixed on Gregorian dates in the 1850s and
// printed by Javanese almanacs to this day. Kawolu takes the leap day.
namespace PranataMangsa {

inline constexpr int Count = 12;

struct Mangsa
{
    int number = 0;  // 1 (Kasa) .. 12 (Sadha); 0 for an invalid date
    QStringView name;
    int day = 0;     // 1 on the day the mangsa begins
    int length = 0;  // its days this year: Kawolu has 27 in a leap year, else 26

    friend bool operator==(const Mangsa &, const Mangsa &) = default;
};

[[nodiscard]] Mangsa ofDate(QDate date);
// True on the first day of a mangsa, which the calendar marks as it marks a Javanese month's first day.
[[nodiscard]] bool beginsOn(QDate date);
// Name of mangsa 1..12; empty outside.
[[nodiscard]] QStringView name(int number) noexcept;

// "Pranata Mangsa: Sadha (season 12 of 12), day 27 of 41"; empty for an invalid date.
[[nodiscard]] QString line(const Mangsa &mangsa);

}  // namespace PranataMangsa
