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

    // Brings the window up, with the reading's date of birth as the first date when there is one (an
    // invalid date for none).
    void showFor(QDate birth);
    // The reading on screen changed: the first date follows it, unless the user has chosen one.
    void setBirth(QDate birth);

private:
    void showMatch();

    bool m_firstChosen = false;
    bool m_followingReading = false;

    DateBox *firstDate = nullptr;
    DateBox *secondDate = nullptr;
    QLabel *firstWeton = nullptr;
    QLabel *secondWeton = nullptr;
    QLabel *rule = nullptr;
    QLabel *matchName = nullptr;
    QLabel *meaning = nullptr;
};
