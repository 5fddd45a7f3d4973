// SPDX-License-Identifier: MIT
#include "Identity.h"
#include "app/CommandLine.h"
#include "app/StartApplication.h"
#include "app/WindowSet.h"
#include "platform/qt/CommandLineArguments.h"
#include "platform/qt/Display.h"
#include "platform/qt/OpenFileLimit.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TerminationRequest.h"
#include "ui/kit/Look.h"
#include "weton/InterfaceLanguage.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace {

// Help, version, a wrong command line, a missing display and too few open files are answered on the
// terminal, with no display, lock or settings. The answer is in the desktop's language: the translation
// needs an application object, so a plain one lives just for the answer, and the command line is read
// again under it so that a refusal is translated too. A run that shows windows never makes it.
int answerOnTheTerminal(int &argc, char **argv, const QStringList &arguments,
                        std::optional<long> openFiles = std::nullopt)
{
    using Action = Application::LaunchRequest::Action;
    QCoreApplication terminal(argc, argv);
    InterfaceLanguage::install(terminal, QLocale::system().uiLanguages());
    const Application::LaunchRequest request = Application::parseCommandLine(arguments);
    switch (request.action) {
    case Action::Help: std::fputs(qPrintable(Application::helpText()), stdout); return 0;
    case Action::Version: std::fputs(qPrintable(Application::versionText()), stdout); return 0;
    case Action::Refuse: std::fprintf(stderr, "wetonara: %s\n", qPrintable(request.error)); return 2;
    case Action::Run: break;
    }
    if (openFiles) {
        std::fputs(
            qPrintable(QCoreApplication::translate("main", "wetonara: only %1 files may be open at once, and its "
                                                           "windows need %2; raise the limit (ulimit -n)\n")
                           .arg(*openFiles)
                           .arg(platform::NeededOpenFiles)),
            stderr);
        return 1;
    }
    std::fputs(qPrintable(QCoreApplication::translate(
                   "main", "wetonara: no display is available to show its windows; for "
                           "readings on the command line use the weton tool (weton --help)\n")),
               stderr);
    return 1;
}

}  // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = platform::commandLineArguments(argc, argv);
    const Application::LaunchRequest request = Application::parseCommandLine(arguments);
    if (request.action != Application::LaunchRequest::Action::Run || !platform::displayAvailable())
        return answerOnTheTerminal(argc, argv, arguments);
    // Short of files, a copy could not tell whether another runs, and would start beside it and hang.
    if (const std::optional<long> openFiles = platform::tooFewOpenFiles())
        return answerOnTheTerminal(argc, argv, arguments, openFiles);
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
    // Start-up runs inside the main loop, not before it: a signal that arrives while a start-up message or
    // question is open ends that message's loop and the main loop with it. Before exec() there is no main
    // loop to end, and exec() would start a fresh one that nothing ends.
    QTimer::singleShot(0, &app, [&windows, &request] { Application::StartApplication(windows, request.file); });
    return QApplication::exec();
}
