// SPDX-License-Identifier: MIT
#pragma once

#include "weton/DayMarks.h"

#include <QDate>
#include <QString>

// The wetonan carried into the user's own calendar: one all-day event that comes back every 35 days, on
// the days that bring the birth weton back. What it says is decided here, in the interface's language;
// how it is written as an iCalendar file is the calendar-file library's business.
namespace WetonanEvent {

// What the save dialog offers, and the extension added to a name typed without it.
inline const QString FileFilter = QStringLiteral("iCalendar (*.ics)");
inline const QString Extension = QStringLiteral("ics");

struct Event
{
    // The same for the same name, date of birth and option, so that exporting again replaces the event
    // in the user's calendar instead of adding a second one.
    QString uid;
    QDate firstDay;  // the first wetonan: 35 days after the day of the birth weton
    int intervalDays = DayMarks::WetonCycle;
    QString summary;      // "Wetonan of Siti: Minggu Legi"
    QString description;  // what wetonan is, and the date of birth
    bool reminder = false;
    // The reminder comes this long before the day begins at midnight: at six in the evening before,
    // about sunset in Java, when the Javanese day begins.
    int reminderHoursBefore = 6;
    QString reminderText;
};

// The event for a person (the name may be empty), born on `birth`, after sunset or not; with a reminder
// the evening before or without.
[[nodiscard]] Event of(const QString &name, QDate birth, bool afterSunset, bool reminder);

}  // namespace WetonanEvent
