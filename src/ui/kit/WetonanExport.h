// SPDX-License-Identifier: MIT
#pragma once

#include "SaveFlow.h"

#include <QDate>
#include <QString>

namespace platform {
class Clock;
}

// "Export Wetonan...": the wetonan of a date of birth saved as an iCalendar file for the user's own
// calendar, through the same save as readings, with a reminder the evening before if the user wants one.
namespace WetonanExport {

struct Services
{
    platform::MessageBoxes &messages;
    platform::FileDialogs &fileDialogs;
    const platform::Clock &clock;  // when the file is written, which it records
};

// The menu entry's and the button's caption, the same in every window that offers the export.
[[nodiscard]] QString caption();

// Asks where, and whether to add the reminder, then writes the file; says why when it cannot.
void run(const Services &services, const QString &name, QDate birth, bool afterSunset);

}  // namespace WetonanExport
