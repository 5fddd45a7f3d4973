// SPDX-License-Identifier: MIT
#include "WindowInFront.h"

#include <QApplication>

namespace platform {

QWidget *windowInFront()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

}  // namespace platform
