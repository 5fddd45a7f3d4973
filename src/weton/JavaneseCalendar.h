// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QStringView>
#include <optional>

// The Javanese (Sultan Agung) calendar: tabular lunar years of 354 or 355 days in eight-year windus,
// counted Anno Javanico (AJ).
namespace JavaneseCalendar {

struct JavaneseDate
{
    int day = 0;          // 1..30
    int month = 0;        // 1 (Sura) .. 12 (Besar)
    int year = 0;         // AJ
    int yearInWindu = 0;  // 1 (Alip) .. 8 (Jimakir)
    int windu = 0;        // 0 Adi, 1 Kuntara, 2 Sengara, 3 Sancaya

    friend bool operator==(const JavaneseDate &, const JavaneseDate &) = default;
};

// First and last day this reckoning knows: 1 Sura 1747 AJ, the start of kurup Aboge, and 29 Besar
// 1986 AJ, the end of kurup Asapon. The rules of the kurup after it are not yet set.
[[nodiscard]] QDate firstDate();
[[nodiscard]] QDate lastDate();

// Empty outside firstDate()..lastDate() and for an invalid date.
[[nodiscard]] std::optional<JavaneseDate> ofDate(QDate date) noexcept;

[[nodiscard]] QStringView monthName(int month) noexcept;       // 1..12
[[nodiscard]] QStringView yearName(int yearInWindu) noexcept;  // 1..8
[[nodiscard]] QStringView winduName(int windu) noexcept;       // 0..3

}  // namespace JavaneseCalendar
