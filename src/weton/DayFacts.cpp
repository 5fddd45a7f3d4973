// SPDX-License-Identifier: MIT
#include "DayFacts.h"

#include "DaySignCatalogue.h"
#include "InterfaceLanguage.h"

#include <QCoreApplication>

namespace DayFacts {

Facts of(QDate date)
{
    return {date,
            Neptu::ofDate(date),
            Wuku::ofDate(date),
            JavaneseCalendar::ofDate(date),
            HijriCalendar::ofDate(date),
            PranataMangsa::ofDate(date)};
}

QString shownWeekday(int weekday)
{
    return InterfaceLanguage::isEnglish() ? DaySignCatalogue::englishWeekday(weekday)
                                          : DaySignCatalogue::shownIndonesianWeekday(weekday);
}

QString shownDate(QDate date)
{
    return QCoreApplication::translate("DayFacts", "%1 %2 %3 %4", "weekday, day, month, year")
        .arg(shownWeekday(Neptu::ofDate(date).weekday))
        .arg(date.day())
        .arg(InterfaceLanguage::shownMonthName(date.month() - 1))
        .arg(date.year());
}

QString javaneseDate(const Facts &facts)
{
    if (!facts.javanese)
        return {};
    const JavaneseCalendar::JavaneseDate &date = *facts.javanese;
    return QStringLiteral("%1 %2 %3 %4")
        .arg(date.day)
        .arg(JavaneseCalendar::monthName(date.month))
        .arg(date.year)
        .arg(JavaneseCalendar::yearName(date.yearInWindu));
}

QString wetonText(const Facts &facts)
{
    return QCoreApplication::translate("DayFacts", "%1 %2, neptu %3")
        .arg(DaySignCatalogue::shownIndonesianWeekday(facts.neptu.weekday),
             DaySignCatalogue::marketDayInLookupOrder(facts.neptu.marketDay))
        .arg(facts.neptu.total());
}

QString spoken(const Facts &facts)
{
    return QCoreApplication::translate("DayFacts", "%1, %2, %3, wuku %4", "date, market day, Javanese date, wuku")
        .arg(shownDate(facts.date), DaySignCatalogue::marketDayInLookupOrder(facts.neptu.marketDay),
             javaneseDate(facts), facts.wuku.name);
}

QString neptuLine(const Facts &facts)
{
    const Neptu::DayNeptu &neptu = facts.neptu;
    return QCoreApplication::translate("DayFacts", "Neptu: %1 (%2 %3 + %4 %5)")
        .arg(neptu.total())
        .arg(DaySignCatalogue::shownIndonesianWeekday(neptu.weekday))
        .arg(neptu.weekdayValue)
        .arg(DaySignCatalogue::marketDayInLookupOrder(neptu.marketDay))
        .arg(neptu.marketDayValue);
}

QString wukuLine(const Facts &facts)
{
    return QCoreApplication::translate("DayFacts", "Wuku: %1 (%2 of 30)").arg(facts.wuku.name).arg(facts.wuku.number);
}

QString javaneseDateLine(const Facts &facts)
{
    if (!facts.javanese)
        return {};
    const JavaneseCalendar::JavaneseDate &date = *facts.javanese;
    return QCoreApplication::translate("DayFacts", "Javanese Date: %1 %2 %3 %4, windu %5")
        .arg(date.day)
        .arg(JavaneseCalendar::monthName(date.month))
        .arg(date.year)
        .arg(JavaneseCalendar::yearName(date.yearInWindu), JavaneseCalendar::winduName(date.windu));
}

QString hijriDateLine(const Facts &facts) { return HijriCalendar::line(facts.hijri); }

QString mangsaLine(const Facts &facts) { return PranataMangsa::line(facts.mangsa); }

}  // namespace DayFacts
