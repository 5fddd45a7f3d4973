// SPDX-License-Identifier: MIT
#pragma once

#include "Birth.h"

#include <QIODevice>

namespace WetonCli {

// Prints both wetons with their neptu, the sum and the match it gives; returns the tool's exit status.
[[nodiscard]] int runMatch(Birth first, Birth second, QIODevice &out, QIODevice &err);

}  // namespace WetonCli
