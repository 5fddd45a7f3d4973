// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace WetonCli {

// With --match and --json each date is its own birth: --after-sunset counts for the date that follows
// it, so one partner of a match can be born in the evening and the other not.
struct SunsetMarks
{
    QList<bool> afterSunset;         // one for each date, in the order given
    std::optional<QString> problem;  // a --after-sunset that no date follows
};

// For the arguments as typed (without the program's name) of a mode whose options take no values.
[[nodiscard]] SunsetMarks sunsetMarks(const QStringList &arguments);

}  // namespace WetonCli
