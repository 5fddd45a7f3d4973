// SPDX-License-Identifier: MIT
#pragma once

// The program's own accessible interfaces (links, named lists, alerts, date boxes), made known to Qt once per run.
namespace Accessibility {

void install();

}  // namespace Accessibility
