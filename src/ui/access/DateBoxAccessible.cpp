// SPDX-License-Identifier: MIT
#include "DateBoxAccessible.h"

#include "ui/kit/DateBox.h"
#include "weton/DayFacts.h"

#include <QLineEdit>

DateBoxAccessible::DateBoxAccessible(DateBox *box) : QAccessibleWidget(box, QAccessible::SpinBox) {}

QString DateBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return DayFacts::shownDate(static_cast<const DateBox *>(widget())->date());
    return QAccessibleWidget::text(t);
}

void *DateBoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
DateBoxAccessible::relations(QAccessible::Relation match) const
{
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> found = QAccessibleWidget::relations(match);
    if (match & QAccessible::Controlled)
        for (QWidget *text : static_cast<const DateBox *>(widget())->controlled())
            found.append({QAccessible::queryAccessibleInterface(text), QAccessible::Controlled});
    return found;
}

QLineEdit *DateBoxAccessible::line() const { return static_cast<const DateBox *>(widget())->findChild<QLineEdit *>(); }

void DateBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && line()->hasSelectedText()) {
        *startOffset = line()->selectionStart();
        *endOffset = *startOffset + int(line()->selectedText().size());
    }
}

int DateBoxAccessible::selectionCount() const { return line()->hasSelectedText() ? 1 : 0; }

void DateBoxAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void DateBoxAccessible::removeSelection(int) { line()->deselect(); }

void DateBoxAccessible::setSelection(int, int startOffset, int endOffset)
{
    line()->setSelection(startOffset, endOffset - startOffset);
}

int DateBoxAccessible::cursorPosition() const { return line()->cursorPosition(); }

void DateBoxAccessible::setCursorPosition(int position) { line()->setCursorPosition(position); }

QString DateBoxAccessible::text(int startOffset, int endOffset) const
{
    return line()->text().mid(startOffset, endOffset - startOffset);
}

int DateBoxAccessible::characterCount() const { return int(line()->text().size()); }

QRect DateBoxAccessible::characterRect(int offset) const
{
    // The line shows the whole date from its left edge; a character's place follows from the text before it.
    const QFontMetrics metrics = line()->fontMetrics();
    const QString shown = line()->text();
    const QRect room = line()->contentsRect();
    const int left = room.left() + metrics.horizontalAdvance(shown.left(offset));
    const QRect character(left, room.top(), metrics.horizontalAdvance(shown.mid(offset, 1)), room.height());
    return QRect(line()->mapToGlobal(character.topLeft()), character.size());
}

int DateBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return line()->cursorPositionAt(line()->mapFromGlobal(point));
}

void DateBoxAccessible::scrollToSubstring(int, int) {}  // the whole date is always in sight

QString DateBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    (void)offset;
    return {};
}
