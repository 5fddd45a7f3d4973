// SPDX-License-Identifier: MIT
#pragma once

#include "Form.h"

// A main window of the program, modeless, with a close step that runs however the window is closed.
// After its close step the window announces closed(), and the window set discards it.
class FormWindow : public Form<QWidget>
{
    Q_OBJECT
public:
    using Form::Form;

    // Modeless, centred on the screen the first time it is shown.
    void showCentred();

signals:
    void closed();

protected:
    virtual void closeStep() {}
    void closeEvent(QCloseEvent *event) override;
};
