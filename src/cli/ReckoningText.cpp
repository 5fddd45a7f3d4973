// SPDX-License-Identifier: MIT
#include "ReckoningText.h"

#include "weton/DayFacts.h"

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
    return QStringLiteral("%1, %2").arg(date.toString(Qt::ISODate), DayFacts::wetonText(DayFacts::of(date)));
}

}  // namespace WetonCli
