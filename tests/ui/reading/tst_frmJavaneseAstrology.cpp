// SPDX-License-Identifier: MIT
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/kit/LinkCaption.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "web/modHelp.h"
#include "weton/DaySignCatalogue.h"
#include "weton/modJavaneseAstrology.h"

#include <QFocusFrame>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using support::child;
using support::indexed;

class tst_frmJavaneseAstrology : public QObject
{
    Q_OBJECT

private slots:
    void aResultIsShownByAHiddenWindow()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        QVERIFY(!set.openResult());
        // 17 August 1945 was a Friday and a Legi day.
        set.result().display(*modJavaneseAstrology::CalculateWeton(1945, u"August", 17));
        frmJavaneseAstrology *window = set.openResult();
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        QCOMPARE(indexed<QLabel>(*window, "lblJavaneseResult", 0)->text(), QStringLiteral("Legi"));
        QCOMPARE(indexed<QLabel>(*window, "lblJavaneseResult", 1)->text(), QStringLiteral("Jumat"));
        QCOMPARE(indexed<QLabel>(*window, "lblJavaneseResult", 2)->text(), QStringLiteral("Friday"));
        QCOMPARE(indexed<QLabel>(*window, "lblJavaneseResult", 3)->text(),
                 DaySignCatalogue::description(u"Jumat", u"Legi"));
    }

    void aNewReckoningReplacesEveryText()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        set.result().display(*modJavaneseAstrology::CalculateWeton(1945, u"August", 17));
        // A month name in the wrong case has no codes, and day -40 then gives sums outside every case list.
        set.result().display(*modJavaneseAstrology::CalculateWeton(1945, u"august", -40));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(indexed<QLabel>(set.result(), "lblJavaneseResult", i)->text(), QString());
    }

    // The first button has the focus; the description, which takes it for scrolling, is named and marked.
    void focusStartsOnSaveAndTheDescriptionShowsIt()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmJavaneseAstrology &window = set.result();
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(window, "cmdSave"));
        auto *area = window.findChild<QScrollArea *>(QStringLiteral("descriptionArea"));
        QCOMPARE(area->accessibleName(), QStringLiteral("Description"));
        const auto mark = [&] { return window.client()->findChild<QFocusFrame *>(); };
        QVERIFY(!mark() || !mark()->isVisible());
        area->setFocus(Qt::TabFocusReason);
        QVERIFY(mark() && mark()->isVisible() && mark()->geometry().contains(area->geometry()));
        child<QPushButton>(window, "cmdBack")->setFocus(Qt::TabFocusReason);
        QVERIFY(!mark()->isVisible());
    }

    void captionsAndControls()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmJavaneseAstrology &window = set.result();
        QCOMPARE(window.windowTitle(), QStringLiteral("Wetonara v1.65"));
        QCOMPARE(indexed<QLabel>(window, "Label1", 0)->text(), QStringLiteral("Indonesian Day Sign:"));
        QCOMPARE(indexed<QLabel>(window, "Label1", 1)->text(), QStringLiteral("Indonesian Weekday:"));
        QCOMPARE(indexed<QLabel>(window, "Label1", 2)->text(), QStringLiteral("English Weekday"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(indexed<QLabel>(window, "lblJavaneseResult", i)->text(), QStringLiteral("Javanese Result"));
        QCOMPARE(child<QPushButton>(window, "cmdSave")->text(), QStringLiteral("&Save"));
        QCOMPARE(child<QPushButton>(window, "cmdBack")->text(), QStringLiteral("&Back"));
        QCOMPARE(window.client()->size(), QSize(603, 364));  // 9045 by 5460 twips
    }

    void fullBrandingOfferLiesOnTop()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmJavaneseAstrology &window = set.result();
        QWidget *front =
            child<QFrame>(window, "Frame5")->childAt(child<LinkCaption>(window, "lblCobrand")->geometry().center());
        QCOMPARE(front, static_cast<QWidget *>(child<LinkCaption>(window, "lblFullBrand")));
        QTest::mouseClick(child<LinkCaption>(window, "lblFullBrand"), Qt::LeftButton);
        QTest::mouseClick(child<LinkCaption>(window, "Label14"), Qt::LeftButton);
        QCOMPARE(fake.browser.opened, (QStringList{modHelp::FullyBrandedPageAddress, modHelp::HomePageAddress}));
    }

    void longestDescriptionIsReadableInFull()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmJavaneseAstrology &window = set.result();
        window.show();
        const QString longest = DaySignCatalogue::description(u"Selasa", u"Legi");
        QCOMPARE(longest.size(), 930);
        window.display({{}, {}, {}, longest});
        QLabel *description = indexed<QLabel>(window, "lblJavaneseResult", 3);
        auto *area = window.findChild<QScrollArea *>(QStringLiteral("descriptionArea"));
        QVERIFY(description->wordWrap());
        QCOMPARE(area->geometry(), QRect(16, 120, 572, 165));
        // Either the whole text fits, or the area can scroll to it.
        const int needed = description->heightForWidth(area->viewport()->width());
        QVERIFY(needed <= area->viewport()->height() || area->verticalScrollBar()->maximum() > 0);
    }

    void closingShowsTheCompanionScreen()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        set.result().showCentred();
        child<QAction>(set.result(), "mnuExit")->trigger();
        QVERIFY(!set.openResult());
        QVERIFY(set.openNag() && set.openNag()->isVisible());
        QVERIFY(fake.process.exits.isEmpty());
    }
};

QTEST_MAIN(tst_frmJavaneseAstrology)
#include "tst_frmJavaneseAstrology.moc"
