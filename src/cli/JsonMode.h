// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QIODevice>
#include <QList>

namespace WetonCli {

// One JSON object a line for each of the given dates, in order; returns the tool's exit status.
[[nodiscard]] int runJson(const QList<QDate> &dates, QIODevice &out, QIODevice &err);

// The same for the dates read from standard input, one a line, as --tsv reads them: lines that are not
// dates are reported on standard error and skipped (status 1).
[[nodiscard]] int runJsonLines(QIODevice &in, QIODevice &out, QIODevice &err);

}  // namespace WetonCli
