// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QString>

namespace WetonCli {

// The lines that follow a reading: neptu, wuku and Javanese date, each with a blank line before it.
// Empty for a date outside the Javanese calendar's reckoned kurups.
[[nodiscard]] QString reckoningText(QDate date);

// One line naming a date's weton and its neptu, as the match lists the two partners:
// "1980-06-07, Sabtu Wage, neptu 13".
[[nodiscard]] QString wetonSummary(QDate date);

}  // namespace WetonCli
