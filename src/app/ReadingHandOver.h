// SPDX-License-Identifier: MIT
#pragma once

class QString;
class WindowSet;

namespace Application {

// The running copy's answer to a later copy that was started with a saved reading. It takes the file
// only while its user could open one: an entry or result window is open and no modal window (report,
// about box, message box, question) waits in front. A taken file is opened once control is back in the
// event loop, because the later copy waits for the answer and opening may show a message box.
[[nodiscard]] bool TakeReading(WindowSet &set, const QString &path);

}  // namespace Application
