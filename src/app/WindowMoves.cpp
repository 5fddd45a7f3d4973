// SPDX-License-Identifier: MIT
#include "WindowMoves.h"

#include "Navigation.h"
#include "WindowSet.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/outreach/frmAbout.h"
#include "ui/reading/frmSave.h"

void WindowMoves::openAbout(QWidget *opener) { m_set.about().openOver(opener); }

void WindowMoves::openCalendar() { m_set.calendar().showFor(m_set.shownBirthDate(), m_set.shownAfterSunset()); }

void WindowMoves::openMatch() { m_set.match().showFor(m_set.shownBirthDate(), m_set.shownAfterSunset()); }

void WindowMoves::showCompanionScreen() { Navigation::showCompanionScreen(m_set); }

void WindowMoves::showResult(const std::optional<WetonResult> &result) { Navigation::showResult(m_set, result); }

void WindowMoves::hideCompanionScreen() { Navigation::hideCompanionScreen(m_set); }

void WindowMoves::Back() { Navigation::Back(m_set); }

void WindowMoves::openReport(QWidget *opener) { m_set.report().openOver(opener); }

void WindowMoves::EndApplication() { m_set.EndApplication(); }
