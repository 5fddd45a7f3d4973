// SPDX-License-Identifier: MIT
#include "ListAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

ListAccessible::ListAccessible(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

QComboBox *ListAccessible::list() const { return static_cast<QComboBox *>(widget()); }

QString ListAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return list()->currentText();
    return QAccessibleWidget::text(t);
}

// The items are reached through the list's pop-up view, its one child.
int ListAccessible::childCount() const { return list()->view() ? 1 : 0; }

QAccessibleInterface *ListAccessible::child(int index) const
{
    return index == 0 && list()->view() ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int ListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == list()->view() ? 0 : -1;
}

QStringList ListAccessible::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void ListAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        list()->showPopup();
    else
        QAccessibleWidget::doAction(actionName);
}
