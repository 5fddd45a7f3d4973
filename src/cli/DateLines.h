// SPDX-License-Identifier: MIT
#pragma once

#include "BufferedOutput.h"

#include <QByteArrayView>
#include <QDate>
#include <QIODevice>
#include <functional>

namespace WetonCli {

// Appends the answer for one date read from a line (`text` is the date as written there); false when the
// date cannot be answered, which refuses the line.
using DateLineAnswer = std::function<bool(BufferedOutput &output, QByteArrayView text, QDate date)>;

// The loop shared by the modes that read ISO dates, one a line: each answer is written before the next
// read may wait, lines that are not dates are refused on `err` (the first hundred listed, then counted),
// and a failed read or write is named. Returns the exit status: 0 when every line was answered and all
// output was written, else 1.
[[nodiscard]] int answerDateLines(QIODevice &in, QIODevice &out, QIODevice &err, const DateLineAnswer &answer);

}  // namespace WetonCli
