// SPDX-License-Identifier: MIT
#include "AlertAccessible.h"

#include "ui/kit/AlertLabel.h"

AlertAccessible::AlertAccessible(AlertLabel *alert) : QAccessibleWidget(alert, QAccessible::AlertMessage) {}

QString AlertAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<const AlertLabel *>(widget())->text();
    return QAccessibleWidget::text(t);
}
