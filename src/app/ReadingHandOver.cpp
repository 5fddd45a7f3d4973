// SPDX-License-Identifier: MIT
#include "ReadingHandOver.h"

#include "Navigation.h"
#include "WindowSet.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace Application {
namespace {

// How often a promised file looks again whether the user's modal window has closed.
constexpr int RetryMs = 250;

}  // namespace

bool ReadingHandOver::running() const
{
    // Without a main window the run is leaving (only the companion screen is left) or has ended.
    return !m_set.hasEnded() && (m_set.openMain() || m_set.openResult());
}

bool ReadingHandOver::ready() const
{
    // A modal window up while files are being opened is one of theirs (a refusal): it closes, then the
    // next file opens.
    const bool opening = m_opening || !m_waiting.isEmpty();
    return running() && (opening || !QGuiApplication::modalWindow());
}

void ReadingHandOver::take(const QString &path)
{
    m_waiting.append(path);
    if (m_waiting.size() == 1 && !m_opening)
        QTimer::singleShot(0, &m_timers, [this] { openWaiting(); });
}

void ReadingHandOver::openWaiting()
{
    if (m_opening)
        return;  // the loop below is further up the stack, waiting for a message box
    m_opening = true;
    while (!m_waiting.isEmpty() && running()) {
        // The user opened a modal window between the promise and now: its turn first.
        if (QGuiApplication::modalWindow()) {
            QTimer::singleShot(RetryMs, &m_timers, [this] { openWaiting(); });
            break;
        }
        Navigation::OpenReading(m_set, m_waiting.takeFirst());
    }
    if (!running())
        m_waiting.clear();  // the run is ending: nothing is left to show them in
    m_opening = false;
}

}  // namespace Application
