// SPDX-License-Identifier: MIT
#pragma once

#include "Birth.h"

#include <QDateTime>
#include <QIODevice>
#include <QString>

namespace WetonCli {

// Writes the wetonan of a birth as an iCalendar file to standard output, which a shell sends to a file
// ("weton --ics 1980-06-07 > siti.ics") or a program; returns the tool's exit status. `stamp` is when it
// is written.
[[nodiscard]] int runIcs(const QString &name, Birth birth, bool reminder, const QDateTime &stamp, QIODevice &out,
                         QIODevice &err);

}  // namespace WetonCli
