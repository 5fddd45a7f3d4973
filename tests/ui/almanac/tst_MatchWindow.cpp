// SPDX-License-Identifier: MIT
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "support/Controls.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/kit/DateBox.h"
#include "weton/InterfaceLanguage.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTranslator>

using support::child;

// The match of two dates of birth as the window shows it. Neptu: 17 August 1945 Jumat Legi 6 + 5 = 11,
// 7 June 1980 Sabtu Wage 9 + 4 = 13, 1 January 2000 Sabtu Legi 9 + 5 = 14. The published table of nine
// reads a sum by what is left of it divided by nine: 1 and 0 Pegat, 2 Ratu, 3 Jodoh, 4 Topo, 5 Tinari,
// 6 Padu, 7 Sujanan, 8 Pesthi.
class tst_MatchWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }

    void matchOfTwoDates_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("second");
        QTest::addColumn<QStringList>("shown");  // both wetons, the reckoning, the match
        QTest::addColumn<QString>("meaning");    // how the meaning opens
        QTest::newRow("11 + 13: Padu") << "en" << QDate(1945, 8, 17) << QDate(1980, 6, 7)
                                       << QStringList{"Jumat Legi, neptu 11", "Sabtu Wage, neptu 13",
                                                      "Neptu 11 + 13 = 24; 24 divided by 9 leaves 6: Padu",
                                                      "Match: Padu"}
                                       << "Padu warns of quarrels.";
        QTest::newRow("nothing left: Pegat")
            << "en" << QDate(1980, 6, 7) << QDate(2000, 1, 1)
            << QStringList{"Sabtu Wage, neptu 13", "Sabtu Legi, neptu 14",
                           "Neptu 13 + 14 = 27; 27 divided by 9 leaves 0: Pegat", "Match: Pegat"}
            << "Pegat speaks of parting";
        QTest::newRow("Indonesian: Pesthi")
            << "id" << QDate(1980, 6, 7) << QDate(1980, 6, 7)
            << QStringList{"Sabtu Wage, neptu 13", "Sabtu Wage, neptu 13",
                           "Neptu 13 + 13 = 26; 26 dibagi 9 bersisa 8: Pesthi", "Kecocokan: Pesthi"}
            << "Pesthi adalah kecocokan";
    }
    void matchOfTwoDates()
    {
        QFETCH(QString, language);
        QFETCH(QDate, first);
        QFETCH(QDate, second);
        QFETCH(QStringList, shown);
        QFETCH(QString, meaning);
        if (language != InterfaceLanguage::English)
            QCOMPARE(InterfaceLanguage::install(*qApp, {language}), language);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        MatchWindow &match = set.match();
        match.showFor(QDate());
        // Picked as a user picks them, one after the other; the texts follow each date.
        child<DateBox>(match, "secondDate")->setDate(second);
        child<DateBox>(match, "firstDate")->setDate(first);
        QCOMPARE((QStringList{child<QLabel>(match, "firstWeton")->text(), child<QLabel>(match, "secondWeton")->text(),
                              child<QLabel>(match, "rule")->text(), child<QLabel>(match, "matchName")->text()}),
                 shown);
        QVERIFY2(child<QLabel>(match, "meaning")->text().startsWith(meaning),
                 qPrintable(child<QLabel>(match, "meaning")->text()));
    }

    // The first date is the reading's: it follows each new reading, until the user picks another.
    void firstDateFollowsTheReading_data()
    {
        QTest::addColumn<bool>("userPicks");
        QTest::addColumn<QDate>("reading");
        QTest::addColumn<QDate>("first");
        QTest::newRow("a new reading: followed") << false << QDate(1945, 8, 17) << QDate(1945, 8, 17);
        QTest::newRow("no reading any more (Back): kept") << false << QDate() << QDate(1980, 6, 7);
        QTest::newRow("picked by the user: kept") << true << QDate(1945, 8, 17) << QDate(2001, 10, 2);
    }
    void firstDateFollowsTheReading()
    {
        QFETCH(bool, userPicks);
        QFETCH(QDate, reading);
        QFETCH(QDate, first);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        set.match().showFor(QDate(1980, 6, 7));
        QCOMPARE(child<DateBox>(set.match(), "firstDate")->date(), QDate(1980, 6, 7));
        if (userPicks)
            child<DateBox>(set.match(), "firstDate")->setDate(QDate(2001, 10, 2));
        set.match().setBirth(reading);
        QCOMPARE(child<DateBox>(set.match(), "firstDate")->date(), first);
        QCOMPARE(child<DateBox>(set.match(), "secondDate")->date(), fake.clock.date);
    }

    // A clock outside the years the program reckons opens both windows at the nearest day it covers.
    void windowsOpenAtTheNearestCoveredDay_data()
    {
        QTest::addColumn<QDate>("clock");
        QTest::addColumn<QDate>("opened");
        QTest::newRow("clock before 1901: 1 January 1901") << QDate(1899, 5, 5) << QDate(1901, 1, 1);
        QTest::newRow("clock after 2036: 31 December 2036") << QDate(2040, 2, 2) << QDate(2036, 12, 31);
        QTest::newRow("clock within: today") << QDate(2026, 12, 8) << QDate(2026, 12, 8);
    }
    void windowsOpenAtTheNearestCoveredDay()
    {
        QFETCH(QDate, clock);
        QFETCH(QDate, opened);
        fakes::FakePlatform fake;
        fake.clock.date = clock;
        WindowSet set(fake.platform());
        set.calendar().showFor(QDate());
        set.match().showFor(QDate());
        QCOMPARE(set.calendar().chosenDate(), opened);
        QCOMPARE(child<DateBox>(set.match(), "firstDate")->date(), opened);
        QCOMPARE(child<DateBox>(set.match(), "secondDate")->date(), opened);
    }

    // A screen reader hears each date box by its caption, with the date in words as its value and the
    // date as its text, never a number, and what of it is selected; its weton is tied to it, and it
    // controls the reckoning.
    void dateBoxesSpeakTheirDates_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("spoken");  // name, value, text
        QTest::addColumn<QString>("monthOn");     // the month and year, selected
        QTest::newRow("English") << "en"
                                 << QStringList{"First Date of Birth:", "Friday 17 August 1945", "17 August 1945"}
                                 << "August 1945";
        QTest::newRow("Indonesian") << "id"
                                    << QStringList{"Tanggal Lahir Pertama:", "Jumat, 17 Agustus 1945",
                                                   "17 Agustus 1945"}
                                    << "Agustus 1945";
    }
    void dateBoxesSpeakTheirDates()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, spoken);
        if (language != InterfaceLanguage::English)
            QCOMPARE(InterfaceLanguage::install(*qApp, {language}), language);
        fakes::FakePlatform fake;
        WindowSet set(fake.platform());
        MatchWindow &match = set.match();
        match.showFor(QDate(1945, 8, 17));
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(child<DateBox>(match, "firstDate"));
        QCOMPARE(box->role(), QAccessible::SpinBox);
        QCOMPARE(box->text(QAccessible::Name), spoken[0]);
        QCOMPARE(box->text(QAccessible::Value), spoken[1]);
        QVERIFY(!box->valueInterface());
        QVERIFY(box->textInterface());
        QCOMPARE(box->textInterface()->text(0, box->textInterface()->characterCount()), spoken[2]);
        QFETCH(QString, monthOn);
        child<DateBox>(match, "firstDate")->findChild<QLineEdit *>()->setSelection(3, int(monthOn.size()));
        int start = -1, end = -1;
        box->textInterface()->selection(0, &start, &end);
        QCOMPARE(box->textInterface()->text(start, end), monthOn);
        QList<QObject *> labels, controlled;
        for (const auto &[other, relation] : box->relations())
            (relation == QAccessible::Label ? labels : controlled).append(other->object());
        QVERIFY(labels.contains(child<QLabel>(match, "firstWeton")));
        for (QObject *text : {static_cast<QObject *>(child<QLabel>(match, "firstWeton")),
                              static_cast<QObject *>(child<QLabel>(match, "rule")),
                              static_cast<QObject *>(child<QLabel>(match, "matchName")),
                              static_cast<QObject *>(child<QLabel>(match, "meaning"))})
            QVERIFY2(controlled.contains(text), qPrintable(text->objectName()));
        QVERIFY(!controlled.contains(child<QLabel>(match, "secondWeton")));
        // Its drop-down calendar starts the week on Sunday, as the Javanese calendar does.
        QCOMPARE(child<DateBox>(match, "firstDate")->calendarWidget()->firstDayOfWeek(), Qt::Sunday);
    }
};

QTEST_MAIN(tst_MatchWindow)
#include "tst_MatchWindow.moc"
