// SPDX-License-Identifier: MIT
#include "LinkCaption.h"

#include "Look.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A small pointing hand drawn once: the links' own pointer, the same on every platform.
QCursor makePointer()
{
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9, 2, 5, 15), 2.5, 2.5);  // pointing finger
    hand.addRoundedRect(QRectF(9, 12, 15, 14), 4, 4);    // palm with folded fingers
    hand.addRoundedRect(QRectF(4, 14, 7, 5), 2.5, 2.5);  // thumb
    painter.setPen(QPen(Qt::black, 1.4));
    painter.setBrush(QColor(255, 240, 200));
    painter.drawPath(hand.simplified());
    painter.setPen(QPen(Qt::black, 1));
    for (int x : {14, 18})
        painter.drawLine(QPointF(x, 13), QPointF(x, 18));
    painter.end();
    return QCursor(image, 11, 2);
}

}  // namespace

LinkCaption::LinkCaption(const QString &caption, std::function<void()> onClick, QWidget *parent)
    : QLabel(Look::shownCaption(caption), parent)
{
    setTextFormat(Qt::PlainText);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(pointer());
    setAccessibleName(text());
    connect(this, &LinkCaption::clicked, this, std::move(onClick));
}

const QCursor &LinkCaption::pointer()
{
    static const QCursor cursor = makePointer();
    return cursor;
}

void LinkCaption::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkCaption::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void LinkCaption::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click is not a click of its own: a person who double-clicks a link
    // out of habit gets one page, not two.
    m_pressed = false;
    event->accept();
}
