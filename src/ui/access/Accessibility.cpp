// SPDX-License-Identifier: MIT
#include "Accessibility.h"

#include "AlertAccessible.h"
#include "DateBoxAccessible.h"
#include "LinkAccessible.h"
#include "ListAccessible.h"
#include "ui/kit/AlertLabel.h"
#include "ui/kit/DateBox.h"
#include "ui/kit/LinkCaption.h"

#include <QComboBox>

namespace Accessibility {
namespace {

QAccessibleInterface *create(const QString &, QObject *object)
{
    if (auto *link = qobject_cast<LinkCaption *>(object))
        return new LinkAccessible(link);
    if (auto *alert = qobject_cast<AlertLabel *>(object))
        return new AlertAccessible(alert);
    if (auto *box = qobject_cast<DateBox *>(object))
        return new DateBoxAccessible(box);
    // An editable list keeps Qt's own interface, which names it by its caption's relation and reports
    // the typed text.
    if (auto *list = qobject_cast<QComboBox *>(object); list && !list->isEditable())
        return new ListAccessible(list);
    return nullptr;
}

}  // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(create);
        return true;
    }();
    (void)installed;
}

}  // namespace Accessibility
