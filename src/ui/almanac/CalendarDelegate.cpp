// SPDX-License-Identifier: MIT
#include "CalendarDelegate.h"

#include "CalendarModel.h"
#include "weton/DayMarks.h"
#include "weton/DaySignCatalogue.h"

#include <QPainter>

namespace {

constexpr int Padding = 6;
constexpr int FrameWidth = 3;
constexpr int Gap = 4;  // between the day and the market day beside it

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

QFont italicFont(const QFont &base)
{
    QFont font = base;
    font.setItalic(true);
    return font;
}

void frame(QPainter *painter, const QRect &cell, const QColor &colour, int width)
{
    painter->setPen(QPen(colour, width));
    painter->setBrush(Qt::NoBrush);
    const int inset = width / 2;
    painter->drawRect(cell.adjusted(inset, inset, -inset - 1, -inset - 1));
}

// A text cut to the room there is, with an ellipsis; the whole day is in the cell's tooltip and in what
// a screen reader hears.
void drawFitted(QPainter *painter, const QRect &room, Qt::Alignment alignment, const QString &text)
{
    painter->drawText(room, alignment, painter->fontMetrics().elidedText(text, Qt::ElideRight, room.width()));
}

int widest(const QFontMetrics &metrics, const QStringList &texts)
{
    int width = 0;
    for (const QString &text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    return width;
}

QStringList marketDays()
{
    QStringList names;
    for (int market = 0; market < 5; ++market)
        names << DaySignCatalogue::marketDayInLookupOrder(market);
    return names;
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
    // The padding shrinks with a small cell; the frames keep their place in it.
    const int padding = std::clamp(std::min(cell.width(), cell.height()) / 10, FrameWidth, Padding);
    const QRect inner = cell.adjusted(padding + FrameWidth, padding, -padding - FrameWidth, -padding);
    painter->setPen(Text);
    painter->setFont(dayFont(option.font));
    const QString day = index.data(Qt::DisplayRole).toString();
    drawFitted(painter, inner, Qt::AlignLeft | Qt::AlignTop, day);
    const int dayWidth = painter->fontMetrics().horizontalAdvance(day) + Gap;
    painter->setPen(MinorText);
    painter->setFont(option.font);
    drawFitted(painter, inner.adjusted(dayWidth, 0, 0, 0), Qt::AlignRight | Qt::AlignTop,
               index.data(CalendarModel::MarketDayRole).toString());
    const bool monthBegins = index.data(CalendarModel::MonthBeginsRole).toBool();
    painter->setPen(monthBegins ? MonthBegins : MinorText);
    painter->setFont(monthBegins ? boldFont(option.font) : option.font);
    const QString javaneseDay = index.data(CalendarModel::JavaneseDayRole).toString();
    drawFitted(painter, inner, Qt::AlignLeft | Qt::AlignBottom, javaneseDay);
    // A mangsa's first day carries its name beside the Javanese day, in the room that day's text leaves.
    const QString mangsa = index.data(CalendarModel::MangsaBeginsRole).toString();
    if (!mangsa.isEmpty()) {
        const int javaneseWidth = painter->fontMetrics().horizontalAdvance(javaneseDay) + Gap;
        painter->setPen(MangsaBegins);
        painter->setFont(italicFont(option.font));
        drawFitted(painter, inner.adjusted(javaneseWidth, 0, 0, 0), Qt::AlignRight | Qt::AlignBottom, mangsa);
    }
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
    // Room for the widest texts any day can show: a two-digit day beside the widest market day, and the
    // widest first day of a Javanese month below.
    const QFontMetrics day(dayFont(option.font)), minor(option.font), bold(boldFont(option.font));
    QStringList monthBegins;
    for (int month = 1; month <= 12; ++month)
        monthBegins << CalendarModel::monthBeginText(month);
    const int width = std::max(day.horizontalAdvance(QStringLiteral("30")) + Gap + widest(minor, marketDays()),
                               widest(bold, monthBegins));
    return {width + 2 * (Padding + FrameWidth), day.height() + bold.height() + 2 * Padding};
}

QSize CalendarDelegate::minimumCellSize(const QFont &font)
{
    // The day's number and the two lines, without padding: anything smaller would cut the texts in height.
    const QFontMetrics day(dayFont(font)), bold(boldFont(font));
    return {day.horizontalAdvance(QStringLiteral("30")) + 2 * (FrameWidth + FrameWidth),
            day.height() + bold.height() + 2 * FrameWidth};
}
