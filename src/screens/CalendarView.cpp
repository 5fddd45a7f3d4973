// SPDX-License-Identifier: MIT
#include "CalendarView.h"

#include "CalendarDelegate.h"
#include "CalendarModel.h"

#include <QHeaderView>

CalendarView::CalendarView(CalendarModel *model, QWidget *parent) : QTableView(parent), m_model(model)
{
    setObjectName(QStringLiteral("calendarGrid"));
    setModel(model);
    setItemDelegate(new CalendarDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);  // Tab leaves the table, as it leaves any other control
    setCornerButtonEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

QModelIndex CalendarView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QDate from = m_model->dateAt(currentIndex());
    if (!from.isValid())
        return QTableView::moveCursor(action, modifiers);
    const bool byYear = modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
    QDate to;
    switch (action) {
    case MoveLeft: to = from.addDays(-1); break;
    case MoveRight: to = from.addDays(1); break;
    case MoveUp: to = from.addDays(-7); break;
    case MoveDown: to = from.addDays(7); break;
    case MoveHome: to = QDate(from.year(), from.month(), 1); break;
    case MoveEnd: to = QDate(from.year(), from.month(), from.daysInMonth()); break;
    case MovePageUp: to = byYear ? from.addYears(-1) : from.addMonths(-1); break;
    case MovePageDown: to = byYear ? from.addYears(1) : from.addMonths(1); break;
    default: return currentIndex();
    }
    const QModelIndex inMonth = m_model->indexOf(to);
    if (inMonth.isValid())
        return inMonth;
    emit leavingMonth(to);
    return currentIndex();
}
