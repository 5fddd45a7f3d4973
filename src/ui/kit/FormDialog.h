// SPDX-License-Identifier: MIT
#pragma once

#include "Form.h"

// A modal window of the program. It belongs to the window it was opened from, so the window manager
// keeps it above that window and gives it no task-bar entry of its own; Esc closes it. However it
// closes, it announces closed(), and the window set discards it.
class FormDialog : public Form<QDialog>
{
    Q_OBJECT
public:
    using Form::Form;

    // Modal over the opener, centred on the screen; returns at once.
    void openOver(QWidget *opener);

    void done(int result) override;

signals:
    void closed();

protected:
    // Also while hidden: the end of the run closes every window.
    void closeEvent(QCloseEvent *event) override;
};
