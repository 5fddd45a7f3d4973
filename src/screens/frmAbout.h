#pragma once

#include "FormWindow.h"

class WindowSet;

// The about box: names the program and links to the maker's pages.
class frmAbout final : public FormWindow
{
    Q_OBJECT
public:
    explicit frmAbout(WindowSet &set);

private:
    WindowSet &m_set;
};
