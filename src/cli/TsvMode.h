// SPDX-License-Identifier: MIT
#pragma once

#include <QIODevice>

namespace WetonCli {

// Reads ISO dates, one a line, and writes one tab-separated reading per date in input order. A line
// that is not a reckoned date is reported on `err` with its line number and skipped. Returns the exit
// status: 0 when every line was a date and all output was written, else 1.
[[nodiscard]] int runTsv(QIODevice &in, QIODevice &out, QIODevice &err);

}  // namespace WetonCli
