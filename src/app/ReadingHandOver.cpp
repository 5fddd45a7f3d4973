// SPDX-License-Identifier: MIT
#include "ReadingHandOver.h"

#include "screens/Navigation.h"
#include "screens/WindowSet.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace Application {
namespace {

bool canTakeReading(const WindowSet &set)
{
    // Without a main window the run is leaving (only the companion screen is left) or has ended.
    const bool running = !set.hasEnded() && (set.openMain() || set.openResult());
    return running && !QGuiApplication::modalWindow();
}

}  // namespace

bool TakeReading(WindowSet &set, const QString &path)
{
    if (!canTakeReading(set))
        return false;
    QTimer::singleShot(0, QCoreApplication::instance(), [&set, path] {
        if (canTakeReading(set))
            Navigation::OpenReading(set, path);
    });
    return true;
}

}  // namespace Application
