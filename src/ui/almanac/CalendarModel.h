// SPDX-License-Identifier: MIT
#pragma once

#include "weton/DayMarks.h"
#include "weton/MonthSheet.h"

#include <QAbstractTableModel>
#include <QDate>

// One month of the almanac as a table for Qt's views: a row per week (wuku, named in the row's header),
// a column per weekday from Sunday. Each day gives its Gregorian day as its text, its market day, its
// Javanese day and marks in roles of their own, and the whole day in one line to screen readers.
class CalendarModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    // MangsaBeginsRole: the name of the pranata mangsa that begins on the day, empty on the other days.
    enum Role { MarketDayRole = Qt::UserRole + 1, JavaneseDayRole, MonthBeginsRole, MarksRole, MangsaBeginsRole };

    explicit CalendarModel(QObject *parent = nullptr);

    // The month on show, and the days it marks (an invalid date for none); the wetonan of a birth after
    // sunset follow the next civil day.
    void setMonth(int year, int month);
    void setMarks(QDate today, QDate birth, bool afterSunset);
    [[nodiscard]] const MonthSheet &sheet() const { return m_sheet; }
    [[nodiscard]] QDate birth() const { return m_birth; }

    // The caption of the column of wuku names, on screen and on paper.
    [[nodiscard]] static QString wukuCaption();
    // What a mark means, as the legend beside the month and under the printed month says it.
    [[nodiscard]] static QString markCaption(DayMarks::Mark mark);
    // "1 Sura": the text of the day a Javanese month (1..12) begins.
    [[nodiscard]] static QString monthBeginText(int month);

    [[nodiscard]] QModelIndex indexOf(QDate date) const;
    [[nodiscard]] QDate dateAt(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    [[nodiscard]] QString spokenWithMarks(const DayFacts::Facts &day) const;

    MonthSheet m_sheet{0, 0};
    QDate m_today;
    QDate m_birth;
    bool m_afterSunset = false;
};
