// SPDX-License-Identifier: MIT
#pragma once

#include "weton/WetonResult.h"

#include <optional>

class QWidget;

// The moves the reading's two main windows ask of the program's flow. A window says what the user chose;
// the flow (src/app) knows the other windows and carries the move out.
class MainWindowMoves
{
public:
    // From the menus: the about box over the window, and the look-up windows beside it, for the reading on
    // screen if there is one.
    virtual void openAbout(QWidget *opener) = 0;
    virtual void openCalendar() = 0;
    virtual void openMatch() = 0;
    // The close step of a main window, however it closes: the companion screen comes up.
    virtual void showCompanionScreen() = 0;

protected:
    ~MainWindowMoves() = default;
};

// The entry window's moves besides the menus'.
class EntryMoves : public MainWindowMoves
{
public:
    // Calculate's outcome, empty when the reckoning could not say: the result window (created hidden if
    // need be) shows it and comes up.
    virtual void showResult(const std::optional<WetonResult> &result) = 0;
    // Once the entry window has made way for the result window: the companion screen its close step
    // brought up goes out of sight again, and the look-up windows follow the reading now on screen.
    virtual void hideCompanionScreen() = 0;

protected:
    ~EntryMoves() = default;
};

// The result window's moves besides the menus'.
class ResultMoves : public MainWindowMoves
{
public:
    // Back: a fresh entry window replaces the result window.
    virtual void Back() = 0;
    // Save: the report of the reading, modal over the opener.
    virtual void openReport(QWidget *opener) = 0;

protected:
    ~ResultMoves() = default;
};
