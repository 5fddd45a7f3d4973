#include "app/CommandLine.h"
#include "app/StartApplication.h"
#include "platform/qt/Display.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TerminationRequest.h"
#include "screens/Look.h"
#include "screens/WindowSet.h"

#include <QApplication>
#include <cstdio>

namespace {

QStringList argumentsAfterProgramName(int argc, char *argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

}  // namespace

int main(int argc, char *argv[])
{
    // Before anything else: help, version and a wrong command line need no display, lock or settings.
    const Application::LaunchRequest request = Application::parseCommandLine(argumentsAfterProgramName(argc, argv));
    switch (request.action) {
    case Application::LaunchRequest::Action::Help: std::fputs(qPrintable(Application::helpText()), stdout); return 0;
    case Application::LaunchRequest::Action::Version:
        std::fputs(qPrintable(Application::versionText()), stdout);
        return 0;
    case Application::LaunchRequest::Action::Refuse:
        std::fprintf(stderr, "wetonara: %s\n", qPrintable(request.error));
        return 2;
    case Application::LaunchRequest::Action::Run: break;
    }
    if (!platform::displayAvailable()) {
        std::fputs("wetonara: no display is available to show its windows; for readings on the command line "
                   "use the weton tool (weton --help)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Wetonara"));
    QApplication::setApplicationName(QStringLiteral("Wetonara"));
    QApplication::setDesktopFileName(QStringLiteral("org.wetonara.Wetonara"));
    QApplication::setWindowIcon(Look::programIcon());
    // The run ends when the companion screen closes, not when the last window does.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::QtPlatform services;
    WindowSet windows(services.platform());
    // Asked to end by the system (logout, kill): leave as through the companion screen, releasing the lock.
    platform::onTerminationRequest(&app, [&windows] { windows.EndApplication(); });
    if (!Application::StartApplication(windows, request.file))
        return 0;
    return QApplication::exec();
}
