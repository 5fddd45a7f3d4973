// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QIODevice>
#include <QStringList>

// The `weton` command-line tool: a reading, a tab-separated list of readings, or the coming dates of a
// weton, from the same reckoning as the windows.
namespace WetonCli {

struct Streams
{
    QIODevice &in;
    QIODevice &out;
    QIODevice &err;
};

enum ExitStatus : int {
    Success = 0,
    // Some input lines were not dates, fewer dates than asked for exist, or output could not be written.
    Incomplete = 1,
    BadArguments = 2,
};

// Runs the tool on its arguments (without the program name). `today` is the date --next counts from
// unless --from is given.
[[nodiscard]] int run(const QStringList &arguments, const Streams &streams, QDate today);

}  // namespace WetonCli
