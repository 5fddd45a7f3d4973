#pragma once

class WindowSet;

namespace Application {

// The start of a run: only one copy per user session, the random numbers seeded, the update reminder,
// the entry window, the branding draw. False when another copy runs (this one has then ended).
bool StartApplication(WindowSet &windows);

}  // namespace Application
