// SPDX-License-Identifier: MIT
#include "Navigation.h"

#include "WindowSet.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmMain.h"

namespace Navigation {

void showCompanionScreen(WindowSet &set)
{
    // A main window that closes while the other is open is a move between them. Otherwise the user is
    // leaving, and the companion screen must be the last window: the look-up windows go first.
    if (!(set.openMain() && set.openResult()))
        set.closeLookUpWindows();
    set.nag().showAtExit();
}

void hideCompanionScreen(WindowSet &set)
{
    set.nag().hide();
    if (CalendarWindow *calendar = set.openCalendar())
        calendar->setBirth(set.shownBirthDate(), set.shownAfterSunset());
    if (MatchWindow *match = set.openMatch())
        match->setBirth(set.shownBirthDate(), set.shownAfterSunset());
}

void showResult(WindowSet &set, const std::optional<WetonResult> &result)
{
    frmJavaneseAstrology &window = set.result();
    if (result) {
        set.wetonResult() = *result;
        window.display(*result);
    }
    window.showCentred();
}

void Back(WindowSet &set)
{
    set.main().showCentred();
    if (frmJavaneseAstrology *result = set.openResult())
        result->close();
    hideCompanionScreen(set);
}

void OpenReading(WindowSet &set, const QString &path)
{
    if (set.openResult())
        Back(set);
    set.main().OpenFile(path);
    FormWindow *shown = set.openResult() && set.openResult()->isVisible() ? static_cast<FormWindow *>(set.openResult())
                                                                          : set.openMain();
    if (shown) {
        shown->raise();
        shown->activateWindow();
    }
}

}  // namespace Navigation
