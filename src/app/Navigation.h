// SPDX-License-Identifier: MIT
#pragma once

#include "weton/WetonResult.h"

#include <optional>

class QString;
class WindowSet;

// The moves between the two main windows, and the close step they share.
namespace Navigation {

// Close step of the entry and result windows: the companion screen comes up. When no move to the other
// main window follows, the calendar and match windows close first.
void showCompanionScreen(WindowSet &set);

// After a main window has been replaced by the other, the companion screen its close step brought up
// goes out of sight again; the calendar marks the reading now on screen, if any, and the match window
// takes its date of birth as the first date.
void hideCompanionScreen(WindowSet &set);

// Calculate's outcome: the set holds it and the result window, created hidden if need be, shows it and
// comes up. An empty outcome (the reckoning could not say) leaves the texts as they were.
void showResult(WindowSet &set, const std::optional<WetonResult> &result);

// Back: a fresh entry window replaces the result window.
void Back(WindowSet &set);

// A saved reading opened from outside the program (its command line, a later copy): as if the user had
// gone Back, if need be, and opened the file; the window that shows the outcome comes to the front.
void OpenReading(WindowSet &set, const QString &path);

}  // namespace Navigation
