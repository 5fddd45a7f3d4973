// SPDX-License-Identifier: MIT
#include "AfterSunset.h"

#include "DayFacts.h"
#include "GregorianMonths.h"
#include "modJavaneseAstrology.h"

#include <QCoreApplication>

namespace AfterSunset {

QDate wetonDay(QDate birth, bool afterSunset) { return afterSunset ? birth.addDays(1) : birth; }

QDate birthDate(const CurrentReading &reading)
{
    const std::optional<int> month = GregorianMonths::indexOf(reading.BirthMonth);
    if (!month)
        return {};
    return QDate(reading.BirthYear, *month + 1, 1).addDays(reading.BirthDay - 1);
}

std::optional<WetonResult> shownResult(const CurrentReading &reading)
{
    if (!reading.BornAfterSunset)
        return modJavaneseAstrology::CalculateWeton(reading.BirthYear, reading.BirthMonth, reading.BirthDay);
    const std::optional<modJavaneseAstrology::Sign> sign =
        modJavaneseAstrology::SignOfDate(wetonDay(birthDate(reading), true));
    if (!sign)
        return std::nullopt;
    return modJavaneseAstrology::ShownResultOf(*sign);
}

QString line(QDate birth)
{
    return QCoreApplication::translate("AfterSunset", "Born after sunset on %1: the Javanese day had already turned, "
                                                      "so the weton is %2's.")
        .arg(DayFacts::shownDate(birth), DayFacts::shownWeekday(Neptu::ofDate(birth.addDays(1)).weekday));
}

}  // namespace AfterSunset
