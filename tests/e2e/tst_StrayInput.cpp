// SPDX-License-Identifier: MIT
#include "e2e/WindowDriver.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"

#include <QMenuBar>
#include <QPushButton>

using namespace driver;

// A person's hands do not wait for the program: presses while a modal window is up, double clicks,
// repeated menu choices, stray keys, windows closed in an unexpected order. None of it may make a second
// window of a class, crash, or leave the companion screen on screen during navigation.
class tst_StrayInput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void modalWindowBlocksTheMenuBarBelow_data();
    void modalWindowBlocksTheMenuBarBelow();
    void rapidAndStrayInput_data();
    void rapidAndStrayInput();
    void closingInAnyOrder_data();
    void closingInAnyOrder();
};

void tst_StrayInput::cleanup()
{
    freeClosedWindows();
    QVERIFY2(visibleWindows().isEmpty(), "a window outlived its run");
}

void tst_StrayInput::modalWindowBlocksTheMenuBarBelow_data()
{
    QTest::addColumn<bool>("fromResult");
    QTest::addColumn<bool>("report");

    QTest::newRow("about box over the entry window") << false << false;
    QTest::newRow("about box over the result window") << true << false;
    QTest::newRow("report window over the result window") << true << true;
}

void tst_StrayInput::modalWindowBlocksTheMenuBarBelow()
{
    QFETCH(bool, fromResult);
    QFETCH(bool, report);
    Run run;
    if (fromResult)
        calculateProclamation(run);
    else
        enter(*run.set.openMain(), Proclamation);
    FormWindow *below = fromResult ? static_cast<FormWindow *>(run.set.openResult()) : run.set.openMain();
    below->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(below));
    QMenuBar *bar = below->menuBar();
    QAction *help = entryOf(below, "mnuHelp");
    QAction *donate = entryOf(below, "mnuDonate");
    const auto pressMenus = [&] {
        QTest::mouseClick(below->windowHandle(), Qt::LeftButton, {},
                          bar->mapTo(below, bar->actionGeometry(donate).center()));
        QTest::mouseClick(below->windowHandle(), Qt::LeftButton, {},
                          bar->mapTo(below, bar->actionGeometry(help).center()));
        QTest::keyClick(below->windowHandle(), Qt::Key_H, Qt::AltModifier);
        QCoreApplication::processEvents();
    };

    bool popupWhileModal = true;
    const bool ran = whileModal(
        [&] {
            if (report)
                child<QPushButton>(*run.set.openResult(), "cmdSave")->click();
            else
                entryOf(below, "mnuAbout")->trigger();
        },
        [&](QWidget *) {
            pressMenus();
            popupWhileModal = QApplication::activePopupWidget() != nullptr;
        });
    QVERIFY(ran);
    QVERIFY2(!popupWhileModal, "the menu bar below a modal window opened a menu");
    QVERIFY2(run.fake.browser.opened.isEmpty(), "the menu bar below a modal window opened a page");

    // The same presses once the modal window is gone do reach the menu bar: the check above can fail.
    below->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(below));
    pressMenus();
    QCOMPARE(run.fake.browser.opened, QStringList{page("donate")});
    QVERIFY(QApplication::activePopupWidget());
    QApplication::activePopupWidget()->close();
}

void tst_StrayInput::rapidAndStrayInput_data()
{
    QTest::addColumn<bool>("fromResult");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("Calculate double-clicked") << false << "double-click calculate" << QStringList{Result};
    QTest::newRow("Calculate chosen twice from the menu") << false << "menu calculate twice" << QStringList{Result};
    QTest::newRow("Back double-clicked") << true << "double-click back" << QStringList{Entry};
    QTest::newRow("Back chosen three times from the menu") << true << "menu back thrice" << QStringList{Entry};
    QTest::newRow("Enter and Esc on the entry window do nothing") << false << "enter esc" << QStringList{Entry};
    QTest::newRow("Enter and Esc in the result window's description do nothing")
        << true << "enter esc" << QStringList{Result};
    QTest::newRow("About chosen again while it is open") << true << "about twice" << QStringList{Result};
    QTest::newRow("Save pressed again while the report is open") << true << "save twice" << QStringList{Result};
    QTest::newRow("Exit chosen twice") << true << "exit twice" << QStringList{Companion};
}

