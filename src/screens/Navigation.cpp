// SPDX-License-Identifier: MIT
#include "Navigation.h"

#include "WindowSet.h"
#include "frmJavaneseAstrology.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

namespace Navigation {

void showCompanionScreen(WindowSet &set) { set.nag().showAtExit(); }

void hideCompanionScreen(WindowSet &set) { set.nag().hide(); }

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
