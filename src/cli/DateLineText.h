// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>

namespace WetonCli {

// The date part of a line of standard input: spaces and tabs around it are forgiven, and so is the
// byte-order mark some editors put before the first line.
[[nodiscard]] QByteArrayView dateLineText(QByteArrayView line, bool firstLine);

}  // namespace WetonCli