void tst_StrayInput::rapidAndStrayInput()
{
    QFETCH(bool, fromResult);
    QFETCH(QString, input);
    QFETCH(QStringList, after);
    Run run;
    if (fromResult)
        calculateProclamation(run);
    else
        enter(*run.set.openMain(), Proclamation);
    FormWindow *window = fromResult ? static_cast<FormWindow *>(run.set.openResult()) : run.set.openMain();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    bool sameModal = false;
    const auto openAgain = [&](const std::function<void()> &open) {
        return [&, open](QWidget *modal) {
            // Asked for again while up: the same window, shown once.
            open();
            sameModal = QApplication::activeModalWidget() == modal;
        };
    };
    const auto chooseAbout = [&] { entryOf(run.set.openResult(), "mnuAbout")->trigger(); };
    const auto pressSave = [&] { child<QPushButton>(*run.set.openResult(), "cmdSave")->click(); };

    if (input == QLatin1String("double-click calculate")) {
        clickThroughWindow(child<QPushButton>(*run.set.openMain(), "cmdCalculate"), true);
    } else if (input == QLatin1String("menu calculate twice")) {
        QPointer<frmMain> entry = run.set.openMain();
        child<QAction>(*entry, "mnuMayan")->trigger();
        if (entry)
            child<QAction>(*entry, "mnuMayan")->trigger();
    } else if (input == QLatin1String("double-click back")) {
        clickThroughWindow(child<QPushButton>(*run.set.openResult(), "cmdBack"), true);
    } else if (input == QLatin1String("menu back thrice")) {
        QPointer<frmJavaneseAstrology> result = run.set.openResult();
        for (int i = 0; i < 3 && result; ++i)
            child<QAction>(*result, "mnuBack")->trigger();
    } else if (input == QLatin1String("enter esc")) {
        if (fromResult)  // the description, where no button has the focus
            window->findChild<QWidget *>(QStringLiteral("descriptionArea"))->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Return})
            QTest::keyClick(window->windowHandle(), key);
    } else if (input == QLatin1String("about twice")) {
        QVERIFY(whileModal(chooseAbout, openAgain(chooseAbout)));
        QVERIFY(sameModal);
    } else if (input == QLatin1String("save twice")) {
        QVERIFY(whileModal(pressSave, openAgain(pressSave)));
        QVERIFY(sameModal);
    } else if (input == QLatin1String("exit twice")) {
        QPointer<FormWindow> result = window;
        entryOf(window, "mnuExit")->trigger();
        if (result)
            entryOf(result, "mnuExit")->trigger();
    }
    QCoreApplication::processEvents();
    freeClosedWindows();
    QCOMPARE(visibleWindows(), after);
    for (const QString &name : AllWindows)
        QVERIFY2(instances(name) <= 1, qPrintable(name + QStringLiteral(" twice")));
    QVERIFY(run.fake.messages.shown.isEmpty());
    QVERIFY(run.fake.process.exits.isEmpty());
    if (after.contains(Result))
        QCOMPARE(indexed<QLabel>(*run.set.openResult(), "lblJavaneseResult", 1)->text(), QStringLiteral("Jumat"));
}

void tst_StrayInput::closingInAnyOrder_data()
{
    QTest::addColumn<QString>("order");
    QTest::newRow("about box, then result window, then companion screen") << "about, result, companion";
    QTest::newRow("result window closed under the about box") << "result under about";
    QTest::newRow("run ended while the report window is open") << "end under report";
    QTest::newRow("companion screen closed twice") << "companion twice";
}

void tst_StrayInput::closingInAnyOrder()
{
    QFETCH(QString, order);
    Run run;
    calculateProclamation(run);
    QPointer<frmJavaneseAstrology> result = run.set.openResult();
    const auto chooseAbout = [&] { entryOf(result, "mnuAbout")->trigger(); };

    if (order == QLatin1String("about, result, companion")) {
        QVERIFY(whileModal(chooseAbout, [](QWidget *about) { about->close(); }));
        result->close();
        QCOMPARE(visibleWindows(), QStringList{Companion});
        run.set.openNag()->close();
    } else if (order == QLatin1String("result under about")) {
        QVERIFY(whileModal(chooseAbout, [&](QWidget *) { result->close(); }));
        freeClosedWindows();
        QCOMPARE(visibleWindows(), QStringList{Companion});
        run.set.openNag()->close();
    } else if (order == QLatin1String("end under report")) {
        // The hidden companion screen's close ends the run, closing whatever is open.
        QVERIFY(whileModal([&] { child<QPushButton>(*result, "cmdSave")->click(); },
                           [&](QWidget *) { run.set.openNag()->close(); }));
    } else if (order == QLatin1String("companion twice")) {
        result->close();
        QPointer<frmNagScreen2> companion = run.set.openNag();
        companion->close();
        if (companion)
            companion->close();
    }
    freeClosedWindows();
    QCOMPARE(visibleWindows(), QStringList{});
    QCOMPARE(run.fake.process.exits, QList<int>{0});
    QVERIFY(result.isNull());
}

QTEST_MAIN(tst_StrayInput)
#include "tst_StrayInput.moc"
