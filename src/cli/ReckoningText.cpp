// SPDX-License-Identifier: MIT
#include "ReckoningText.h"

#include "weton/DaySignCatalogue.h"
#include "weton/JavaneseCalendar.h"
#include "weton/Neptu.h"
#include "weton/Wuku.h"

#include <QCoreApplication>

namespace WetonCli {
QString reckoningText(QDate date)
{
    const std::optional<JavaneseCalendar::JavaneseDate> javanese = JavaneseCalendar::ofDate(date);
    if (!javanese)
        return {};
    const Neptu::DayNeptu neptu = Neptu::ofDate(date);
    const Wuku::Week wuku = Wuku::ofDate(date);
    QString text;
    text += QLatin1Char('\n')
            + QCoreApplication::translate("WetonCli", "Neptu: %1 (%2 %3 + %4 %5)")
                  .arg(neptu.total())
                  .arg(DaySignCatalogue::shownIndonesianWeekday(neptu.weekday))
                  .arg(neptu.weekdayValue)
                  .arg(DaySignCatalogue::marketDayInLookupOrder(neptu.marketDay))
                  .arg(neptu.marketDayValue)
            + QLatin1Char('\n');
    text += QLatin1Char('\n')
            + QCoreApplication::translate("WetonCli", "Wuku: %1 (%2 of 30)").arg(wuku.name).arg(wuku.number)
            + QLatin1Char('\n');
    text += QLatin1Char('\n')
            + QCoreApplication::translate("WetonCli", "Javanese Date: %1 %2 %3 AJ, year %4, windu %5")
                  .arg(javanese->day)
                  .arg(JavaneseCalendar::monthName(javanese->month))
                  .arg(javanese->year)
                  .arg(JavaneseCalendar::yearName(javanese->yearInWindu), JavaneseCalendar::winduName(javanese->windu))
            + QLatin1Char('\n');
    return text;
}

QString wetonSummary(QDate date)
{
    const Neptu::DayNeptu neptu = Neptu::ofDate(date);
    return QCoreApplication::translate("WetonCli", "%1, %2 %3, neptu %4")
        .arg(date.toString(Qt::ISODate), DaySignCatalogue::shownIndonesianWeekday(neptu.weekday),
             DaySignCatalogue::marketDayInLookupOrder(neptu.marketDay))
        .arg(neptu.total());
}

}  // namespace WetonCli
