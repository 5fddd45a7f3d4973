// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "Identity.h"

#include <QCoreApplication>
#include <QDir>

namespace Application {
namespace {

LaunchRequest refuse(const QString &why)
{
    return {LaunchRequest::Action::Refuse,
            {},
            why + QCoreApplication::translate("CommandLine", " (wetonara --help tells how to use it)")};
}

}  // namespace

LaunchRequest parseCommandLine(const QStringList &arguments)
{
    QStringList files;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            files.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return {LaunchRequest::Action::Help, {}, {}};
        } else if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
            return {LaunchRequest::Action::Version, {}, {}};
        } else {
            return refuse(QCoreApplication::translate("CommandLine", "unknown option %1").arg(argument));
        }
    }
    if (files.size() > 1)
        return refuse(
            QCoreApplication::translate("CommandLine", "one saved reading at a time, not %1").arg(files.size()));
    if (files.isEmpty())
        return {};
    if (files.constFirst().isEmpty())
        return refuse(QCoreApplication::translate("CommandLine", "the file name is empty"));
    // Absolute, because a copy that is already running may work in another folder. Not cleaned: the
    // extension check looks at the name exactly as given.
    const QString &file = files.constFirst();
    return {LaunchRequest::Action::Run,
            QDir::isAbsolutePath(file) ? file : QDir::currentPath() + QLatin1Char('/') + file,
            {}};
}

QString helpText()
{
    return QCoreApplication::translate(
        "CommandLine", "Usage: wetonara [FILE]\n"
                       "Tells the Javanese birth-day sign (weton) of a name and a date of birth.\n"
                       "\n"
                       "  FILE           a saved reading (.jav) to open; a copy that is already running\n"
                       "                 shows it instead, unless a window of it waits for an answer\n"
                       "  -h, --help     show this help and exit\n"
                       "  -v, --version  show the version and exit\n"
                       "\n"
                       "Only one copy runs per user session. For readings on the command line, see\n"
                       "weton --help.\n");
}

QString versionText() { return QStringLiteral("wetonara " WETONARA_VERSION_AND_DATE "\n"); }

}  // namespace Application
