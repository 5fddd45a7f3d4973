#include "app/StartApplication.h"
#include "platform/qt/Display.h"
#include "platform/qt/QtPlatform.h"
#include "screens/Look.h"
#include "screens/WindowSet.h"
#include "weton/InterfaceLanguage.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (!platform::displayAvailable()) {
        std::fputs("wetonara: no display is available to show its windows; for readings on the command line "
                   "use the weton tool (weton --help)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Wetonara"));
    QApplication::setApplicationName(QStringLiteral("Wetonara"));
    InterfaceLanguage::install(app, QLocale::system().uiLanguages());
    QApplication::setWindowIcon(Look::programIcon());
    // The run ends when the companion screen closes, not when the last window does.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::QtPlatform services;
    WindowSet windows(services.platform());
    if (!Application::StartApplication(windows))
        return 0;
    return QApplication::exec();
}
