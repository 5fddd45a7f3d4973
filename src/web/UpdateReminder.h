// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

#include <QDate>
#include <QString>

namespace modHelp {

enum class ReminderStep {
    FirstStart,  // nothing stored yet: store today, ask nothing
    Quiet,       // within 14 days either way, or a stored text that is no date: leave everything
    Ask,         // 15 or more days away, in the past or (after a clock change) the future
};

// What the reminder does for the stored last-check date (unscrambled, yyyy-MM-dd) on the given day.
[[nodiscard]] ReminderStep reminderStep(const QString &storedDate, const QDate &today);

// Once a start: at most about once a fortnight, asks whether to look for a newer version and opens the
// download page on Yes. The last-check date is kept scrambled in the settings store.
void CheckForUpdateReminder(platform::Platform &platform);

}  // namespace modHelp
