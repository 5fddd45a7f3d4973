// SPDX-License-Identifier: MIT
#include "IcsMode.h"

#include "BufferedOutput.h"
#include "files/WetonanEvent.h"
#include "ical/WetonanIcs.h"

namespace WetonCli {

int runIcs(const QString &name, Birth birth, bool reminder, const QDateTime &stamp, QIODevice &out, QIODevice &err)
{
    const WetonanEvent::Event event = WetonanEvent::of(name, birth.date, birth.afterSunset, reminder);
    BufferedOutput output(out);
    output.append(WetonanIcs::compose(event, stamp));
    if (output.flush())
        return 0;
    err.write(output.failureMessage());
    return 1;
}

}  // namespace WetonCli
