// SPDX-License-Identifier: MIT
#pragma once

#include "CurrentReading.h"
#include "WetonResult.h"

#include <QDate>
#include <QString>
#include <optional>

// The Javanese day begins at sunset, not at midnight: a person born in the evening was born on the next
// Javanese day, and has that day's weton. The date of birth itself stays the civil date as entered.
namespace AfterSunset {

// The civil day whose weton, neptu, wuku and dates a birth has: the date itself, or after sunset the next.
[[nodiscard]] QDate wetonDay(QDate birth, bool afterSunset);

// The reading's date of birth as a date; invalid when the month name is unknown. A day past the end of
// its month carries into the next, as the reckoning's tables carry it.
[[nodiscard]] QDate birthDate(const CurrentReading &reading);

// The four texts of the reading as a person reads them: the tables' result for the date of birth as
// before, or after sunset the result of the next civil day (1 January 2037 included). Empty when the
// reckoning cannot say (a 16-bit overflow, or after sunset a date that is not one).
[[nodiscard]] std::optional<WetonResult> shownResult(const CurrentReading &reading);

// The one plain line that says why the weton is the next day's: "Born after sunset on Saturday 7 June
// 1980: the Javanese day had already turned, so the weton is Sunday's."
[[nodiscard]] QString line(QDate birth);

}  // namespace AfterSunset
