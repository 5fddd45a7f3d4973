// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QTableView>

class CalendarModel;
class QLabel;

// The month's table, moved through as any calendar is: arrows by a day or a week, Home and End to the
// month's first and last day, Page Up and Page Down by a month, with Shift or Ctrl by a year. A move
// that leaves the month on show is handed to the window, which turns the page. The cells share the room
// the window gives the table, down to a size where every text still shows, cut short.
class CalendarView final : public QTableView
{
    Q_OBJECT
public:
    CalendarView(CalendarModel *model, QWidget *parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void leavingMonth(QDate target);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void changeEvent(QEvent *event) override;
    void updateGeometries() override;

private:
    void fitWukuNames();
    // The table with the headers and the most weeks a month spans, in cells of the given size.
    [[nodiscard]] QSize cellsSize(const QSize &cell) const;

    CalendarModel *m_model;
    QLabel *m_corner;
};
