// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>

class WindowSet;

namespace Application {

// The running copy's side of files handed over by later copies started with a saved reading. A file is
// promised only while its user could open one: an entry or result window is open and no modal window
// (report, about box, message box, question) of the user's waits in front. Promised files open one after
// the other from the event loop, because the later copy waits for the answer and opening may show a
// message box; a file promised while an earlier one's message is up opens once that message is closed.
class ReadingHandOver
{
public:
    explicit ReadingHandOver(WindowSet &set) : m_set(set) {}

    // Whether a file offered now would be shown.
    [[nodiscard]] bool ready() const;
    // A promised file: shown once the files before it are.
    void take(const QString &path);

private:
    [[nodiscard]] bool running() const;
    void openWaiting();

    WindowSet &m_set;
    QObject m_timers;  // the context of the openings still to come, so none outlives this object
    QStringList m_waiting;
    bool m_opening = false;
};

}  // namespace Application
