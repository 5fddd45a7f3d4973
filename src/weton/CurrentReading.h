// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

// The birth data of the reading on screen. Filled by the entry window's Calculate just before the
// reckoning runs; read by the report and the saved-reading writer. Never cleared during a run.
struct CurrentReading
{
    QString PersonName;  // trimmed of leading and trailing spaces
    qint16 BirthYear = 0;
    QString BirthMonth;  // English month name, exactly as the entry window lists it
    qint16 BirthDay = 0;
    // Born after sunset, when the Javanese day has already turned: the weton is the next civil day's.
    // The date above stays the date of birth as entered.
    bool BornAfterSunset = false;
};
