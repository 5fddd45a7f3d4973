#include "StartApplication.h"

#include "screens/Branding.h"
#include "screens/WindowSet.h"
#include "screens/frmMain.h"
#include "web/UpdateReminder.h"

#include <QCoreApplication>

namespace Application {

bool StartApplication(WindowSet &windows)
{
    platform::Platform &platform = windows.platform();
    // First, before anything shows or the settings are touched.
    if (!platform.instanceLock.acquire()) {
        windows.message(QCoreApplication::translate("StartApplication", "Application is already running"),
                        platform::MessageIcon::Information);
        windows.EndApplication();
        return false;
    }
    platform.random.seed(quint64(platform.clock.msecsSinceEpoch()));
    modHelp::CheckForUpdateReminder(platform);
    windows.main().showCentred();
    // After the entry window exists: the draw rearranges its two offers.
    Branding::CoBrand_Randomize(windows);
    return true;
}

}  // namespace Application
