// SPDX-License-Identifier: MIT
#include "StartApplication.h"

#include "Navigation.h"
#include "ReadingHandOver.h"
#include "WindowSet.h"
#include "ui/kit/Messages.h"
#include "ui/reading/frmMain.h"
#include "web/CoBrand.h"
#include "web/UpdateReminder.h"

#include <QCoreApplication>
#include <memory>

namespace Application {

void CoBrand_Randomize(WindowSet &windows)
{
    windows.intCoBrandRandomNumber = CoBrand::drawValue(windows.platform().random.next());
    windows.main().bringOfferToFront(CoBrand::frontFor(windows.intCoBrandRandomNumber));
}

bool StartApplication(WindowSet &windows, const QString &readingFile)
{
    platform::Platform &platform = windows.platform();
    // First, before anything shows or the settings are touched.
    if (!platform.instanceLock.acquire()) {
        // A running copy that takes the file shows it; otherwise the user hears why nothing opens.
        if (readingFile.isEmpty() || !platform.handOver.offer(readingFile))
            Messages::show(platform.messages,
                           QCoreApplication::translate("StartApplication", "Application is already running"),
                           platform::MessageIcon::Information);
        windows.EndApplication();
        return false;
    }
    platform.random.seed(quint64(platform.clock.msecsSinceEpoch()));
    modHelp::CheckForUpdateReminder(platform);
    if (windows.hasEnded())
        return false;  // asked to end (a signal) while the update question was open
    windows.main().showCentred();
    // After the entry window exists: the draw rearranges its two offers.
    CoBrand_Randomize(windows);
    // Before the file opens: a later copy's file must be refused while that opening's message shows.
    auto handedOver = std::make_shared<ReadingHandOver>(windows);
    platform.handOver.listen(
        {[handedOver] { return handedOver->ready(); }, [handedOver](const QString &path) { handedOver->take(path); }});
    if (!readingFile.isEmpty())
        Navigation::OpenReading(windows, readingFile);
    return true;
}

}  // namespace Application
