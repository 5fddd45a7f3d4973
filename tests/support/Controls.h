// SPDX-License-Identifier: MIT
#pragma once

// The tests reach a window's controls as a user's tools do: by the name each control carries (its
// objectName), never through members of the window, which are private. Only the window's own controls
// count, not those of a dialog opened over it. A name that finds no control, or more than one, stops the
// test at once and says which.

#include <QObject>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <QtGlobal>

namespace support {

// Whether the object lies in the window itself (its menus included), not in another window (a dialog)
// that the window owns.
inline bool inWindow(const QObject *object, const QObject &window)
{
    for (; object && object != &window; object = object->parent())
        if (const auto *widget = qobject_cast<const QWidget *>(object);
            widget && widget->isWindow() && widget->windowType() != Qt::Popup)
            return false;
    return object == &window;
}

template <class Control>
QList<Control *> namedIn(const QObject &window, const char *name)
{
    QList<Control *> found;
    for (Control *control : window.findChildren<Control *>(QString::fromLatin1(name)))
        if (inWindow(control, window))
            found.append(control);
    return found;
}

// The one control of the window (or any other object) with that name and type.
template <class Control = QWidget>
Control *child(const QObject &window, const char *name)
{
    const QList<Control *> found = namedIn<Control>(window, name);
    if (found.size() != 1)
        qFatal("%s: %d controls named %s", qPrintable(window.objectName()), int(found.size()), name);
    return found.constFirst();
}

// One of an array of like controls (Label1 0 to 2, lblJavaneseResult 0 to 3): they share the name and
// carry their place in the array as the property "index".
template <class Control = QWidget>
Control *indexed(const QObject &window, const char *name, int index)
{
    Control *chosen = nullptr;
    for (Control *control : namedIn<Control>(window, name))
        if (control->property("index") == QVariant(index)) {
            if (chosen)
                qFatal("%s: two controls %s %d", qPrintable(window.objectName()), name, index);
            chosen = control;
        }
    if (!chosen)
        qFatal("%s: no control %s %d", qPrintable(window.objectName()), name, index);
    return chosen;
}

}  // namespace support
