#pragma once

#include "FormWindow.h"

class WindowSet;

// The report window: the reading as one formatted document, printed or saved from here.
class frmSave final : public FormWindow
{
    Q_OBJECT
public:
    explicit frmSave(WindowSet &set);

private:
    WindowSet &m_set;
};
