// SPDX-License-Identifier: MIT
#include "TsvRows.h"

namespace WetonCli {
namespace {

QByteArray encodedTail(modJavaneseAstrology::Sign sign)
{
    const WetonResult result = modJavaneseAstrology::ResultOf(sign);
    const QChar tab = QLatin1Char('\t');
    return (result.MarketDay + tab + result.IndonesianWeekday + tab + result.EnglishWeekday + tab + result.Description
            + QLatin1Char('\n'))
        .toUtf8();
}

}  // namespace

const QByteArray &TsvRows::tailOf(modJavaneseAstrology::Sign sign)
{
    // A sign outside the case lists (some texts empty) cannot come from a reckoned date; it is encoded
    // afresh rather than cached, so the row stays right if it ever does.
    if (sign.weekday < 0 || sign.weekday >= WeekdayCount || sign.market < 0 || sign.market >= MarketCount) {
        outsideTables = encodedTail(sign);
        return outsideTables;
    }
    QByteArray &tail = tails[sign.weekday * MarketCount + sign.market];
    if (tail.isEmpty())
        tail = encodedTail(sign);
    return tail;
}

}  // namespace WetonCli
