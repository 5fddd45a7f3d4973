// SPDX-License-Identifier: MIT
#include "FormDialog.h"

#include <QCloseEvent>

void FormDialog::openOver(QWidget *opener)
{
    if (opener && parentWidget() != opener)
        setParent(opener, windowFlags());
    centre();
    open();
}

void FormDialog::done(int result)
{
    Form::done(result);
    finishClosing();
}

void FormDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    done(Rejected);
}

void FormDialog::announceClosed() { emit closed(); }
