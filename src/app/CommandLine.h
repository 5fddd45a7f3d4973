// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace Application {

// What the program was asked to do by its command line.
struct LaunchRequest
{
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    QString file;   // Run: a saved reading to open, as an absolute path; empty for none
    QString error;  // Refuse: why, in one line
};

// The arguments after the program's name: at most one file, "--help"/"-h", "--version"/"-v", and "--"
// before a file whose name starts with "-". Touches nothing: help and version need no display, no lock
// and no settings.
[[nodiscard]] LaunchRequest parseCommandLine(const QStringList &arguments);

[[nodiscard]] QString helpText();
[[nodiscard]] QString versionText();

}  // namespace Application
