// SPDX-License-Identifier: MIT
#include "WetonanEvent.h"

#include "weton/AfterSunset.h"
#include "weton/DayFacts.h"
#include "weton/DaySignCatalogue.h"
#include "weton/Text.h"

#include <QCoreApplication>
#include <QUuid>

namespace WetonanEvent {
namespace {

// The program's own namespace for name-based identifiers (RFC 4122, version 5).
const QUuid UidNamespace(QStringLiteral("a8f46f1f-fc8e-4a6d-8ae0-451607e991fd"));

QString uidOf(const QString &name, QDate birth, bool afterSunset)
{
    const QByteArray key =
        name.toUtf8() + '\n' + birth.toString(Qt::ISODate).toLatin1() + '\n' + (afterSunset ? "after sunset" : "");
    return QUuid::createUuidV5(UidNamespace, key).toString(QUuid::WithoutBraces);
}

QString describe(const QString &name, const QString &weton, QDate birth, bool afterSunset)
{
    const QString returns =
        name.isEmpty() ? QCoreApplication::translate("WetonanEvent", "The weton %1 comes back on this day.").arg(weton)
                       : QCoreApplication::translate(
                             "WetonanEvent", "The weton of %1's birth, %2, comes back on this day.", "name, weton")
                             .arg(name, weton);
    const QString born =
        afterSunset ? QCoreApplication::translate("WetonanEvent", "Born %1, after sunset.", "date")
                          .arg(DayFacts::shownDate(birth))
                    : QCoreApplication::translate("WetonanEvent", "Born %1.", "date").arg(DayFacts::shownDate(birth));
    return returns + QLatin1Char(' ')
           + QCoreApplication::translate(
               "WetonanEvent",
               "It returns every 35 days, when the seven-day week and the five-day market week meet again, and "
               "many Javanese families keep the day, the wetonan, with prayers or a small meal (slametan).")
           + QLatin1Char(' ')
           + QCoreApplication::translate(
               "WetonanEvent", "The Javanese day begins at sunset, so the wetonan begins on the evening before.")
           + QLatin1Char(' ') + born;
}

}  // namespace

Event of(const QString &name, QDate birth, bool afterSunset, bool reminder)
{
    const QString person = Text::trimSpaces(name);
    const QDate wetonDay = AfterSunset::wetonDay(birth, afterSunset);
    const Neptu::DayNeptu day = Neptu::ofDate(wetonDay);
    const QString weton = DaySignCatalogue::shownIndonesianWeekday(day.weekday) + QLatin1Char(' ')
                          + DaySignCatalogue::marketDayInLookupOrder(day.marketDay);
    Event event;
    event.uid = uidOf(person, birth, afterSunset);
    event.firstDay = wetonDay.addDays(DayMarks::WetonCycle);
    event.summary =
        person.isEmpty()
            ? QCoreApplication::translate("WetonanEvent", "Wetonan: %1", "weton").arg(weton)
            : QCoreApplication::translate("WetonanEvent", "Wetonan of %1: %2", "name, weton").arg(person, weton);
    event.description = describe(person, weton, birth, afterSunset);
    event.reminder = reminder;
    event.reminderText =
        QCoreApplication::translate("WetonanEvent", "%1, from sunset this evening", "the event's title")
            .arg(event.summary);
    return event;
}

}  // namespace WetonanEvent
