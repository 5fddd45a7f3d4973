// SPDX-License-Identifier: MIT
#pragma once

#include "WindowMoves.h"
#include "platform/Platform.h"
#include "weton/CurrentReading.h"
#include "weton/WetonResult.h"

#include <QObject>

class frmMain;
class frmJavaneseAstrology;
class frmSave;
class frmAbout;
class frmNagScreen2;
class CalendarWindow;
class MatchWindow;

// One place for a window class: a closed window is created (and its load step run) on first use;
// closing it discards it, so the next use starts afresh from its design.
template <class Window>
class WindowSlot
{
public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot &) = delete;
    WindowSlot &operator=(const WindowSlot &) = delete;
    ~WindowSlot() { delete m_window; }

    // The window, made by `make` when none is open.
    template <class Make>
    Window &get(Make make)
    {
        if (!m_window) {
            m_window = make();
            Window *created = m_window;
            QObject::connect(created, &Window::closed, created, [this, created] {
                if (m_window == created)
                    m_window = nullptr;
                created->deleteLater();
            });
            // A dialog also dies with the window it was opened from.
            QObject::connect(created, &QObject::destroyed, [this, created] {
                if (m_window == created)
                    m_window = nullptr;
            });
        }
        return *m_window;
    }
    Window *ifOpen() const { return m_window; }

private:
    Window *m_window = nullptr;
};

// The program's windows (one of each class) and the reading on screen. It makes each window with the
// services that window uses and the moves it may ask for, and closes them all at the end of the run.
class WindowSet final
{
public:
    explicit WindowSet(platform::Platform &platform);
    ~WindowSet();

    platform::Platform &platform() { return m_platform; }
    CurrentReading &reading() { return m_reading; }

    // The reading's outcome, held here once: the result window shows it and the report is composed from
    // it. Until the first calculation every text is empty.
    WetonResult &wetonResult() { return m_wetonResult; }

    frmMain &main();
    frmJavaneseAstrology &result();
    frmSave &report();
    frmAbout &about();
    frmNagScreen2 &nag();
    CalendarWindow &calendar();
    MatchWindow &match();

    frmMain *openMain() const { return m_main.ifOpen(); }
    frmJavaneseAstrology *openResult() const { return m_result.ifOpen(); }
    frmSave *openReport() const { return m_report.ifOpen(); }
    frmAbout *openAbout() const { return m_about.ifOpen(); }
    frmNagScreen2 *openNag() const { return m_nag.ifOpen(); }
    CalendarWindow *openCalendar() const { return m_calendar.ifOpen(); }
    MatchWindow *openMatch() const { return m_match.ifOpen(); }

    // The date of birth of the reading on screen: while the result window is open, the reading's date;
    // otherwise an invalid date.
    QDate shownBirthDate() const;
    // Whether that person was born after sunset, so that the weton is the next civil day's.
    bool shownAfterSunset() const;

    // The look-up windows (calendar, match) go: the user is leaving, or the run ends.
    void closeLookUpWindows();

    // Closes every open window, each running its close step, then ends the run. Called again from a
    // close step while it runs, it ends the run there.
    void EndApplication();
    bool hasEnded() const { return m_ended; }

    // The last branding draw (1 to 7); nothing but the draw reads it.
    qint16 intCoBrandRandomNumber = 0;

private:
    // Closes the window if it is open and not closing already, unless the run has ended meanwhile.
    template <class Window>
    void closeIfOpen(Window *window)
    {
        if (window && !m_ended && !window->isClosing())
            window->close();
    }

    platform::Platform &m_platform;
    CurrentReading m_reading;
    WetonResult m_wetonResult;
    WindowMoves m_moves{*this};
    WindowSlot<frmMain> m_main;
    WindowSlot<frmJavaneseAstrology> m_result;
    WindowSlot<frmSave> m_report;
    WindowSlot<frmAbout> m_about;
    WindowSlot<frmNagScreen2> m_nag;
    WindowSlot<CalendarWindow> m_calendar;
    WindowSlot<MatchWindow> m_match;
    bool m_ending = false;
    bool m_ended = false;
};
