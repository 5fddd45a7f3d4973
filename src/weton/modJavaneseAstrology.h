// SPDX-License-Identifier: MIT
#pragma once

#include "WetonResult.h"

#include <QDate>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace modJavaneseAstrology {

// Weekday position 0 (Sunday) .. 6 and market remainder 0 (Pon) .. 4 (Pahing); -1 where the sum
// falls outside the case lists and the text stays empty.
struct Sign
{
    int weekday = -1;
    int market = -1;

    friend bool operator==(const Sign &, const Sign &) = default;
};

// The reckoning's core step. Empty when a 16-bit sum of code and day overflows (a day near 32767).
[[nodiscard]] std::optional<Sign> ReckonSign(qint16 year, QStringView month, qint16 day) noexcept;

// The sign of any valid date, straight from the day count (DayCycles) that also fills the code tables:
// the same as ReckonSign for every listed date, and also right beyond 2036, where the tables stop (a birth
// on 31 December 2036 after sunset has the weton of 1 January 2037). Empty for an invalid date.
[[nodiscard]] std::optional<Sign> SignOfDate(QDate date) noexcept;

// The four texts of a sign, as data: the same in every language (`weton --tsv` writes them).
[[nodiscard]] WetonResult ResultOf(Sign sign);
// The four texts as a person reads them in the interface's language; in English the same as ResultOf.
// The English weekday stays English: it is the name in that language, not a word of the interface.
[[nodiscard]] WetonResult ShownResultOf(Sign sign);

// The shown result of the date; empty when a sum overflows.
[[nodiscard]] std::optional<WetonResult> CalculateWeton(qint16 year, QStringView month, qint16 day);

}  // namespace modJavaneseAstrology
