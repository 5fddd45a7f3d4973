// SPDX-License-Identifier: MIT
#include "app/Navigation.h"
#include "app/StartApplication.h"
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "files/TextScrambling.h"
#include "support/Controls.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmMain.h"
#include "web/modHelp.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using support::child;

namespace {

// Where the update reminder keeps its last-check date: section and scrambled "Duration".
const QString ReminderKey = QStringLiteral("Settings/\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> shown;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            shown.append(window);
    return shown;
}

}  // namespace

class tst_StartApplication : public QObject
{
    Q_OBJECT

private slots:
    void secondCopyOnlySaysSoAndEnds()
    {
        fakes::FakePlatform fake;
        fake.instanceLock.free = false;
        fake.settings.values.insert(ReminderKey, modHelp::ScrambleText(QStringLiteral("2020-01-01")));
        WindowSet set(fake.platform());
        QCOMPARE(Application::StartApplication(set), false);

        QCOMPARE(fake.messages.shown.size(), 1);
        const platform::Message &shown = fake.messages.shown.first();
        QCOMPARE(shown.text, QStringLiteral("Application is already running"));
        QCOMPARE(shown.title, QStringLiteral("Wetonara"));
        QCOMPARE(shown.icon, platform::MessageIcon::Information);
        QCOMPARE(shown.buttons, platform::MessageButtons::Ok);
        QCOMPARE(fake.settings.reads, 0);
        QCOMPARE(fake.settings.writes, 0);
        QCOMPARE(fake.process.exits, QList<int>{0});
        QVERIFY(fake.random.seeds.isEmpty());
        QCOMPARE(fake.random.draws, 0);
        QVERIFY(fake.browser.opened.isEmpty());
        QVERIFY(fake.handOver.offered.isEmpty());  // without a file nothing is handed over
        QVERIFY(!set.openMain() && !set.openResult() && !set.openNag());
        QVERIFY(visibleWindows().isEmpty());
    }

    void startUpRunsInItsOrder()
    {
        fakes::FakePlatform fake;
        fake.clock.msecs = 987654321;
        fake.random.values = {0.2};  // 0.2 * 6 + 1 = 2.2: draw 2
        fake.settings.values.insert(ReminderKey, modHelp::ScrambleText(QStringLiteral("2026-11-01")));
        fake.messages.answers = {platform::MessageAnswer::Yes};
        WindowSet set(fake.platform());
        bool checkedAtQuestion = false;
        fake.messages.onShow = [&](const platform::Message &) {
            // The question comes after the lock and the seed, before any window of the program.
            QCOMPARE(fake.instanceLock.attempts, 1);
            QCOMPARE(fake.random.seeds, QList<quint64>{987654321});
            QCOMPARE(fake.random.draws, 0);
            QVERIFY(!set.openMain());
            QVERIFY(visibleWindows().isEmpty());
            checkedAtQuestion = true;
        };
        QVERIFY(Application::StartApplication(set));

        QVERIFY(checkedAtQuestion);
        QCOMPARE(fake.browser.opened, QStringList{modHelp::DownloadPageAddress});
        // The entry window is shown even after the download page opened, and the draw came after it.
        QVERIFY(set.openMain() && set.openMain()->isVisible());
        QCOMPARE(visibleWindows(), QList<QWidget *>{set.openMain()});
        QCOMPARE(fake.random.draws, 1);
        QCOMPARE(set.intCoBrandRandomNumber, qint16(2));
        QVERIFY(!set.openNag());
        QVERIFY(fake.process.exits.isEmpty());
    }

    void firstStartGoesStraightToTheEntryWindow()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        QVERIFY(Application::StartApplication(set));
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(fake.settings.writes, 1);
        QCOMPARE(visibleWindows(), QList<QWidget *>{set.openMain()});
    }

    void leavingLeavesOnlyTheCompanionScreen_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("entry window, close box") << false << false;
        QTest::newRow("entry window, File > Exit") << false << true;
        QTest::newRow("result window, close box") << true << false;
        QTest::newRow("result window, File > Exit") << true << true;
    }

    void leavingLeavesOnlyTheCompanionScreen()
    {
        QFETCH(bool, fromResult);
        QFETCH(bool, byMenu);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        QVERIFY(Application::StartApplication(set));
        if (fromResult) {
            child<QLineEdit>(set.main(), "txtName")->setText(QStringLiteral("Ann"));
            child<QPushButton>(set.main(), "cmdCalculate")->click();
            QVERIFY(set.openResult() && set.openResult()->isVisible());
            QVERIFY(set.openNag() && !set.openNag()->isVisible());
        }
        FormWindow &leaving = fromResult ? static_cast<FormWindow &>(set.result()) : set.main();
        if (byMenu)
            (fromResult ? child<QAction>(set.result(), "mnuExit") : child<QAction>(set.main(), "mnuExit"))->trigger();
        else
            leaving.close();

        QVERIFY(!set.openMain() && !set.openResult());
        QVERIFY(set.openNag());
        QCOMPARE(visibleWindows(), QList<QWidget *>{set.openNag()});
        QVERIFY(fake.process.exits.isEmpty());  // the run goes on until the screen is closed

        set.openNag()->close();
        QCOMPARE(fake.process.exits, QList<int>{0});
        QVERIFY(visibleWindows().isEmpty());
    }

    void endApplicationClosesEveryWindowAndEndsOnce()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        QVERIFY(Application::StartApplication(set));
        set.result();                          // the result window, hidden
        Navigation::hideCompanionScreen(set);  // the companion screen, hidden
        QVERIFY(set.openMain() && set.openResult() && set.openNag());

        // Its last close step (the companion screen's) calls back into it, and that ends the run.
        set.EndApplication();
        QCOMPARE(fake.process.exits, QList<int>{0});
        QVERIFY(!set.openMain() && !set.openResult() && !set.openNag());
        QVERIFY(visibleWindows().isEmpty());
    }
};

QTEST_MAIN(tst_StartApplication)
#include "tst_StartApplication.moc"
