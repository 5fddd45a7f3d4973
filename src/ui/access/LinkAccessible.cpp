// SPDX-License-Identifier: MIT
#include "LinkAccessible.h"

#include "ui/kit/LinkCaption.h"

LinkAccessible::LinkAccessible(LinkCaption *link) : QAccessibleWidget(link, QAccessible::Link) {}

QStringList LinkAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void LinkAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && widget()->isEnabled())
        emit static_cast<LinkCaption *>(widget())->clicked();
    else
        QAccessibleWidget::doAction(actionName);
}
