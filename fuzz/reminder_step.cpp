// SPDX-License-Identifier: MIT
// Any text as the update reminder's stored last-check date, once it is unscrambled.
#include "web/UpdateReminder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QDate Today(2024, 3, 15);
    const QString stored = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const modHelp::ReminderStep step = modHelp::reminderStep(stored, Today);
    // Only the absence of a date is a first start; a date counts by its distance, whatever its form.
    if ((step == modHelp::ReminderStep::FirstStart) != stored.isEmpty())
        std::abort();
    const QDate date = QDate::fromString(stored, Qt::ISODate);
    if (step == modHelp::ReminderStep::Ask && !date.isValid())
        std::abort();
    return 0;
}
