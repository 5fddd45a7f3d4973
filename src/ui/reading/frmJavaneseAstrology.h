// SPDX-License-Identifier: MIT
#pragma once

#include "ui/kit/FormWindow.h"
#include "weton/WetonResult.h"

#include <array>

class LinkCaption;
class QAction;
class QFrame;
class QLabel;
class QPushButton;
class ResultMoves;

namespace platform {
class Browser;
}

// The result window: shows the four texts of a reading's outcome.
class frmJavaneseAstrology final : public FormWindow
{
    Q_OBJECT
public:
    frmJavaneseAstrology(platform::Browser &browser, ResultMoves &moves);

    // The four texts go into the result labels 0 to 3.
    void display(const WetonResult &result);

protected:
    void closeStep() override;

private:
    void buildResultRows();
    void buildBottomStrip();
    void buildMenus();

    void cmdSave_Click();
    void cmdBack_Click();

    platform::Browser &m_browser;
    ResultMoves &m_moves;

    LinkCaption *Label14 = nullptr;
    QFrame *Shape1 = nullptr;
    std::array<QLabel *, 3> Label1{};
    std::array<QLabel *, 4> lblJavaneseResult{};
    QFrame *Frame5 = nullptr;
    LinkCaption *lblCobrand = nullptr;
    LinkCaption *lblFullBrand = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdBack = nullptr;
    QAction *mnuBack = nullptr;
    QAction *mnuExit = nullptr;
};
