// SPDX-License-Identifier: MIT
#pragma once

#include "weton/CurrentReading.h"
#include "weton/modJavaneseAstrology.h"

#include <QDate>
#include <QString>
#include <optional>

namespace WetonCli {

// The birth data of a date as the entry window would store it: month by its English name.
[[nodiscard]] CurrentReading readingOf(const QString &name, QDate date);

// The sign of a date within the reckoned range; empty for any other date.
[[nodiscard]] std::optional<modJavaneseAstrology::Sign> signOf(QDate date) noexcept;

// The reading laid out as the printed report: each item on its line with a blank line between items,
// "Name:" only when there is a name, the line that explains a birth after sunset only for one, and the
// description on the line after its heading.
[[nodiscard]] QString reportText(const CurrentReading &reading, const WetonResult &result);

}  // namespace WetonCli
