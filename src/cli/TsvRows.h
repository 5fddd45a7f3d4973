// SPDX-License-Identifier: MIT
#pragma once

#include "weton/modJavaneseAstrology.h"

#include <QByteArray>
#include <array>

namespace WetonCli {

// The part of a tab-separated line that follows the date: market day, Indonesian weekday, English
// weekday and description, then the line break. Only 35 such tails exist, so each is encoded once and
// reused for every date of its sign.
class TsvRows
{
public:
    [[nodiscard]] const QByteArray &tailOf(modJavaneseAstrology::Sign sign);

private:
    static constexpr int WeekdayCount = 7, MarketCount = 5;
    std::array<QByteArray, WeekdayCount * MarketCount> tails;
    QByteArray outsideTables;
};

}  // namespace WetonCli
