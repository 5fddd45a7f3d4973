// SPDX-License-Identifier: MIT
#include "CalendarDelegate.h"

#include "CalendarModel.h"
#include "weton/DayMarks.h"

#include <QPainter>

namespace {

constexpr int Padding = 6;
constexpr int FrameWidth = 3;

QFont dayFont(const QFont &base)
{
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * 1.5);
    font.setBold(true);
    return font;
}

QFont boldFont(const QFont &base)
{
    QFont font = base;
    font.setBold(true);
    return font;
}

void frame(QPainter *painter, const QRect &cell, const QColor &colour, int width)
{
    painter->setPen(QPen(colour, width));
    painter->setBrush(Qt::NoBrush);
    const int inset = width / 2;
    painter->drawRect(cell.adjusted(inset, inset, -inset - 1, -inset - 1));
}

}  // namespace

void CalendarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const QRect cell = option.rect;
    if (!(index.flags() & Qt::ItemIsEnabled)) {
        painter->fillRect(cell, OtherMonth);
        painter->restore();
        return;
    }
    const int marks = index.data(CalendarModel::MarksRole).toInt();
    painter->fillRect(cell, marks & DayMarks::Birth ? BirthGround : marks & DayMarks::Wetonan ? WetonanGround : Ground);
    const QRect inner = cell.adjusted(Padding + FrameWidth, Padding, -Padding - FrameWidth, -Padding);
    painter->setPen(Text);
    painter->setFont(dayFont(option.font));
    painter->drawText(inner, Qt::AlignLeft | Qt::AlignTop, index.data(Qt::DisplayRole).toString());
    painter->setPen(MinorText);
    painter->setFont(option.font);
    painter->drawText(inner, Qt::AlignRight | Qt::AlignTop, index.data(CalendarModel::MarketDayRole).toString());
    const bool monthBegins = index.data(CalendarModel::MonthBeginsRole).toBool();
    painter->setPen(monthBegins ? MonthBegins : MinorText);
    painter->setFont(monthBegins ? boldFont(option.font) : option.font);
    painter->drawText(inner, Qt::AlignLeft | Qt::AlignBottom, index.data(CalendarModel::JavaneseDayRole).toString());
    // Both frames lie in the padding, clear of the texts; the chosen day's runs inside today's.
    QRect framed = cell;
    if (marks & DayMarks::Today) {
        frame(painter, framed, TodayFrame, FrameWidth);
        framed.adjust(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
    }
    if (option.state & QStyle::State_Selected)
        frame(painter, framed, ChosenFrame, FrameWidth);
    painter->restore();
}

QSize CalendarDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    // Room for the widest texts any day can show: a two-digit day beside "Pahing", and a month's first
    // day, "1 Jumadilakir", below.
    const QFontMetrics day(dayFont(option.font)), minor(option.font), bold(boldFont(option.font));
    const int width =
        std::max(day.horizontalAdvance(QStringLiteral("30")) + minor.horizontalAdvance(QStringLiteral(" Pahing")),
                 bold.horizontalAdvance(QStringLiteral("1 Jumadilakir")));
    return {width + 2 * (Padding + FrameWidth), day.height() + bold.height() + 2 * Padding};
}
