// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A drop-down list as a screen reader sees it: named by its caption, its chosen item as its value.
// Qt's own interface for lists on Unix reports the chosen item as the name too, so a reader would
// announce "January" where it should say "Month".
class ListAccessible final : public QAccessibleWidget
{
public:
    explicit ListAccessible(QComboBox *list);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QComboBox *list() const;
};
