// SPDX-License-Identifier: MIT
#include "app/StartApplication.h"
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/kit/LinkCaption.h"
#include "ui/outreach/frmNagScreen2.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmMain.h"
#include "web/modHelp.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using support::child;
using support::indexed;

using platform::MessageIcon;

namespace {

const QString NameMessage = QStringLiteral("Please Enter Your Name");
const QString DateMessage = QStringLiteral("Please Enter Correct Date Or Month!");
const QString ThirtyFirstMessage = QStringLiteral("Please Enter Correct Date Or Month !");

void enter(frmMain &window, const QString &name, int year, int month, int day)
{
    child<QLineEdit>(window, "txtName")->setText(name);
    child<QComboBox>(window, "cboYear")->setCurrentText(QString::number(year));
    child<QComboBox>(window, "cboMonth")->setCurrentIndex(month - 1);
    child<QComboBox>(window, "cboDate")->setCurrentIndex(day - 1);
}

// The offer a click at the middle of the branding frame reaches.
QWidget *offerInFront(frmMain &window)
{
    return child<QGroupBox>(window, "fraFullBrand")
        ->childAt(child<LinkCaption>(window, "lblCobrand")->geometry().center());
}

}  // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void loadFillsTheListsAndSelectsTheFirstItems()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmMain &window = set.main();
        QCOMPARE(window.windowTitle(), QStringLiteral("Wetonara v1.65"));
        QCOMPARE(child<QComboBox>(window, "cboMonth")->count(), 12);
        QCOMPARE(child<QComboBox>(window, "cboMonth")->itemText(0), QStringLiteral("January"));
        QCOMPARE(child<QComboBox>(window, "cboMonth")->itemText(11), QStringLiteral("December"));
        QCOMPARE(child<QComboBox>(window, "cboDate")->count(), 31);
        QCOMPARE(child<QComboBox>(window, "cboDate")->itemText(8), QStringLiteral("9"));
        QCOMPARE(child<QComboBox>(window, "cboYear")->count(), 136);
        QCOMPARE(child<QComboBox>(window, "cboYear")->itemText(0), QStringLiteral("1901"));
        QCOMPARE(child<QComboBox>(window, "cboYear")->itemText(135), QStringLiteral("2036"));
        for (QComboBox *list : {child<QComboBox>(window, "cboMonth"), child<QComboBox>(window, "cboDate"),
                                child<QComboBox>(window, "cboYear")}) {
            QCOMPARE(list->currentIndex(), 0);
            QVERIFY(!list->isEditable());
        }
        QVERIFY(child<QLineEdit>(window, "txtName")->text().isEmpty());
    }

    void controlsCarryTheirNames()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmMain &window = set.main();
        for (const char *name : {"Label14", "cmdOpen", "Frame1", "txtName", "cboMonth", "cboDate", "cboYear",
                                 "cmdCalculate", "fraFullBrand", "lblFullBrand", "lblCobrand"})
            QVERIFY2(window.findChild<QWidget *>(QString::fromLatin1(name)), name);
        QCOMPARE(window.findChildren<QLabel *>(QStringLiteral("Label2")).size(), 2);
    }

    // Alt+S ticks and clears "Born after sunset" from anywhere in the window, and leaves it the focus.
    void theSunsetBoxAnswersItsAccessKey()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmMain &window = set.main();
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *box = child<QCheckBox>(window, "chkAfterSunset");
        QVERIFY(!box->isChecked());
        for (const bool ticked : {true, false}) {
            QTest::keyClick(window.windowHandle(), Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(box->isChecked(), ticked);  // a button pressed by its key shows the press first
            QCOMPARE(QApplication::focusWidget(), box);
        }
    }

    void focusOrderFollowsTheForm()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmMain &window = set.main();
        QList<QWidget *> expected{
            child<QLineEdit>(window, "txtName"),        child<QComboBox>(window, "cboMonth"),
            child<QComboBox>(window, "cboDate"),        child<QComboBox>(window, "cboYear"),
            child<QCheckBox>(window, "chkAfterSunset"), child<QPushButton>(window, "cmdCalculate"),
            child<QPushButton>(window, "cmdOpen")};
        const auto nextTabStop = [](QWidget *widget) {
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus));
            return widget;
        };
        for (int i = 0; i + 1 < expected.size(); ++i)
            QCOMPARE(nextTabStop(expected[i]), expected[i + 1]);
    }

    void validation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("message");  // empty: accepted

        // 29 February in every offered year, by the calendar rather than by the window's own rule.
        for (int year = 1901; year <= 2036; ++year)
            QTest::addRow("29 February %d", year)
                << "Ann" << year << 2 << 29 << (QDate::isLeapYear(year) ? QString() : DateMessage);
        for (int year : {1901, 1904, 2000, 2035, 2036}) {
            QTest::addRow("30 February %d", year) << "Ann" << year << 2 << 30 << DateMessage;
            QTest::addRow("31 February %d", year) << "Ann" << year << 2 << 31 << DateMessage;
        }
        for (int month = 1; month <= 12; ++month) {
            if (month == 2)
                continue;
            const bool thirtyDays = QDate(2001, month, 1).daysInMonth() == 30;
            QTest::addRow("31 of month %d", month)
                << "Ann" << 2001 << month << 31 << (thirtyDays ? ThirtyFirstMessage : QString());
        }
        QTest::newRow("30 April") << "Ann" << 2001 << 4 << 30 << QString();
        QTest::newRow("empty name") << "" << 1980 << 6 << 7 << NameMessage;
        QTest::newRow("spaces only") << "   " << 1980 << 6 << 7 << NameMessage;
        QTest::newRow("tab is not a space") << "\t" << 1980 << 6 << 7 << QString();
        QTest::newRow("name checked before a bad date") << " " << 2001 << 2 << 30 << NameMessage;
    }

    void validation()
    {
        QFETCH(QString, name);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, message);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        enter(set.main(), name, year, month, day);
        QCOMPARE(set.main().ValidateEntry(), message.isEmpty());
        QCOMPARE(fake.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(fake.messages.shown[0].title, QStringLiteral("Wetonara"));
            QCOMPARE(fake.messages.shown[0].icon,
                     message == NameMessage ? MessageIcon::Critical : MessageIcon::Information);
        }
    }

    void nameMessageMovesTheFocusToTheNameBox()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmMain &window = set.main();
        window.show();
        QApplication::setActiveWindow(&window);
        child<QComboBox>(window, "cboYear")->setFocus();
        window.ValidateEntry();
        QTRY_VERIFY(child<QLineEdit>(window, "txtName")->hasFocus());
    }

    void calculateHandsOverToTheResultWindow()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        set.main().show();
        enter(set.main(), QStringLiteral("  Siti  Rahayu "), 1980, 6, 7);
        set.main().Calculate();

        const CurrentReading &reading = set.reading();
        QCOMPARE(reading.PersonName, QStringLiteral("Siti  Rahayu"));
        QCOMPARE(reading.BirthYear, qint16(1980));
        QCOMPARE(reading.BirthMonth, QStringLiteral("June"));
        QCOMPARE(reading.BirthDay, qint16(7));
        QVERIFY(!set.openMain());
        QVERIFY(set.openResult() && set.openResult()->isVisible());
        QVERIFY(set.openNag() && !set.openNag()->isVisible());
        // 7 June 1980 was a Saturday; its market day follows from 1 January 2000 being Legi.
        QCOMPARE(indexed<QLabel>(set.result(), "lblJavaneseResult", 2)->text(), QStringLiteral("Saturday"));
        QCOMPARE(indexed<QLabel>(set.result(), "lblJavaneseResult", 1)->text(), QStringLiteral("Sabtu"));
        QVERIFY(fake.messages.shown.isEmpty());
    }

    void defaultsGiveTheFirstOfferedDate()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        child<QLineEdit>(set.main(), "txtName")->setText(QStringLiteral("Budi"));
        set.main().Calculate();
        QCOMPARE(indexed<QLabel>(set.result(), "lblJavaneseResult", 0)->text(), QStringLiteral("Pahing"));
        QCOMPARE(indexed<QLabel>(set.result(), "lblJavaneseResult", 1)->text(), QStringLiteral("Selasa"));
        QCOMPARE(indexed<QLabel>(set.result(), "lblJavaneseResult", 2)->text(), QStringLiteral("Tuesday"));
    }

    void refusedCalculateChangesNothing()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        enter(set.main(), QStringLiteral("Ann"), 1980, 6, 7);
        set.main().Calculate();
        set.result().close();
        const CurrentReading before = set.reading();

        enter(set.main(), QStringLiteral("Bob"), 1999, 4, 31);
        set.main().Calculate();
        QCOMPARE(set.reading().PersonName, before.PersonName);
        QCOMPARE(set.reading().BirthDay, before.BirthDay);
        QCOMPARE(set.reading().BirthMonth, before.BirthMonth);
        QVERIFY(set.openMain());
        QVERIFY(!set.openResult());
        QCOMPARE(child<QLineEdit>(set.main(), "txtName")->text(), QStringLiteral("Bob"));
    }

    void anyNameIsAcceptedAndStoredTrimmed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("longest") << QString(32767, QLatin1Char('n'));
        QTest::newRow("control characters") << QStringLiteral("a\x01\x7f\tb");
        QTest::newRow("right to left") << QStringLiteral("\u0645\u062d\u0645\u062f \u202eabc");
        QTest::newRow("emoji") << QStringLiteral("Ratna \U0001F31E");
    }

    void anyNameIsAcceptedAndStoredTrimmed()
    {
        QFETCH(QString, name);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        // The name box holds at most 32,767 characters; shorter names get spaces around them.
        const QString typed = name.size() < 32767 ? QStringLiteral("  ") + name + QStringLiteral(" ") : name;
        enter(set.main(), typed, 2000, 1, 1);
        set.main().Calculate();
        QCOMPARE(set.reading().PersonName, name);
        QVERIFY(set.openResult());
    }

    // The box holds 32,767 UTF-16 units, as a saved reading's name line; a paste is cut at its end.
    void pastedNameIsCutBetweenCharacters_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        const auto n = [](int count) { return QString(count, QLatin1Char('n')); };
        const QString grin = QStringLiteral("\U0001F600");                    // two units
        const QString flag = QStringLiteral("\U0001F1EE\U0001F1E9");          // two regional indicators
        const QString family = QStringLiteral("\U0001F469\u200D\U0001F467");  // woman, joiner, girl
        const QString accented = QStringLiteral("e\u0301");                   // e and a combining acute
        QTest::newRow("plain letters are cut at the limit") << QString() << 0 << n(40000) << n(32767);
        QTest::newRow("an emoji that fits is kept") << n(32765) << 32765 << grin << n(32765) + grin;
        QTest::newRow("an emoji one unit too long goes whole") << n(32766) << 32766 << grin << n(32766);
        QTest::newRow("a flag is not halved") << n(32765) << 32765 << flag << n(32765);
        QTest::newRow("a joined emoji goes whole, not after its first person")
            << n(32762) << 32762 << "ab" + family << n(32762) + "ab";
        QTest::newRow("an accent stays with its letter") << n(32766) << 32766 << accented << n(32766);
        QTest::newRow("a paste in the middle loses its own end, not the name's")
            << "Ann" + n(32756) + "Lee" << 3 << grin.repeated(3) << "Ann" + grin + grin + n(32756) + "Lee";
    }

    void pastedNameIsCutBetweenCharacters()
    {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        QLineEdit *box = child<QLineEdit>(set.main(), "txtName");
        box->setText(before);
        box->setCursorPosition(cursor);
        QGuiApplication::clipboard()->setText(pasted);
        box->paste();
        QCOMPARE(box->text(), after);
    }

    void linksOpenTheirPages()
    {
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        frmMain &window = set.main();
        QTest::mouseClick(child<LinkCaption>(window, "Label14"), Qt::LeftButton);
        QTest::mouseClick(qobject_cast<QLabel *>(offerInFront(window)), Qt::LeftButton);
        QCOMPARE(fake.browser.opened, (QStringList{modHelp::HomePageAddress, modHelp::CoBrandPageAddress}));
        QVERIFY(set.openMain());  // opening a page changes no window
        QCOMPARE(child<LinkCaption>(window, "Label14")->cursor().shape(), LinkCaption::pointer().shape());
        QVERIFY(child<LinkCaption>(window, "Label14")->font().underline());
    }

    void brandingDraw_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("front");
        // n = 6r + 1 rounded half to even: 1 and 7 each cover half as much of [0, 1) as the others.
        QTest::newRow("zero") << 0.0 << 1 << "lblCobrand";
        QTest::newRow("just below 1/12") << 1.0 / 12 - 1e-9 << 1 << "lblCobrand";
        QTest::newRow("1/12 exactly") << 1.0 / 12 << 2 << "lblFullBrand";
        QTest::newRow("1/4 exactly") << 0.25 << 2 << "lblFullBrand";
        QTest::newRow("just above 1/4") << 0.25 + 1e-9 << 3 << "lblCobrand";
        QTest::newRow("5/12 exactly") << 5.0 / 12 << 4 << "lblFullBrand";
        QTest::newRow("1/2") << 0.5 << 4 << "lblFullBrand";
        QTest::newRow("just below 11/12") << 11.0 / 12 - 1e-9 << 6 << "lblFullBrand";
        QTest::newRow("11/12 exactly") << 11.0 / 12 << 6 << "lblFullBrand";
        QTest::newRow("above 11/12 changes nothing") << 0.95 << 7 << "lblCobrand";
        QTest::newRow("largest below 1") << std::nextafter(1.0, 0.0) << 7 << "lblCobrand";
    }

    void brandingDraw()
    {
        QFETCH(double, r);
        QFETCH(int, draw);
        QFETCH(QString, front);
        fakes::FakePlatform fake;
        fake.random.values = {r};
        WindowSet set(fake.platform());
        Application::CoBrand_Randomize(set);
        QCOMPARE(int(set.intCoBrandRandomNumber), draw);
        QCOMPARE(offerInFront(set.main())->objectName(), front);
    }

    void freshEntryWindowShowsItsDesignStacking()
    {
        fakes::FakePlatform fake;
        fake.random.values = {0.5};
        WindowSet set(fake.platform());
        Application::CoBrand_Randomize(set);
        QCOMPARE(offerInFront(set.main())->objectName(), QStringLiteral("lblFullBrand"));
        set.main().close();
        QCOMPARE(offerInFront(set.main())->objectName(), QStringLiteral("lblCobrand"));
        QCOMPARE(int(set.intCoBrandRandomNumber), 4);
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
