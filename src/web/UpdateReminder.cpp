// SPDX-License-Identifier: MIT
#include "UpdateReminder.h"

#include "Identity.h"
#include "files/TextScrambling.h"
#include "web/modHelp.h"

#include <QCoreApplication>

namespace modHelp {
namespace {

const QString Section = QStringLiteral("Settings");
const QString PlainKey = QStringLiteral("Duration");
constexpr int QuietDays = 14;

// The date is stored in ISO form so that it reads back as the same day whatever the user's locale.
void storeToday(platform::Platform &platform)
{
    platform.settings.write(Section, ScrambleText(PlainKey),
                            ScrambleText(platform.clock.today().toString(Qt::ISODate)));
}

}  // namespace

ReminderStep reminderStep(const QString &storedDate, const QDate &today)
{
    if (storedDate.isEmpty())
        return ReminderStep::FirstStart;
    const QDate lastCheck = QDate::fromString(storedDate, Qt::ISODate);
    if (!lastCheck.isValid())
        return ReminderStep::Quiet;
    const qint64 days = today.daysTo(lastCheck);
    return days >= -QuietDays && days <= QuietDays ? ReminderStep::Quiet : ReminderStep::Ask;
}

void CheckForUpdateReminder(platform::Platform &platform)
{
    const QString stored = UnscrambleText(platform.settings.read(Section, ScrambleText(PlainKey)));
    switch (reminderStep(stored, platform.clock.today())) {
    case ReminderStep::FirstStart: storeToday(platform); return;
    case ReminderStep::Quiet: return;
    case ReminderStep::Ask: break;
    }
    const platform::MessageAnswer answer = platform.messages.show(
        {QCoreApplication::translate(
             "UpdateReminder", "There maybe an update to this software available\rDo you want to check for an update?"),
         Identity::ApplicationTitle, platform::MessageIcon::Information, platform::MessageButtons::YesNo});
    // A question the run ended under (logout, a signal) was not answered: it is asked again next time.
    if (answer == platform::MessageAnswer::None)
        return;
    storeToday(platform);
    if (answer == platform::MessageAnswer::Yes)
        OpenDownloadPage(platform.browser);
}

}  // namespace modHelp
