#pragma once

#include "FormWindow.h"

class WindowSet;

// The companion-software screen shown when the user leaves the program; closing it ends the run.
class frmNagScreen2 final : public FormWindow
{
    Q_OBJECT
public:
    explicit frmNagScreen2(WindowSet &set);

    // Shown modeless above other windows, without taking the focus from them.
    void showAtExit();

protected:
    void closeStep() override;

private:
    WindowSet &m_set;
};
