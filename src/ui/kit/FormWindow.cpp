// SPDX-License-Identifier: MIT
#include "FormWindow.h"

#include <QCloseEvent>

void FormWindow::showCentred()
{
    centre();
    show();
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    finishClosing();
}

void FormWindow::announceClosed() { emit closed(); }
