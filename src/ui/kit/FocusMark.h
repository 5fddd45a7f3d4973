// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// A control that takes the focus but draws no focus mark of its own (a frameless scroll area) gets the
// style's focus frame around it while it has the focus.
namespace FocusMark {

void install(QWidget *control);

}  // namespace FocusMark
