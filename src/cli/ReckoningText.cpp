// SPDX-License-Identifier: MIT
#include "ReckoningText.h"

#include "weton/DayFacts.h"
#include "weton/DaySignCatalogue.h"

#include <QCoreApplication>

namespace WetonCli {
QString reckoningText(QDate date)
{
    const DayFacts::Facts facts = DayFacts::of(date);
    if (!facts.javanese)
        return {};
    QString text;
    for (const QString &line :
         {DayFacts::neptuLine(facts), DayFacts::wukuLine(facts), DayFacts::javaneseDateLine(facts)})
        text += QLatin1Char('\n') + line + QLatin1Char('\n');
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
