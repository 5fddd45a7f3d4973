// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QStringList>
#include <optional>

namespace WetonCli {

// The first argument that asks for an option `known` does not have, exactly as it was typed. The
// command-line parser reads "-1980-06-07" as the short options 1, 9, 8, 0 and so on and would list
// those letters; the user needs to hear which argument was not understood. Values of options that take
// one are skipped, as the parser skips them, and nothing after "--" is an option.
[[nodiscard]] std::optional<QString> firstUnknownOption(const QStringList &arguments,
                                                        const QList<QCommandLineOption> &known);

}  // namespace WetonCli
