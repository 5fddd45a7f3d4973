// SPDX-License-Identifier: MIT
#include "AlertLabel.h"

#include <QAccessible>

AlertLabel::AlertLabel(QWidget *parent) : QLabel(parent)
{
    QSizePolicy keepsItsPlace = sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true);
    setSizePolicy(keepsItsPlace);
    hide();
}

void AlertLabel::announce(const QString &text)
{
    setText(text);
    // Shown afresh, so a refusal repeated is heard again.
    hide();
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void AlertLabel::withdraw()
{
    hide();
    clear();
}
