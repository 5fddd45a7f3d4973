// SPDX-License-Identifier: MIT
#pragma once

#include "Look.h"

#include <QString>
#include <functional>

class QLabel;
class QPushButton;
class QWidget;
class LinkCaption;

// Builders for the controls of the windows: each sets the Qt objectName to the control's name, places
// it by its twips rectangle and gives it its font and colour.
namespace Controls {

struct Text
{
    QFont font;
    QColor colour = Look::Black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
};

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &place, const Text &look);
LinkCaption *link(QWidget *parent, const char *name, const QString &caption, const QRect &place, const Text &look,
                  std::function<void()> onClick);
QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &place, const QFont &font);

// The windows are laid out for Verdana: with a wider substitute font, or a longer translation, a
// one-line caption grows rightwards to show its whole text, up to `roomTwips` wide, instead of being cut.
void growRightwards(QLabel *caption, int roomTwips);

void setTextColour(QWidget *widget, const QColor &colour);
void setBackground(QWidget *widget, const QColor &colour);
// For a box or list that the user types in or picks from: its text colour and the ground it was chosen
// for, so that a dark or high-contrast desktop palette cannot put the one on a ground of its own.
void setInputColours(QWidget *widget, const QColor &text, const QColor &ground);

}  // namespace Controls
