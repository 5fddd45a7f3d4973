// SPDX-License-Identifier: MIT
#pragma once

#include "Form.h"

// A dialog of the program: modal over the window it was opened from, which the window manager then keeps
// it above, with no task-bar entry of its own; or, like the match window, standing beside the other
// windows. Esc closes it. However it closes, its close step runs and it announces closed(); the window
// set then discards it.
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
    void announceClosed() override;
};
