// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QString>

namespace WetonCli {

// The lines that follow a reading: neptu, wuku, Javanese date, Hijri date and pranata mangsa, each with a
// blank line before it. Empty for a date outside the Javanese calendar's reckoned kurups.
[[nodiscard]] QString reckoningText(QDate date);

// One line naming a date's weton and its neptu, as the match lists the two partners:
// "1980-06-07, Sabtu Wage, neptu 13", or for a birth after sunset, with the next day's weton,
// "1980-06-07 after sunset, Minggu Kliwon, neptu 13".
[[nodiscard]] QString wetonSummary(QDate date, bool afterSunset);

}  // namespace WetonCli
