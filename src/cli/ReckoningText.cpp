// SPDX-License-Identifier: MIT
#include "ReckoningText.h"

#include "weton/AfterSunset.h"
#include "weton/DayFacts.h"

#include <QCoreApplication>

namespace WetonCli {
QString reckoningText(QDate date)
{
    const DayFacts::Facts facts = DayFacts::of(date);
    if (!facts.javanese)
        return {};
    QString text;
    for (const QString &line :
         {DayFacts::neptuLine(facts), DayFacts::wukuLine(facts), DayFacts::javaneseDateLine(facts),
          DayFacts::hijriDateLine(facts), DayFacts::mangsaLine(facts)})
        text += QLatin1Char('\n') + line + QLatin1Char('\n');
    return text;
}

QString wetonSummary(QDate date, bool afterSunset)
{
    const QString iso = date.toString(Qt::ISODate);
    return QStringLiteral("%1, %2").arg(
        afterSunset ? QCoreApplication::translate("WetonCli", "%1 after sunset", "a date").arg(iso) : iso,
        DayFacts::wetonText(DayFacts::of(AfterSunset::wetonDay(date, afterSunset))));
}

}  // namespace WetonCli
