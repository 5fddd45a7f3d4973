// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class MainWindowMoves;
class QAction;
class QMenu;
class QMenuBar;
class QString;

namespace platform {
class Browser;
}

// The parts of the two menu bars that the entry and result windows share.
namespace AppMenus {

QAction *addEntry(QMenu *menu, const char *name, const QString &caption, std::function<void()> onChoose);
QAction *addSeparator(QMenu *menu, const char *name);
QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption);

// Calendar: the Javanese calendar and the match of two wetons, both for the reading on screen, if any.
void addCalendarMenu(QMenuBar *bar, MainWindowMoves &moves);

// Help (online help, visit, update, about; separators named as given), then Donate and Make Money Online.
void addHelpAndOffers(QMenuBar *bar, platform::Browser &browser, MainWindowMoves &moves,
                      const char *separatorAfterVisit, const char *separatorBeforeAbout);

}  // namespace AppMenus
