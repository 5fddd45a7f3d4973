// SPDX-License-Identifier: MIT
#include "Identity.h"
#include "app/Navigation.h"
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/kit/LinkCaption.h"
#include "ui/outreach/frmNagScreen2.h"
#include "web/modHelp.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using support::child;

using platform::MessageIcon;

namespace {

// The four promotions as the screen must show them, by draw value.
const QStringList Promotions{
    QStringLiteral("Tarvex Softwares, such as this can be created and maintained only with your support. The best "
                   "way to support Nolvane is to visit Nolvane regularly and take part in the discussions and other "
                   "activities on the board."),
    QStringLiteral("Visit Nolvane regularly. Support Nolvane by taking part in the discussions and other activities. "
                   "These softwares cannot be supported and maintained, without you regularly visiting Nolvane"),
    QStringLiteral("Nolvane is a FREE online discussion forum for all things tarvex. To help Nolvane develop and "
                   "maintain this software visit Nolvane regularly."),
    QStringLiteral("Nolvane needs your help. All you need to do is visit Nolvane regularly and take part in the "
                   "various discussions and activites to help us maintain and develop more Tarvex Softwares."),
};
const QString SpaceMessage = QStringLiteral("Email Address Cannot Contain Space");

// A shown screen the test can move the focus in, as a user would with the mouse or the Tab key.
bool showActive(frmNagScreen2 &window)
{
    window.showAtExit();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QString textOf(const QWidget *box)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return static_cast<const QPlainTextEdit *>(box)->toPlainText();
}

void setTextOf(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit *>(box)->setPlainText(text);
}

}  // namespace

class tst_frmNagScreen2 : public QObject
{
    Q_OBJECT

private slots:
    void loadStepDressesTheScreen()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        QCOMPARE(window.windowTitle(), QStringLiteral("Wetonara v1.65"));
        QCOMPARE(child<QLabel>(window, "lblNagScreen2Caption")->text(), QStringLiteral("Wetonara v1.65"));
        QCOMPARE(child<QLabel>(window, "lblNagScreen2Caption")->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(child<QLabel>(window, "lblNagScreen2Caption")->font().pointSizeF(), 18.0);
        QVERIFY(child<QLabel>(window, "lblNagScreen2Caption")->width()
                >= child<QLabel>(window, "lblNagScreen2Caption")->sizeHint().width());
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(!child<QLabel>(window, "picNagscreen2Icon")->pixmap().isNull());
        // The hidden message box starts with its placeholder and a Windows line break.
        QCOMPARE(window.messageText(), QStringLiteral("Your Message\r\n"));
        for (const char *name : {"picNagscreen2Icon", "lblNagScreen2Caption", "Label2", "Check1", "cmdClose", "Frame2",
                                 "txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "cmdSubmit", "txtMessage",
                                 "Frame6", "Label3", "lblGoToHome"})
            QVERIFY2(window.findChild<QWidget *>(QString::fromLatin1(name)), name);
    }

