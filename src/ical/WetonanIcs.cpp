// SPDX-License-Identifier: MIT
#include "WetonanIcs.h"

#include "Identity.h"

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace WetonanIcs {
namespace {

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype dateOf(QDate date)
{
    icaltimetype time = icaltime_null_date();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    return time;
}

icaltimetype utcOf(const QDateTime &stamp)
{
    return icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

// Six hours before an all-day event without a time zone is six in the evening before, where the user is.
icalcomponent *reminderOf(const WetonanEvent::Event &event)
{
    icaltriggertype trigger{};
    trigger.time = icaltime_null_time();
    trigger.duration = icaldurationtype_from_int(-event.reminderHoursBefore * 3600);
    return icalcomponent_vanew(ICAL_VALARM_COMPONENT, icalproperty_new_action(ICAL_ACTION_DISPLAY),
                               icalproperty_new_trigger(trigger),
                               icalproperty_new_description(event.reminderText.toUtf8().constData()), nullptr);
}

icalcomponent *eventOf(const WetonanEvent::Event &event, const QDateTime &stamp)
{
    icalrecurrencetype rule;
    icalrecurrencetype_clear(&rule);
    rule.freq = ICAL_DAILY_RECURRENCE;
    rule.interval = short(event.intervalDays);
    icalcomponent *component = icalcomponent_vanew(
        ICAL_VEVENT_COMPONENT, icalproperty_new_uid(event.uid.toUtf8().constData()),
        icalproperty_new_dtstamp(utcOf(stamp)), icalproperty_new_dtstart(dateOf(event.firstDay)),
        // One day long, said outright for the calendar programs that do not take it from a date alone.
        icalproperty_new_dtend(dateOf(event.firstDay.addDays(1))), icalproperty_new_rrule(rule),
        icalproperty_new_summary(event.summary.toUtf8().constData()),
        icalproperty_new_description(event.description.toUtf8().constData()),
        // A day to remember, not a day taken up: free/busy lookups see the user as free.
        icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT), nullptr);
    if (event.reminder)
        icalcomponent_add_component(component, reminderOf(event));
    return component;
}

}  // namespace

QByteArray compose(const WetonanEvent::Event &event, const QDateTime &stamp)
{
    const Component calendar(
        icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                            icalproperty_new_prodid("-//Wetonara//Wetonara " WETONARA_VERSION "//EN"),
                            icalproperty_new_calscale("GREGORIAN"), eventOf(event, stamp), nullptr));
    char *text = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray bytes(text);
    std::free(text);
    return bytes;
}

}  // namespace WetonanIcs
