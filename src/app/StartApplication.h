// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class WindowSet;

namespace Application {

// The start of a run: only one copy per user session, the random numbers seeded, the update reminder,
// the entry window, the branding draw, then the saved reading named on the command line, if any. False
// when another copy runs (this one has then ended, after handing the file to it where it could).
bool StartApplication(WindowSet &windows, const QString &readingFile = QString());

// The start-up branding draw: which offer of the entry window lies in front. Stores the draw value.
void CoBrand_Randomize(WindowSet &windows);

}  // namespace Application