    void staysOnTopWithoutMinimiseOrMaximise()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags & Qt::WindowStaysOnTopHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        window.showAtExit();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize size = window.size();
        window.resize(size * 2);
        QCOMPARE(window.size(), size);
        QCOMPARE(window.focusWidget(), child<QPushButton>(window, "cmdClose"));
    }

    void advertComesFromTheContentFile()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        QFile content(QStringLiteral(WETONARA_TEST_DATA "/../../content/advert.txt"));
        QVERIFY(content.open(QIODevice::ReadOnly));
        const QString advert = child<QLabel>(set.nag(), "Label3")->text();
        QCOMPARE(advert, QString::fromUtf8(content.readAll()).trimmed());
        QVERIFY(advert.startsWith(QStringLiteral("If you have enjoyed this software you will")));
        QCOMPARE(advert.size(), 615);
    }

    void promotionFollowsTheDraw_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("text");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("just below 1/4") << 0.2499999 << 0;
        QTest::newRow("1/4") << 0.25 << 1;
        QTest::newRow("just below 1/2") << 0.4999999 << 1;
        QTest::newRow("1/2") << 0.5 << 2;
        QTest::newRow("3/4") << 0.75 << 3;
        QTest::newRow("just below 1") << 0.9999999 << 3;
        QTest::newRow("a generator reaching 1 stays on the last text") << 1.0 << 3;
    }

    void promotionFollowsTheDraw()
    {
        QFETCH(double, r);
        QFETCH(int, text);
        fakes::FakePlatform fake;
        fake.clock.msecs = 1234567;
        fake.random.values = {r};
        WindowSet set(fake.platform());
        QCOMPARE(child<QLabel>(set.nag(), "Label2")->text(), Promotions[text]);
        // Seeded afresh from the clock for this draw, and one number drawn.
        QCOMPARE(fake.random.seeds, QList<quint64>{1234567});
        QCOMPARE(fake.random.draws, 1);
    }

    void everyPromotionComesUpOverManyRuns()
    {
        constexpr int Runs = 200;
        QList<int> seen(4, 0);
        for (int run = 0; run < Runs; ++run) {
            fakes::FakePlatform fake;
            fake.random.values = {(run + 0.5) / Runs};  // evenly over [0, 1)
            WindowSet set(fake.platform());
            const int shown = Promotions.indexOf(child<QLabel>(set.nag(), "Label2")->text());
            QVERIFY(shown >= 0);
            ++seen[shown];
        }
        QCOMPARE(seen, (QList<int>{50, 50, 50, 50}));
    }

    void focusInEmptiesOnlyThePlaceholder_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("afterFocus");
        QTest::newRow("name placeholder") << "txtName"
                                          << "Your Name"
                                          << "";
        QTest::newRow("placeholder typed with spaces around it") << "txtName"
                                                                 << "  Your Name "
                                                                 << "";
        QTest::newRow("placeholder in other case is kept") << "txtName"
                                                           << "Your name"
                                                           << "Your name";
        QTest::newRow("tab is not trimmed") << "txtName"
                                            << "Your Name\t"
                                            << "Your Name\t";
        QTest::newRow("user's own name is kept") << "txtName"
                                                 << "Ann"
                                                 << "Ann";
        QTest::newRow("e-mail placeholder") << "txtEmail"
                                            << "Your Email Address"
                                            << "";
        QTest::newRow("friend's name placeholder") << "txtFriendName"
                                                   << "Friend's Name"
                                                   << "";
        QTest::newRow("friend's e-mail placeholder") << "txtFriendEmail"
                                                     << "Friend's Email Address"
                                                     << "";
        QTest::newRow("another box's placeholder is kept") << "txtFriendEmail"
                                                           << "Your Email Address"
                                                           << "Your Email Address";
        QTest::newRow("message placeholder after it was restored") << "txtMessage"
                                                                   << "Your Message"
                                                                   << "";
        QTest::newRow("initial message with its line break is kept") << "txtMessage"
                                                                     << "Your Message\n"
                                                                     << "Your Message\n";
    }

    void focusInEmptiesOnlyThePlaceholder()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, afterFocus);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        QVERIFY(showActive(window));
        auto *control = window.findChild<QWidget *>(box);
        setTextOf(control, text);
        control->setFocus(Qt::MouseFocusReason);
        QCOMPARE(QApplication::focusWidget(), control);
        QCOMPARE(textOf(control), afterFocus);
    }

    void focusOutRestoresThePlaceholder_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("afterLeaving");
        QTest::newRow("empty name") << "txtName"
                                    << ""
                                    << "Your Name";
        QTest::newRow("name of spaces only") << "txtName"
                                             << "   "
                                             << "Your Name";
        QTest::newRow("name kept") << "txtName"
                                   << " Ann "
                                   << " Ann ";
        QTest::newRow("tab only is not empty") << "txtName"
                                               << "\t"
                                               << "\t";
        QTest::newRow("empty e-mail") << "txtEmail"
                                      << ""
                                      << "Your Email Address";
        QTest::newRow("empty friend's name") << "txtFriendName"
                                             << ""
                                             << "Friend's Name";
        QTest::newRow("empty friend's e-mail") << "txtFriendEmail"
                                               << "  "
                                               << "Friend's Email Address";
        QTest::newRow("empty message: placeholder without line break") << "txtMessage"
                                                                       << ""
                                                                       << "Your Message";
    }

    void focusOutRestoresThePlaceholder()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, afterLeaving);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        QVERIFY(showActive(window));
        auto *control = window.findChild<QWidget *>(box);
        control->setFocus(Qt::TabFocusReason);
        setTextOf(control, text);
        child<QPushButton>(window, "cmdClose")->setFocus(Qt::TabFocusReason);
        QCOMPARE(textOf(control), afterLeaving);
    }

    void switchingWindowsIsNoMoveBetweenBoxes()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        child<QLineEdit>(window, "txtName")->clear();
        QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(child<QLineEdit>(window, "txtName"), &away);
        QCOMPARE(child<QLineEdit>(window, "txtName")->text(), QString());
        child<QLineEdit>(window, "txtName")->setText(QStringLiteral("Your Name"));
        QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(child<QLineEdit>(window, "txtName"), &back);
        QCOMPARE(child<QLineEdit>(window, "txtName")->text(), QStringLiteral("Your Name"));
    }

    void tabKeyVisitsTheFormInItsOrder()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        QVERIFY(showActive(window));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(window, "cmdClose"));
        const QList<QWidget *> order{
            child<QCheckBox>(window, "Check1"),          child<QLineEdit>(window, "txtName"),
            child<QPushButton>(window, "cmdSubmit"),     child<QLineEdit>(window, "txtEmail"),
            child<QLineEdit>(window, "txtFriendEmail"),  child<QLineEdit>(window, "txtFriendName"),
            child<QPlainTextEdit>(window, "txtMessage"), child<QPushButton>(window, "cmdClose")};
        for (QWidget *expected : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        // The message box is reached, yet it lies below the frame's visible part.
        QVERIFY(child<QPlainTextEdit>(window, "txtMessage")->geometry().top()
                >= child<QGroupBox>(window, "Frame2")->height());
    }

    void spaceIsRefusedInTheEmailBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("messages");
        QTest::newRow("sender's e-mail") << "txtEmail"
                                         << "a b c@d.e"
                                         << "abc@d.e" << 2;
        QTest::newRow("friend's e-mail") << "txtFriendEmail"
                                         << " x@y.z"
                                         << "x@y.z" << 1;
        QTest::newRow("name box takes spaces") << "txtName"
                                               << "Ann Lee"
                                               << "Ann Lee" << 0;
        QTest::newRow("friend's name box takes spaces") << "txtFriendName"
                                                        << "Bo Ek"
                                                        << "Bo Ek" << 0;
    }

    void spaceIsRefusedInTheEmailBoxes()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, messages);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        QVERIFY(showActive(window));
        auto *control = window.findChild<QLineEdit *>(box);
        control->setFocus(Qt::MouseFocusReason);
        control->clear();
        // A real message box takes the focus while it is open; the box must have it back afterwards.
        fake.messages.onShow = [&window](const platform::Message &) {
            child<QPushButton>(window, "cmdClose")->setFocus();
        };
        QTest::keyClicks(control, typed);
        QCOMPARE(control->text(), text);
        QCOMPARE(fake.messages.shown.size(), messages);
        for (const platform::Message &shown : fake.messages.shown) {
            QCOMPARE(shown.text, SpaceMessage);
            QCOMPARE(shown.icon, MessageIcon::Critical);
            QCOMPARE(shown.title, QStringLiteral("Wetonara"));
        }
        QCOMPARE(QApplication::focusWidget(), control);
    }

    void check1OpensTheHomePageAndNeverStaysChecked_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("space bar") << true;
    }

    void check1OpensTheHomePageAndNeverStaysChecked()
    {
        QFETCH(bool, byKeyboard);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        QVERIFY(showActive(window));
        for (int click = 1; click <= 2; ++click) {
            if (byKeyboard) {
                child<QCheckBox>(window, "Check1")->setFocus();
                QTest::keyClick(child<QCheckBox>(window, "Check1"), Qt::Key_Space);
            } else {
                QTest::mouseClick(child<QCheckBox>(window, "Check1"), Qt::LeftButton, {},
                                  QPoint(10, child<QCheckBox>(window, "Check1")->height() / 2));
            }
            QVERIFY(!child<QCheckBox>(window, "Check1")->isChecked());
            QCOMPARE(fake.browser.opened, QStringList(click, modHelp::HomePageAddress));
        }
    }

    void goToHomeOpensTheSoftwarePage()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        QVERIFY(showActive(window));
        QTest::mouseClick(child<LinkCaption>(window, "lblGoToHome"), Qt::LeftButton);
        QCOMPARE(fake.browser.opened, QStringList{modHelp::TarvexSoftwaresPageAddress});
        QVERIFY(modHelp::TarvexSoftwaresPageAddress.endsWith(QStringLiteral("/wetonara/ssd.php?page=tarvexsoftwares")));
    }

    void referralFromTheForm()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        child<QLineEdit>(window, "txtName")->setText(QStringLiteral("Ann Lee"));
        child<QLineEdit>(window, "txtEmail")->setText(QStringLiteral("ann@example.org"));
        child<QLineEdit>(window, "txtFriendName")->setText(QStringLiteral("Bo"));
        child<QLineEdit>(window, "txtFriendEmail")->setText(QStringLiteral("bo@example.net"));
        QTest::mouseClick(child<QPushButton>(window, "cmdSubmit"), Qt::LeftButton);
        QVERIFY(fake.messages.shown.isEmpty());
        QCOMPARE(fake.browser.opened.size(), 1);
        // The untouched message box goes along with its line break.
        const QString sent = fake.browser.opened.first();
        QVERIFY2(sent.startsWith(Identity::SiteAddress
                                 + QStringLiteral("/wetonara/ssd.php?page=qvms-refer-a-friend"
                                                  "&taf1=Ann%20Lee&taf2=ann%40example.org"
                                                  "&taf3=Your%20Message%0D%0A&taf4=Bo"
                                                  "&taf5=bo%40example.net&taf6=")),
                 qPrintable(sent));
        // Nothing is cleared; a second click sends again.
        QTest::mouseClick(child<QPushButton>(window, "cmdSubmit"), Qt::LeftButton);
        QCOMPARE(fake.browser.opened, QStringList(2, sent));
        QCOMPARE(child<QLineEdit>(window, "txtName")->text(), QStringLiteral("Ann Lee"));
    }

    void refusedReferralLeavesTheFormAsItWas()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        QVERIFY(showActive(window));
        // Untouched form: the two e-mail placeholders differ, but hold no "@".
        QTest::mouseClick(child<QPushButton>(window, "cmdSubmit"), Qt::LeftButton);
        QCOMPARE(fake.messages.texts(), QStringList{"Please Enter Proper Email Address"});
        QCOMPARE(fake.messages.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(child<QLineEdit>(window, "txtEmail")->text(), QStringLiteral("Your Email Address"));

        // The message box emptied through the Tab key and left: it now holds its bare placeholder.
        child<QLineEdit>(window, "txtName")->setText(QStringLiteral("Ann"));
        child<QLineEdit>(window, "txtEmail")->setText(QStringLiteral("ann@example.org"));
        child<QLineEdit>(window, "txtFriendName")->setText(QStringLiteral("Bo"));
        child<QLineEdit>(window, "txtFriendEmail")->setText(QStringLiteral("bo@example.net"));
        child<QPlainTextEdit>(window, "txtMessage")->setFocus(Qt::TabFocusReason);
        child<QPlainTextEdit>(window, "txtMessage")->clear();
        child<QPushButton>(window, "cmdSubmit")->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(child<QPushButton>(window, "cmdSubmit"), Qt::LeftButton);
        QCOMPARE(fake.messages.texts().last(), QStringLiteral("Please Enter Your Message"));
        QVERIFY(fake.browser.opened.isEmpty());
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(window, "cmdSubmit"));
    }

    void loadedOnceAndKeptWhileHidden()
    {
        fakes::FakePlatform fake;
        fake.random.values = {0.1, 0.9};
        WindowSet set(fake.platform());
        Navigation::hideCompanionScreen(set);  // a main window moving on loads it, hidden
        frmNagScreen2 *loaded = set.openNag();
        QVERIFY(loaded && !loaded->isVisible());
        child<QLineEdit>(*loaded, "txtFriendName")->setText(QStringLiteral("Bo"));
        Navigation::showCompanionScreen(set);
        QCOMPARE(set.openNag(), loaded);
        QVERIFY(loaded->isVisible());
        QCOMPARE(child<QLabel>(*loaded, "Label2")->text(), Promotions[0]);
        QCOMPARE(child<QLineEdit>(*loaded, "txtFriendName")->text(), QStringLiteral("Bo"));
        QCOMPARE(fake.random.draws, 1);
    }

    void closingEndsTheRunOnce_data()
    {
        QTest::addColumn<bool>("byExitButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("close box") << false;
    }

    void closingEndsTheRunOnce()
    {
        QFETCH(bool, byExitButton);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmNagScreen2 &window = set.nag();
        window.showAtExit();
        if (byExitButton)
            QTest::mouseClick(child<QPushButton>(window, "cmdClose"), Qt::LeftButton);
        else
            window.close();
        QCOMPARE(fake.process.exits, QList<int>{0});
        QVERIFY(set.hasEnded());
        QCOMPARE(set.openNag(), nullptr);
    }
};

QTEST_MAIN(tst_frmNagScreen2)
#include "tst_frmNagScreen2.moc"
