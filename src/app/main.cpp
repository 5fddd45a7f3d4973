#include "Identity.h"
#include "app/CommandLine.h"
#include "app/StartApplication.h"
#include "platform/qt/CommandLineArguments.h"
#include "platform/qt/Display.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TerminationRequest.h"
#include "screens/Look.h"
#include "screens/WindowSet.h"
#include "weton/InterfaceLanguage.h"

#include <QApplication>
#include <cstdio>
#include <optional>

namespace {

// Help, version and a wrong command line are answered on the terminal: no display, lock or settings.
std::optional<int> answerOnTheTerminal(const Application::LaunchRequest &request)
{
    using Action = Application::LaunchRequest::Action;
    switch (request.action) {
    case Action::Help: std::fputs(qPrintable(Application::helpText()), stdout); return 0;
    case Action::Version: std::fputs(qPrintable(Application::versionText()), stdout); return 0;
    case Action::Refuse: std::fprintf(stderr, "wetonara: %s\n", qPrintable(request.error)); return 2;
    case Action::Run: break;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char *argv[])
{
    const Application::LaunchRequest request =
        Application::parseCommandLine(platform::commandLineArguments(argc, argv));
    if (const std::optional<int> status = answerOnTheTerminal(request))
        return *status;
    if (!platform::displayAvailable()) {
        std::fputs("wetonara: no display is available to show its windows; for readings on the command line "
                   "use the weton tool (weton --help)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Wetonara"));
    QApplication::setApplicationName(QStringLiteral("Wetonara"));
    QApplication::setDesktopFileName(Identity::DesktopFileName);
    InterfaceLanguage::install(app, QLocale::system().uiLanguages());
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
