// SPDX-License-Identifier: MIT
#include "Controls.h"

#include "LinkCaption.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace Controls {
namespace {

void shape(QLabel *label, const char *name, const QRect &place, const Text &look)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    QFont font = look.font;
    font.setUnderline(font.underline() || qobject_cast<LinkCaption *>(label));
    label->setFont(font);
    label->setAlignment(look.alignment);
    label->setWordWrap(look.wordWrap);
    setTextColour(label, look.colour);
}

// Push buttons do not wrap their captions; a long one is broken between words to fit the button.
QString wrapped(const QString &caption, const QFont &font, int width)
{
    const QFontMetrics metrics(font);
    const int room = width - 12;
    if (metrics.horizontalAdvance(caption) <= room)
        return caption;
    QStringList lines;
    QString line;
    for (const QString &word : caption.split(QLatin1Char(' '))) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > room) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &place, const Text &look)
{
    auto *control = new QLabel(text, parent);
    control->setTextFormat(Qt::PlainText);
    shape(control, name, place, look);
    return control;
}

LinkCaption *link(QWidget *parent, const char *name, const QString &caption, const QRect &place, const Text &look,
                  std::function<void()> onClick)
{
    auto *control = new LinkCaption(caption, std::move(onClick), parent);
    shape(control, name, place, look);
    return control;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &place, const QFont &font)
{
    auto *control = new QPushButton(wrapped(caption, font, place.width()), parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(place);
    control->setFont(font);
    // The caption may have been broken into lines to fit; a screen reader says it in one.
    control->setAccessibleName(Look::spokenCaption(caption));
    return control;
}

void growRightwards(QLabel *caption, int roomTwips)
{
    const int needed = caption->sizeHint().width();
    const int room = std::max(caption->width(), Look::px(roomTwips));
    caption->resize(std::clamp(needed, caption->width(), room), caption->height());
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setInputColours(QWidget *widget, const QColor &text, const QColor &ground)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    // A list draws its chosen item on the button ground, and its pop-up on the window ground.
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, ground);
    widget->setPalette(palette);
}

}  // namespace Controls
