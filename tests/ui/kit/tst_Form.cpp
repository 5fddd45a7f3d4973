// SPDX-License-Identifier: MIT
// What every window has from the kit's Form, the look-up windows as much as the others: one way to say it
// closed, whatever closed it, Return pressing the focused button and nothing else, and a focus mark where
// a control draws none.
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/kit/DateBox.h"
#include "ui/outreach/frmAbout.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmMain.h"
#include "ui/reading/frmSave.h"

#include <QDialogButtonBox>
#include <QFocusFrame>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QtTest>

using support::child;

namespace {

// The window of that name, made if need be (make) or only if open.
QWidget *windowOf(WindowSet &set, const QString &name, bool make)
{
    const QHash<QString, std::function<QWidget *()>> made{
        {"frmMain", [&] { return &set.main(); }},      {"frmJavaneseAstrology", [&] { return &set.result(); }},
        {"frmSave", [&] { return &set.report(); }},    {"frmAbout", [&] { return &set.about(); }},
        {"frmNagScreen2", [&] { return &set.nag(); }}, {"CalendarWindow", [&] { return &set.calendar(); }},
        {"MatchWindow", [&] { return &set.match(); }}};
    const QHash<QString, std::function<QWidget *()>> open{
        {"frmMain", [&] { return set.openMain(); }},      {"frmJavaneseAstrology", [&] { return set.openResult(); }},
        {"frmSave", [&] { return set.openReport(); }},    {"frmAbout", [&] { return set.openAbout(); }},
        {"frmNagScreen2", [&] { return set.openNag(); }}, {"CalendarWindow", [&] { return set.openCalendar(); }},
        {"MatchWindow", [&] { return set.openMatch(); }}};
    return (make ? made : open).value(name)();
}

// How a test closes a window: its close box, the Esc key, or its own Close button.
enum Closing { CloseBox, Esc, CloseButton };

void freeClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

class tst_Form : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { freeClosedWindows(); }

    void everyWindowSaysOnceThatItClosed_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("how");  // a Closing
        QTest::addColumn<bool>("closes");
        for (const char *window : {"frmMain", "frmJavaneseAstrology", "frmSave", "frmAbout", "frmNagScreen2",
                                   "CalendarWindow", "MatchWindow"})
            QTest::addRow("%s: close box", window) << QString::fromLatin1(window) << int(CloseBox) << true;
        // Esc closes the dialogs and the calendar; the main windows and the companion screen stay.
        QTest::newRow("frmMain: Esc does nothing") << "frmMain" << int(Esc) << false;
        QTest::newRow("frmNagScreen2: Esc does nothing") << "frmNagScreen2" << int(Esc) << false;
        QTest::newRow("frmSave: Esc") << "frmSave" << int(Esc) << true;
        QTest::newRow("frmAbout: Esc") << "frmAbout" << int(Esc) << true;
        QTest::newRow("CalendarWindow: Esc") << "CalendarWindow" << int(Esc) << true;
        QTest::newRow("MatchWindow: Esc") << "MatchWindow" << int(Esc) << true;
        QTest::newRow("CalendarWindow: its Close button") << "CalendarWindow" << int(CloseButton) << true;
    }

    // Said once, after which the set discards the window: the next use makes it afresh.
    void everyWindowSaysOnceThatItClosed()
    {
        QFETCH(QString, window);
        QFETCH(int, how);
        QFETCH(bool, closes);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        QPointer<QWidget> shown = windowOf(set, window, true);
        shown->show();
        QSignalSpy closed(shown, SIGNAL(closed()));
        if (how == CloseBox)
            shown->close();
        else if (how == Esc)
            QTest::keyClick(shown, Qt::Key_Escape);
        else
            child<QPushButton>(*shown, "closeButton")->click();
        QCOMPARE(closed.count(), closes ? 1 : 0);
        shown->close();  // a second close, or the first: the window says it once
        QCOMPARE(closed.count(), 1);
        QCOMPARE(windowOf(set, window, false), nullptr);
        freeClosedWindows();
        QVERIFY(shown.isNull());
    }

    // The end of the run closes the look-up windows as it closes the others, each saying so once.
    void theEndOfTheRunClosesTheLookUpWindows()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        set.calendar().showFor(QDate());
        set.match().showFor(QDate());
        QSignalSpy calendarClosed(&set.calendar(), SIGNAL(closed())), matchClosed(&set.match(), SIGNAL(closed()));
        set.EndApplication();
        QCOMPARE(calendarClosed.count(), 1);
        QCOMPARE(matchClosed.count(), 1);
        QVERIFY(!set.openCalendar() && !set.openMatch());
        QCOMPARE(fake.process.exits, QList<int>{0});
    }

    // A text that scrolls takes the focus for the keys that scroll it, and shows that it has it.
    void scrolledTextsShowTheFocus_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("area");
        const auto row = [](const char *text, const char *window, const char *area) {
            QTest::newRow(text) << QString::fromLatin1(window) << QString::fromLatin1(area);
        };
        row("the reading's description", "frmJavaneseAstrology", "descriptionArea");
        row("the meaning of a match", "MatchWindow", "meaningArea");
    }
    void scrolledTextsShowTheFocus()
    {
        QFETCH(QString, window);
        QFETCH(QString, area);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        QWidget *shown = windowOf(set, window, true);
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        auto *scrolled = child<QScrollArea>(*shown, qPrintable(area));
        scrolled->setFocus(Qt::TabFocusReason);
        const auto *mark = shown->findChild<QFocusFrame *>();
        QVERIFY(mark && mark->isVisible() && mark->geometry().contains(scrolled->geometry()));
    }

    // In the look-up windows as in the others: Return presses the focused button, and in a date box does
    // nothing, so picking a date never closes the match window.
    void returnInTheLookUpWindows()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        CalendarWindow &calendar = set.calendar();
        calendar.showFor(QDate(1980, 6, 7));
        QVERIFY(QTest::qWaitForWindowActive(&calendar));
        child<QPushButton>(calendar, "printButton")->setFocus();
        QTest::keyClick(&calendar, Qt::Key_Return);
        QCOMPARE(fake.printer.orientations.size(), 1);

        MatchWindow &match = set.match();
        match.showFor(QDate(1980, 6, 7));
        QVERIFY(QTest::qWaitForWindowActive(&match));
        child<DateBox>(match, "firstDate")->setFocus();
        QTest::keyClick(&match, Qt::Key_Return);
        QVERIFY(set.openMatch());
        match.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->setFocus();
        QTest::keyClick(&match, Qt::Key_Return);
        QVERIFY(!set.openMatch());
    }
};

QTEST_MAIN(tst_Form)
#include "tst_Form.moc"
