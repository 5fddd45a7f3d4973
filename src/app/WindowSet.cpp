// SPDX-License-Identifier: MIT
#include "WindowSet.h"

#include "ui/access/Accessibility.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/outreach/frmAbout.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmMain.h"
#include "ui/reading/frmSave.h"
#include "weton/GregorianMonths.h"

#include <QCoreApplication>

WindowSet::WindowSet(platform::Platform &platform) : m_platform(platform)
{
    // Before the first window: screen readers hear the program's own controls as what they are.
    Accessibility::install();
}

WindowSet::~WindowSet()
{
    // Windows already closed wait for deletion in the event queue; release them with the rest.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmMain &WindowSet::main()
{
    return m_main.get([this] {
        return new frmMain({m_platform.messages, m_platform.fileDialogs, m_platform.browser}, m_reading, m_moves);
    });
}

frmJavaneseAstrology &WindowSet::result()
{
    return m_result.get([this] {
        return new frmJavaneseAstrology(
            {m_platform.browser, m_platform.messages, m_platform.fileDialogs, m_platform.clock}, m_reading, m_moves);
    });
}

frmSave &WindowSet::report()
{
    return m_report.get([this] {
        return new frmSave({m_platform.messages, m_platform.fileDialogs, m_platform.printer, m_platform.browser},
                           m_reading, m_wetonResult);
    });
}

frmAbout &WindowSet::about()
{
    return m_about.get([this] { return new frmAbout(m_platform.browser); });
}

frmNagScreen2 &WindowSet::nag()
{
    return m_nag.get([this] {
        return new frmNagScreen2({m_platform.messages, m_platform.browser, m_platform.clock, m_platform.random},
                                 m_moves);
    });
}

CalendarWindow &WindowSet::calendar()
{
    return m_calendar.get([this] {
        return new CalendarWindow({m_platform.clock, m_platform.printer, m_platform.messages, m_platform.fileDialogs},
                                  m_reading);
    });
}

MatchWindow &WindowSet::match()
{
    return m_match.get([this] { return new MatchWindow(m_platform.clock); });
}

QDate WindowSet::shownBirthDate() const
{
    const std::optional<int> month = GregorianMonths::indexOf(m_reading.BirthMonth);
    return openResult() && month ? QDate(m_reading.BirthYear, *month + 1, m_reading.BirthDay) : QDate();
}

bool WindowSet::shownAfterSunset() const { return openResult() && m_reading.BornAfterSunset; }

void WindowSet::closeLookUpWindows()
{
    closeIfOpen(openCalendar());
    closeIfOpen(openMatch());
}

void WindowSet::EndApplication()
{
    if (!m_ending) {
        m_ending = true;
        closeLookUpWindows();
        closeIfOpen(openReport());
        closeIfOpen(openAbout());
        closeIfOpen(openMain());
        closeIfOpen(openResult());
        closeIfOpen(openNag());
    }
    if (!m_ended) {
        m_ended = true;
        m_platform.process.exit(0);
    }
}
