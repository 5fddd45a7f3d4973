// SPDX-License-Identifier: MIT
#pragma once

#include <QDateEdit>
#include <QList>
#include <QPointer>

// A date of birth picked from a calendar that drops down, in the interface's language, within the days
// the program reckons, its weeks starting on Sunday as the Javanese calendar's do. A screen reader hears
// the date itself, not a number, and learns which texts the date decides.
class DateBox final : public QDateEdit
{
    Q_OBJECT
public:
    DateBox(const char *name, QDate date, QWidget *parent);

    // The texts that follow the date, which a screen reader is told the box controls.
    void setControlled(const QList<QWidget *> &texts);
    [[nodiscard]] QList<QWidget *> controlled() const;

private:
    QList<QPointer<QWidget>> m_controlled;
};
