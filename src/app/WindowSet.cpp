// SPDX-License-Identifier: MIT
#include "WindowSet.h"

#include "Identity.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/outreach/frmAbout.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmMain.h"
#include "ui/reading/frmSave.h"
#include "weton/GregorianMonths.h"

#include <QCoreApplication>

WindowSet::WindowSet(platform::Platform &platform) : m_platform(platform) {}

WindowSet::~WindowSet()
{
    // Windows already closed wait for deletion in the event queue; release them with the rest.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmMain &WindowSet::main() { return m_main.get(*this); }
frmJavaneseAstrology &WindowSet::result() { return m_result.get(*this); }
frmSave &WindowSet::report() { return m_report.get(*this); }
frmAbout &WindowSet::about() { return m_about.get(*this); }
frmNagScreen2 &WindowSet::nag() { return m_nag.get(*this); }
CalendarWindow &WindowSet::calendar() { return m_calendar.get(*this); }
MatchWindow &WindowSet::match() { return m_match.get(*this); }

QDate WindowSet::shownBirthDate() const
{
    const std::optional<int> month = GregorianMonths::indexOf(m_reading.BirthMonth);
    return openResult() && month ? QDate(m_reading.BirthYear, *month + 1, m_reading.BirthDay) : QDate();
}

void WindowSet::setWetonResult(const WetonResult &result)
{
    m_wetonResult = result;
    this->result().display(result);
}

platform::MessageAnswer WindowSet::message(const QString &text, platform::MessageIcon icon,
                                           platform::MessageButtons buttons)
{
    return m_platform.messages.show({text, Identity::ApplicationTitle, icon, buttons});
}

void WindowSet::EndApplication()
{
    if (!m_ending) {
        m_ending = true;
        const auto closeIfOpen = [this](auto *window) {
            if (window && !m_ended && !window->isClosing())
                window->close();
        };
        if (QWidget *calendar = openCalendar())
            calendar->close();
        if (QWidget *match = openMatch())
            match->close();
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
