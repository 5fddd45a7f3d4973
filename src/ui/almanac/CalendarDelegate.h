// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

// Draws a day of the almanac: the Gregorian day large, the market day beside it, the Javanese day below
// (with the month's name, in colour, where a Javanese month begins), the name of a pranata mangsa in
// italics on the day it begins, on a ground that marks the date of
// birth or its wetonan, framed when it is today or chosen. The colours are the program's own, so the
// texts keep their contrast under any desktop palette. In a cell too small for them the texts end in an
// ellipsis.
class CalendarDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr QColor Ground{255, 255, 255};
    static constexpr QColor OtherMonth{224, 224, 224};
    static constexpr QColor BirthGround{255, 214, 102};
    static constexpr QColor WetonanGround{198, 239, 206};
    static constexpr QColor TodayFrame{192, 0, 0};
    static constexpr QColor ChosenFrame{0, 0, 128};
    static constexpr QColor Text{0, 0, 0};
    static constexpr QColor MinorText{64, 64, 64};
    static constexpr QColor MonthBegins{128, 0, 0};
    static constexpr QColor MangsaBegins{0, 80, 40};

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The smallest cell in which every text still shows, if cut short: the day and both lines.
    [[nodiscard]] static QSize minimumCellSize(const QFont &font);
};
