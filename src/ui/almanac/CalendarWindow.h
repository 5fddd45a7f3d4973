// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"
#include "ui/kit/FormWindow.h"

#include <QDate>

class AlertLabel;
class CalendarModel;
class CalendarView;
class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;
struct CurrentReading;

// The Javanese calendar: a month of the almanac, one wuku per row, each day with its market day and
// Javanese date, moved through by buttons, a month and year chooser or the keyboard, with the chosen
// day's details beside it. Modeless: the user looks things up in it beside the main windows. It opens
// within the screen and can be made as small as its texts allow; today's mark follows the clock.
class CalendarWindow final : public FormWindow
{
    Q_OBJECT
public:
    struct Services
    {
        const platform::Clock &clock;
        platform::Printer &printer;
        platform::MessageBoxes &messages;
        platform::FileDialogs &fileDialogs;
    };

    // The reading gives the name printed with a month that marks a date of birth.
    CalendarWindow(const Services &services, const CurrentReading &reading);

    // Brings the window up at the month of the reading's date of birth, chosen and marked with its
    // wetonan, or at today (the nearest day covered) when no reading is shown (an invalid date). After
    // sunset the wetonan follow the next civil day, and a line says so.
    void showFor(QDate birth, bool afterSunset = false);
    // The reading on screen changed: the marks follow it; the month stays.
    void setBirth(QDate birth, bool afterSunset);

    [[nodiscard]] QDate chosenDate() const;
    [[nodiscard]] const CalendarModel &model() const { return *m_model; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildNavigation(QBoxLayout *layout);
    void buildDetails(QBoxLayout *layout);
    void buildButtons(QBoxLayout *layout);
    QToolButton *stepButton(const char *name, const QString &caption, const QString &spoken, int months);

    // Shows the month of the date and chooses the day; a date the calendar does not cover is refused with
    // the reason, and the month on show stays.
    bool goTo(QDate date);
    void chooseFromLists();
    void showChosenDay();
    // Marks today as the clock says, and looks again at the next midnight.
    void followTheClock();
    void print();
    void exportWetonan();

    const Services m_services;
    const CurrentReading &m_reading;
    CalendarModel *m_model;
    QTimer *m_clockTimer;
    QDate m_birth;
    bool m_afterSunset = false;
    bool m_sized = false;

    CalendarView *grid = nullptr;
    QLabel *title = nullptr;
    QLabel *javaneseTitle = nullptr;
    QLabel *hijriTitle = nullptr;
    QLabel *details = nullptr;
    QLabel *sunsetNote = nullptr;  // why the wetonan follow the day after the birth
    QLabel *hijriNote = nullptr;   // what the Hijri date is reckoned by
    AlertLabel *reason = nullptr;  // why a move was refused, until the next move that succeeds
    QWidget *birthLegend = nullptr;
    QToolButton *previousYear = nullptr;
    QToolButton *previousMonth = nullptr;
    QToolButton *nextMonth = nullptr;
    QToolButton *nextYear = nullptr;
    QComboBox *monthList = nullptr;
    QSpinBox *yearBox = nullptr;
    QPushButton *todayButton = nullptr;
    QPushButton *exportButton = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *closeButton = nullptr;
};
