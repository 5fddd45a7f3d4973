// SPDX-License-Identifier: MIT
#include "SunsetMarks.h"

#include <QCoreApplication>

namespace WetonCli {

SunsetMarks sunsetMarks(const QStringList &arguments)
{
    SunsetMarks marks;
    bool pending = false, optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument == QLatin1String("--after-sunset")) {
            pending = true;
        } else if (optionsEnded || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-'))) {
            marks.afterSunset.append(pending);
            pending = false;
        }
    }
    // With no date at all (--json reading standard input) the option counts for every line read.
    if (pending && !marks.afterSunset.isEmpty())
        marks.problem = QCoreApplication::translate(
            "WetonCli", "--after-sunset stands before the date it is for, but no date follows the last one");
    return marks;
}

}  // namespace WetonCli
