// SPDX-License-Identifier: MIT
#include "AppMenus.h"

#include "ReadingMoves.h"
#include "web/modHelp.h"

#include <QCoreApplication>
#include <QMenuBar>

namespace AppMenus {

QAction *addEntry(QMenu *menu, const char *name, const QString &caption, std::function<void()> onChoose)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, menu, std::move(onChoose));
    return action;
}

QAction *addSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void addCalendarMenu(QMenuBar *bar, MainWindowMoves &moves)
{
    QMenu *calendar = addMenu(bar, "mnuCalendar", QCoreApplication::translate("AppMenus", "&Calendar"));
    addEntry(calendar, "mnuJavaneseCalendar", QCoreApplication::translate("AppMenus", "Javanese &Calendar..."),
             [&moves] { moves.openCalendar(); });
    addEntry(calendar, "mnuMatch", QCoreApplication::translate("AppMenus", "&Match Two Wetons..."),
             [&moves] { moves.openMatch(); });
}

void addHelpAndOffers(QMenuBar *bar, platform::Browser &browser, MainWindowMoves &moves,
                      const char *separatorAfterVisit, const char *separatorBeforeAbout)
{
    QMenu *help = addMenu(bar, "mnuHelp", QCoreApplication::translate("AppMenus", "&Help"));
    addEntry(help, "mnuOnline", QCoreApplication::translate("AppMenus", "&Online Help"),
             [&browser] { modHelp::OpenHelpPage(browser); });
    addEntry(help, "mnuVisit", QCoreApplication::translate("AppMenus", "&Visit Us Online"),
             [&browser] { modHelp::OpenHomePage(browser); });
    addSeparator(help, separatorAfterVisit);
    addEntry(help, "mnuUpdate", QCoreApplication::translate("AppMenus", "Check for Software &Update"),
             [&browser] { modHelp::OpenDownloadPage(browser); });
    addSeparator(help, separatorBeforeAbout);
    addEntry(help, "mnuAbout", QCoreApplication::translate("AppMenus", "&About Software"),
             [&moves, bar] { moves.openAbout(bar->window()); });

    QAction *donate = bar->addAction(QCoreApplication::translate("AppMenus", "&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered, bar, [&browser] { modHelp::OpenDonatePage(browser); });
    // Make Money Online is defined but kept out of sight; its offer stays reachable from the captions.
    // It belongs to the bar without being placed on it: a placed entry, even hidden or greyed, keeps its
    // access key, and Alt+O would then be ambiguous and no longer press "Open Previously Saved Reading".
    auto *makeMoney = new QAction(QCoreApplication::translate("AppMenus", "Make Money &Online"), bar);
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    makeMoney->setVisible(false);
    QObject::connect(makeMoney, &QAction::triggered, bar, [&browser] { modHelp::OpenFullyBrandedPage(browser); });
}

}  // namespace AppMenus
