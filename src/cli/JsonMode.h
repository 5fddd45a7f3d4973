// SPDX-License-Identifier: MIT
#pragma once

#include "Birth.h"

#include <QIODevice>
#include <QList>

namespace WetonCli {

// One JSON object a line for each of the given births, in order; returns the tool's exit status.
[[nodiscard]] int runJson(const QList<Birth> &births, QIODevice &out, QIODevice &err);

// The same for the dates read from standard input, one a line, as --tsv reads them: lines that are not
// dates are reported on standard error and skipped (status 1). After sunset counts for every line.
[[nodiscard]] int runJsonLines(QIODevice &in, QIODevice &out, QIODevice &err, bool afterSunset);

}  // namespace WetonCli
