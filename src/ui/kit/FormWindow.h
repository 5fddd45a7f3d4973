// SPDX-License-Identifier: MIT
#pragma once

#include "Form.h"

// A modeless window of the program. However it closes (its close box, a menu entry, Esc where the window
// allows it, the end of the run), its close step runs and it announces closed(); the window set then
// discards it.
class FormWindow : public Form<QWidget>
{
    Q_OBJECT
public:
    using Form::Form;

    // Centred on the screen the first time it is shown.
    void showCentred();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void announceClosed() override;
};
