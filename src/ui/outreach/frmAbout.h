// SPDX-License-Identifier: MIT
#pragma once

#include "ui/kit/FormDialog.h"

class LinkCaption;
class QFrame;
class QLabel;
class QPushButton;

namespace platform {
class Browser;
}

// The about box: names the program and its version, describes it, and links to the maker's pages.
// Opened modal over a main window; it reads nothing and changes nothing. OK is its default button, and
// Esc closes it as a dialog's cancel does.
class frmAbout final : public FormDialog
{
    Q_OBJECT
public:
    explicit frmAbout(platform::Browser &browser);

private:
    void buildHeading();
    void buildLinks(platform::Browser &browser);
    void buildFoot();

    QLabel *picIcon = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    LinkCaption *lblHomePage = nullptr;
    QLabel *Label3 = nullptr;
    LinkCaption *lblCoBrand = nullptr;
    QFrame *Line1 = nullptr;
    QPushButton *cmdOK = nullptr;
};
