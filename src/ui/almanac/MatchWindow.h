// SPDX-License-Identifier: MIT
#pragma once

#include "ui/kit/FormDialog.h"

#include <QDate>

class DateBox;
class QLabel;

namespace platform {
class Clock;
}

// The match of two wetons: two dates of birth, each shown as its weton with its neptu, the reckoning of
// the match as a primbon reader does it (the two neptu, their sum, what is left of it divided by nine),
// the match's name and its meaning. Modeless, like the calendar: it changes nothing of the reading, and
// the user may look dates up in the calendar beside it.
class MatchWindow final : public FormDialog
{
    Q_OBJECT
public:
    // Both dates start at today, as the clock says (the nearest day covered).
    explicit MatchWindow(const platform::Clock &clock);

    // Brings the window up, with the reading's weton day as the first date when there is one (an invalid
    // date for none): the date of birth, or after sunset the next civil day.
    void showFor(QDate birth, bool afterSunset = false);
    // The reading on screen changed: the first date follows it, unless the user has chosen one; after
    // sunset a line under the dates says why the first date is the day after the birth.
    void setBirth(QDate birth, bool afterSunset = false);

private:
    void showMatch();

    bool m_firstChosen = false;
    bool m_followingReading = false;

    DateBox *firstDate = nullptr;
    DateBox *secondDate = nullptr;
    QLabel *firstWeton = nullptr;
    QLabel *secondWeton = nullptr;
    QLabel *rule = nullptr;
    QLabel *firstNote = nullptr;
    QLabel *matchName = nullptr;
    QLabel *meaning = nullptr;
};
