// SPDX-License-Identifier: MIT
#include "HijriCalendar.h"

#include <QCalendar>
#include <QCoreApplication>
#include <QStringList>

namespace HijriCalendar {
namespace {

// English transliterations, the month names as data and the sources of the shown names, which in
// Indonesian take the spellings of the Kamus Besar Bahasa Indonesia (Muharam, Safar, Rabiulawal, ...,
// Zulhijah).
constexpr const char *MonthNames[] = {
    QT_TRANSLATE_NOOP("HijriCalendar", "Muharram"),       QT_TRANSLATE_NOOP("HijriCalendar", "Safar"),
    QT_TRANSLATE_NOOP("HijriCalendar", "Rabi' al-Awwal"), QT_TRANSLATE_NOOP("HijriCalendar", "Rabi' al-Thani"),
    QT_TRANSLATE_NOOP("HijriCalendar", "Jumada al-Ula"),  QT_TRANSLATE_NOOP("HijriCalendar", "Jumada al-Akhirah"),
    QT_TRANSLATE_NOOP("HijriCalendar", "Rajab"),          QT_TRANSLATE_NOOP("HijriCalendar", "Sha'ban"),
    QT_TRANSLATE_NOOP("HijriCalendar", "Ramadan"),        QT_TRANSLATE_NOOP("HijriCalendar", "Shawwal"),
    QT_TRANSLATE_NOOP("HijriCalendar", "Dhu al-Qa'dah"),  QT_TRANSLATE_NOOP("HijriCalendar", "Dhu al-Hijjah")};

const QCalendar &tabular()
{
    // Qt's own arithmetical Islamic calendar: no table of ours to get wrong.
    static const QCalendar calendar(QCalendar::System::IslamicCivil);
    return calendar;
}

QString yearText(int year) { return QCoreApplication::translate("HijriCalendar", "%1 AH", "a Hijri year").arg(year); }

}  // namespace

std::optional<HijriDate> ofDate(QDate date)
{
    if (!date.isValid())
        return std::nullopt;
    const QCalendar::YearMonthDay parts = tabular().partsFromDate(date);
    if (!parts.isValid())
        return std::nullopt;
    return HijriDate{parts.day, parts.month, parts.year};
}

QLatin1String monthName(int month) noexcept
{
    return month >= 1 && month <= 12 ? QLatin1String(MonthNames[month - 1]) : QLatin1String();
}

QString shownMonthName(int month)
{
    return month >= 1 && month <= 12 ? QCoreApplication::translate("HijriCalendar", MonthNames[month - 1]) : QString();
}

QString shownDate(const HijriDate &date)
{
    return QStringLiteral("%1 %2 ").arg(date.day).arg(shownMonthName(date.month)) + yearText(date.year);
}

QString line(const std::optional<HijriDate> &date)
{
    if (!date)
        return {};
    return QCoreApplication::translate("HijriCalendar", "Hijri Date: %1 (arithmetical calendar)").arg(shownDate(*date));
}

QList<MonthOfYear> monthsSpanned(int year, int month)
{
    QList<MonthOfYear> months;
    const QDate first(year, month, 1);
    if (!first.isValid())
        return months;
    for (QDate day = first; day.month() == month; day = day.addDays(1)) {
        const std::optional<HijriDate> date = ofDate(day);
        if (!date)
            return {};
        const MonthOfYear of{date->month, date->year};
        if (months.isEmpty() || months.constLast() != of)
            months.append(of);
    }
    return months;
}

QString spannedTitle(int year, int month)
{
    const QList<MonthOfYear> months = monthsSpanned(year, month);
    QStringList parts;
    for (qsizetype i = 0; i < months.size(); ++i) {
        QString part = shownMonthName(months[i].month);
        // The year follows the last month of each Hijri year the Gregorian month touches.
        if (i + 1 == months.size() || months[i + 1].year != months[i].year)
            part += QLatin1Char(' ') + yearText(months[i].year);
        parts << part;
    }
    return parts.join(QStringLiteral(" – "));
}

}  // namespace HijriCalendar
