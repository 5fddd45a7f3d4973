// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class LinkCaption;

// What a screen reader is told about a link caption: a link, named by its caption, that can be
// followed as a click would.
class LinkAccessible final : public QAccessibleWidget
{
public:
    explicit LinkAccessible(LinkCaption *link);

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
};
