// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"
#include "ui/kit/FormWindow.h"
#include "weton/WetonResult.h"

#include <array>

class LinkCaption;
class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class ResultMoves;
struct CurrentReading;

// The result window: shows the four texts of a reading's outcome.
class frmJavaneseAstrology final : public FormWindow
{
    Q_OBJECT
public:
    struct Services
    {
        platform::Browser &browser;
        platform::MessageBoxes &messages;
        platform::FileDialogs &fileDialogs;
        const platform::Clock &clock;
    };

    // The reading gives the date of birth that the wetonan are exported for.
    frmJavaneseAstrology(const Services &services, const CurrentReading &reading, ResultMoves &moves);

    // The four texts go into the result labels 0 to 3; a birth after sunset says why they are the next
    // day's in a line above the description.
    void display(const WetonResult &result);

protected:
    void closeStep() override;

private:
    void buildResultRows();
    void buildBottomStrip();
    void buildMenus();

    void cmdSave_Click();
    void cmdBack_Click();
    void exportWetonan();
    void showSunsetLine();

    const Services m_services;
    const CurrentReading &m_reading;
    ResultMoves &m_moves;

    LinkCaption *Label14 = nullptr;
    QFrame *Shape1 = nullptr;
    std::array<QLabel *, 3> Label1{};
    std::array<QLabel *, 4> lblJavaneseResult{};
    QLabel *lblAfterSunset = nullptr;
    QScrollArea *descriptionArea = nullptr;
    QFrame *Frame5 = nullptr;
    LinkCaption *lblCobrand = nullptr;
    LinkCaption *lblFullBrand = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdBack = nullptr;
    QAction *mnuBack = nullptr;
    QAction *mnuExportWetonan = nullptr;
    QAction *mnuExit = nullptr;
};
