// SPDX-License-Identifier: MIT
#pragma once

#include "ui/outreach/CompanionMoves.h"
#include "ui/reading/ReadingMoves.h"

class WindowSet;

// The moves the windows may ask for, carried out on the window set by Navigation. The windows know only
// the interfaces; this is the one object behind them.
class WindowMoves final : public EntryMoves, public ResultMoves, public CompanionMoves
{
public:
    explicit WindowMoves(WindowSet &set) : m_set(set) {}

    void openAbout(QWidget *opener) override;
    void openCalendar() override;
    void openMatch() override;
    void showCompanionScreen() override;
    void showResult(const std::optional<WetonResult> &result) override;
    void hideCompanionScreen() override;
    void Back() override;
    void openReport(QWidget *opener) override;
    void EndApplication() override;

private:
    WindowSet &m_set;
};
