// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QLabel;
class WindowSet;

// The match of two wetons: two dates of birth, each shown as its weton with its neptu, the sum read by
// the published table of nine, the match's name and its meaning. Modeless, like the calendar: it changes
// nothing of the reading, and the user may look dates up in the calendar beside it.
class MatchWindow final : public QDialog
{
    Q_OBJECT
public:
    explicit MatchWindow(WindowSet &set);

    // Brings the window up, with the reading's date of birth as the first date when there is one (an
    // invalid date for none).
    void showFor(QDate birth);

    QDateEdit *firstDate = nullptr;
    QDateEdit *secondDate = nullptr;
    QLabel *firstWeton = nullptr;
    QLabel *secondWeton = nullptr;
    QLabel *rule = nullptr;
    QLabel *matchName = nullptr;
    QLabel *meaning = nullptr;

signals:
    void closed();

private:
    QDateEdit *dateBox(const char *name, QDate date);
    void showMatch();

    WindowSet &m_set;
};
