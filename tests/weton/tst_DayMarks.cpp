// SPDX-License-Identifier: MIT
#include "weton/DayMarks.h"

#include <QTest>

// Which days carry which mark. A weton comes back every 35 days, the least common multiple of the
// seven-day week and the five-day market week: 7 June 1980 was a Sabtu Wage, and so were 12 July 1980
// (35 days on) and 6 January 1990 (100 cycles on).
class tst_DayMarks : public QObject
{
    Q_OBJECT

private slots:
    void marksOfADay_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("marks");
        const QDate birth(1980, 6, 7);
        QTest::newRow("the date of birth") << birth << birth << int(DayMarks::Birth);
        QTest::newRow("35 days on: its wetonan") << QDate(1980, 7, 12) << birth << int(DayMarks::Wetonan);
        QTest::newRow("100 cycles on: wetonan") << QDate(1990, 1, 6) << birth << int(DayMarks::Wetonan);
        QTest::newRow("35 days before the birth: no wetonan yet") << QDate(1980, 5, 3) << birth << int(DayMarks::None);
        QTest::newRow("30 days on, a month: no wetonan") << QDate(1980, 7, 7) << birth << int(DayMarks::None);
        QTest::newRow("no reading: no birth marks") << QDate(1980, 7, 12) << QDate() << int(DayMarks::None);
        QTest::newRow("today, with no reading") << QDate(2026, 12, 8) << QDate() << int(DayMarks::Today);
        QTest::newRow("today is also a wetonan: both marks")
            << QDate(2026, 12, 8) << QDate(2026, 11, 3) << (DayMarks::Today | DayMarks::Wetonan);
        QTest::newRow("born today: both marks")
            << QDate(2026, 12, 8) << QDate(2026, 12, 8) << (DayMarks::Today | DayMarks::Birth);
    }
    void marksOfADay()
    {
        QFETCH(QDate, day);
        QFETCH(QDate, birth);
        QFETCH(int, marks);
        QCOMPARE(DayMarks::of(day, QDate(2026, 12, 8), birth), marks);
    }
};

QTEST_APPLESS_MAIN(tst_DayMarks)
#include "tst_DayMarks.moc"
