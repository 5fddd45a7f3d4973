// SPDX-License-Identifier: MIT
#include "DateReading.h"

#include "weton/AfterSunset.h"
#include "weton/CoveredDays.h"
#include "weton/GregorianMonths.h"
#include "weton/InterfaceLanguage.h"

#include <QCoreApplication>

namespace WetonCli {

CurrentReading readingOf(const QString &name, QDate date)
{
    CurrentReading reading;
    reading.PersonName = name;
    reading.BirthYear = qint16(date.year());
    reading.BirthMonth = GregorianMonths::name(date.month() - 1).toString();
    reading.BirthDay = qint16(date.day());
    return reading;
}

std::optional<modJavaneseAstrology::Sign> signOf(QDate date) noexcept
{
    if (!CoveredDays::contains(date))
        return std::nullopt;
    return modJavaneseAstrology::ReckonSign(qint16(date.year()), GregorianMonths::name(date.month() - 1),
                                            qint16(date.day()));
}

QString reportText(const CurrentReading &reading, const WetonResult &result)
{
    // The stored month is the English name; the reading shows it, and orders the date, as the person's
    // language does.
    const std::optional<int> month = GregorianMonths::indexOf(reading.BirthMonth);
    QString text;
    if (!reading.PersonName.isEmpty())
        text += QCoreApplication::translate("DateReading", "Name: ") + reading.PersonName + QStringLiteral("\n\n");
    text += QCoreApplication::translate("DateReading", "Date of Birth: %1 %2, %3\n\n")
                .arg(month ? InterfaceLanguage::shownMonthName(*month) : reading.BirthMonth)
                .arg(reading.BirthDay)
                .arg(reading.BirthYear);
    if (reading.BornAfterSunset)
        text += AfterSunset::line(AfterSunset::birthDate(reading)) + QStringLiteral("\n\n");
    text += QCoreApplication::translate("DateReading", "Indonesian Day Sign: %1\n\n").arg(result.MarketDay);
    text += QCoreApplication::translate("DateReading", "Indonesian Weekday: %1\n\n").arg(result.IndonesianWeekday);
    text += QCoreApplication::translate("DateReading", "English Weekday: %1\n\n").arg(result.EnglishWeekday);
    text += QCoreApplication::translate("DateReading", "Description:\n") + result.Description + QLatin1Char('\n');
    return text;
}

}  // namespace WetonCli
