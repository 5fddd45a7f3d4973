// SPDX-License-Identifier: MIT
#include "MatchMode.h"

#include "BufferedOutput.h"
#include "ReckoningText.h"
#include "weton/Neptu.h"
#include "weton/WetonMatch.h"

#include <QCoreApplication>

namespace WetonCli {
int runMatch(QDate first, QDate second, QIODevice &out, QIODevice &err)
{
    const WetonMatch::Match match = WetonMatch::of(Neptu::ofDate(first).total(), Neptu::ofDate(second).total());
    QString text;
    text += QCoreApplication::translate("WetonCli", "First: %1").arg(wetonSummary(first)) + QLatin1Char('\n');
    text += QCoreApplication::translate("WetonCli", "Second: %1").arg(wetonSummary(second)) + QLatin1Char('\n');
    text += WetonMatch::ruleLine(match) + QLatin1Char('\n');
    text += QCoreApplication::translate("WetonCli", "Match: %1").arg(match.name) + QLatin1Char('\n');
    text += WetonMatch::meaning(match.name) + QLatin1Char('\n');
    BufferedOutput output(out);
    output.append(text.toUtf8());
    if (output.flush())
        return 0;
    err.write(output.failureMessage());
    return 1;
}

}  // namespace WetonCli
