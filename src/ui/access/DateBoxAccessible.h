// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class DateBox;
class QLineEdit;

// What a screen reader is told about a date box: a spin box named by its caption, whose text is the date
// as shown and whose value is the date in words. It offers no number: Qt's own interface for date boxes
// reports the value 0. It controls the texts that follow the date.
class DateBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DateBoxAccessible(DateBox *box);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

    // The text is the box's own line of text, which Qt gives no interface of its own.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    using QAccessibleWidget::text;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    [[nodiscard]] QLineEdit *line() const;
};
