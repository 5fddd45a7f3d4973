// SPDX-License-Identifier: MIT
#include "e2e/WindowDriver.h"
#include "ui/reading/frmJavaneseAstrology.h"

using namespace driver;

// Return and keypad Enter press the focused button in every window, and nothing else: no default
// button appears, a text box ignores them, a held key presses once.
class tst_ReturnKey : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        freeClosedWindows();
        QVERIFY2(visibleWindows().isEmpty(), "a window outlived its run");
    }
    void pressesTheFocusedButtonOnly_data();
    void pressesTheFocusedButtonOnly();
};

void tst_ReturnKey::pressesTheFocusedButtonOnly_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("heldRepeats");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("messages");

    const Qt::KeyboardModifiers none;
    const QStringList noMessage;
    QTest::newRow("Return on Calculate calculates")
        << Entry << "cmdCalculate" << int(Qt::Key_Return) << none << 0 << QStringList{Result} << noMessage;
    QTest::newRow("keypad Enter on Calculate calculates")
        << Entry << "cmdCalculate" << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << 0
        << QStringList{Result} << noMessage;
    QTest::newRow("Return in the name box does nothing")
        << Entry << "txtName" << int(Qt::Key_Return) << none << 0 << QStringList{Entry} << noMessage;
    QTest::newRow("Ctrl+Return on Calculate does nothing")
        << Entry << "cmdCalculate" << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << 0
        << QStringList{Entry} << noMessage;
    QTest::newRow("Return on Back goes back")
        << Result << "cmdBack" << int(Qt::Key_Return) << none << 0 << QStringList{Entry} << noMessage;
    QTest::newRow("Return held on Refer A Friend Now gives one message")
        << Companion << "cmdSubmit" << int(Qt::Key_Return) << none << 3 << QStringList{Companion}
        << QStringList{QStringLiteral("Please Enter Proper Email Address")};
    QTest::newRow("Return on the companion screen's Exit ends the run")
        << Companion << "cmdClose" << int(Qt::Key_Return) << none << 0 << QStringList{} << noMessage;
}

void tst_ReturnKey::pressesTheFocusedButtonOnly()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, heldRepeats);
    QFETCH(QStringList, after);
    QFETCH(QStringList, messages);
    Run run;
    enter(*run.set.openMain(), Proclamation);
    if (window != Entry)
        child<QPushButton>(*run.set.openMain(), "cmdCalculate")->click();
    if (window == Companion)
        entryOf(run.set.openResult(), "mnuExit")->trigger();
    freeClosedWindows();
    QCOMPARE(visibleWindows(), QStringList{window});
    QWidget *form = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == window)
            form = top;
    QVERIFY(form);
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    form->findChild<QWidget *>(control)->setFocus();

    QTest::keyPress(form->windowHandle(), Qt::Key(key), modifiers);
    for (int i = 0; i < heldRepeats; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QStringLiteral("\r"), true);
        QApplication::sendEvent(form->windowHandle(), &repeat);
    }
    QCoreApplication::processEvents();
    freeClosedWindows();
    QCOMPARE(visibleWindows(), after);
    QCOMPARE(run.fake.messages.texts(), messages);
    QCOMPARE(run.fake.process.exits, after.isEmpty() ? QList<int>{0} : QList<int>{});
    if (after == QStringList{Result})
        QCOMPARE(indexed<QLabel>(*run.set.openResult(), "lblJavaneseResult", 1)->text(), QStringLiteral("Jumat"));
}

QTEST_MAIN(tst_ReturnKey)
#include "tst_ReturnKey.moc"
