// SPDX-License-Identifier: MIT
#include "MatchMode.h"

#include "BufferedOutput.h"
#include "ReckoningText.h"
#include "weton/AfterSunset.h"
#include "weton/Neptu.h"
#include "weton/WetonMatch.h"

#include <QCoreApplication>

namespace WetonCli {
int runMatch(Birth first, Birth second, QIODevice &out, QIODevice &err)
{
    const auto neptu = [](Birth birth) {
        return Neptu::ofDate(AfterSunset::wetonDay(birth.date, birth.afterSunset)).total();
    };
    const WetonMatch::Match match = WetonMatch::of(neptu(first), neptu(second));
    QString text;
    text += QCoreApplication::translate("WetonCli", "First: %1").arg(wetonSummary(first.date, first.afterSunset))
            + QLatin1Char('\n');
    text += QCoreApplication::translate("WetonCli", "Second: %1").arg(wetonSummary(second.date, second.afterSunset))
            + QLatin1Char('\n');
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
