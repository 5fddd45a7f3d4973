// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class AlertLabel;

// What a screen reader is told about an alert line: an alert, named by what it says.
class AlertAccessible final : public QAccessibleWidget
{
public:
    explicit AlertAccessible(AlertLabel *alert);

    QString text(QAccessible::Text t) const override;
};
