// SPDX-License-Identifier: MIT
// Figures for the calendar window, drawn offscreen: opening it (the window built, its first month laid
// out and painted), laying out one month, painting one, and moving a month with Page Down, each as the
// median of many rounds. Run with QT_QPA_PLATFORM=offscreen.

#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/almanac/CalendarView.h"
#include "ui/almanac/CalendarWindow.h"
#include "weton/MonthSheet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using support::child;

namespace {

double medianMilliseconds(int rounds, const std::function<void(int)> &work)
{
    std::vector<qint64> times;
    QElapsedTimer timer;
    for (int round = 0; round < rounds; ++round) {
        timer.start();
        work(round);
        times.push_back(timer.nsecsElapsed());
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[rounds / 2] / 1e6;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());

    QElapsedTimer timer;
    timer.start();
    CalendarWindow &calendar = set.calendar();
    calendar.showFor(QDate(1980, 6, 7));
    const QPixmap first = calendar.grab();
    const double open = timer.nsecsElapsed() / 1e6;

    // Every month of the range in turn, so no two rounds lay out the same month.
    const double layout = medianMilliseconds(1000, [](int round) {
        const MonthSheet sheet(1901 + round / 12 % 136, round % 12 + 1);
        if (sheet.rows() == 0)
            std::abort();
    });
    const double paint = medianMilliseconds(100, [&calendar](int) { (void)calendar.grab(); });
    const double move = medianMilliseconds(100, [&calendar](int) {
        QTest::keyClick(child<CalendarView>(calendar, "calendarGrid"), Qt::Key_PageDown);
        (void)calendar.grab();
    });
    std::printf("open the calendar (built, first month laid out and painted): %.1f ms, %dx%d pixels\n", open,
                first.width(), first.height());
    std::printf("lay out one month (median of 1000):                         %.1f us\n", layout * 1000);
    std::printf("paint the window with its month (median of 100):            %.1f ms\n", paint);
    std::printf("move a month with Page Down, laid out and painted (median of 100): %.1f ms\n", move);
    return calendar.chosenDate() == QDate(1988, 10, 7) ? 0 : 1;  // 100 months after June 1980
}
