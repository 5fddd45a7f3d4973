// SPDX-License-Identifier: MIT
#include "DateBox.h"

#include "Controls.h"
#include "weton/CoveredDays.h"
#include "weton/InterfaceLanguage.h"

#include <QCalendarWidget>

DateBox::DateBox(const char *name, QDate date, QWidget *parent) : QDateEdit(date, parent)
{
    setObjectName(QString::fromLatin1(name));
    setDateRange(CoveredDays::first(), CoveredDays::last());
    // Month names in the interface's language, whatever the desktop's locale says.
    setLocale(QLocale(InterfaceLanguage::current()));
    setDisplayFormat(QStringLiteral("d MMMM yyyy"));
    setCalendarPopup(true);
    calendarWidget()->setFirstDayOfWeek(Qt::Sunday);
    Controls::setInputColours(this, Look::Black, Look::White);
}

void DateBox::setControlled(const QList<QWidget *> &texts)
{
    m_controlled.clear();
    for (QWidget *text : texts)
        m_controlled << text;
}

QList<QWidget *> DateBox::controlled() const
{
    QList<QWidget *> texts;
    for (const QPointer<QWidget> &text : m_controlled)
        if (text)
            texts << text;
    return texts;
}
