#include "DateReading.h"

#include "IsoDate.h"
#include "weton/Calendar.h"

namespace WetonCli {

CurrentReading readingOf(const QString &name, QDate date)
{
    CurrentReading reading;
    reading.PersonName = name;
    reading.BirthYear = qint16(date.year());
    reading.BirthMonth = Calendar::monthName(date.month() - 1).toString();
    reading.BirthDay = qint16(date.day());
    return reading;
}

std::optional<modJavaneseAstrology::Sign> signOf(QDate date) noexcept
{
    if (!date.isValid() || date < firstReckonedDate() || date > lastReckonedDate())
        return std::nullopt;
    return modJavaneseAstrology::ReckonSign(qint16(date.year()), Calendar::monthName(date.month() - 1),
                                            qint16(date.day()));
}

QString reportText(const CurrentReading &reading, const WetonResult &result)
{
    QString text;
    if (!reading.PersonName.isEmpty())
        text += QStringLiteral("Name: ") + reading.PersonName + QStringLiteral("\n\n");
    text += QStringLiteral("Date of Birth: %1 %2, %3\n\n")
                .arg(reading.BirthMonth)
                .arg(reading.BirthDay)
                .arg(reading.BirthYear);
    text += QStringLiteral("Indonesian Day Sign: %1\n\n").arg(result.MarketDay);
    text += QStringLiteral("Indonesian Weekday: %1\n\n").arg(result.IndonesianWeekday);
    text += QStringLiteral("English Weekday: %1\n\n").arg(result.EnglishWeekday);
    text += QStringLiteral("Description:\n") + result.Description + QLatin1Char('\n');
    return text;
}

}  // namespace WetonCli
