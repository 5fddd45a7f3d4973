// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QTableView>

class CalendarModel;

// The month's table, moved through as any calendar is: arrows by a day or a week, Home and End to the
// month's first and last day, Page Up and Page Down by a month, with Shift or Ctrl by a year. A move
// that leaves the month on show is handed to the window, which turns the page.
class CalendarView final : public QTableView
{
    Q_OBJECT
public:
    CalendarView(CalendarModel *model, QWidget *parent);

signals:
    void leavingMonth(QDate target);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    CalendarModel *m_model;
};
