// SPDX-License-Identifier: MIT
#pragma once

// The program's own accessible interfaces (links, named lists, alerts, date boxes), made known to Qt once per
// run, before the first window is made (the window set does it). The kit's controls know nothing of them.
namespace Accessibility {

void install();

}  // namespace Accessibility
