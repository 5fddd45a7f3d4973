// SPDX-License-Identifier: MIT
#include "weton/CoveredDays.h"

#include <QTest>

class tst_CoveredDays : public QObject
{
    Q_OBJECT

private slots:
    void coveredDays_data();
    void coveredDays();
};

void tst_CoveredDays::coveredDays_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("covered");
    QTest::addColumn<QDate>("nearest");  // where the windows open when the clock says this date
    QTest::newRow("31 December 1900: before") << QDate(1900, 12, 31) << false << QDate(1901, 1, 1);
    QTest::newRow("1 January 1901: the first") << QDate(1901, 1, 1) << true << QDate(1901, 1, 1);
    QTest::newRow("a day within") << QDate(1980, 6, 7) << true << QDate(1980, 6, 7);
    QTest::newRow("31 December 2036: the last") << QDate(2036, 12, 31) << true << QDate(2036, 12, 31);
    QTest::newRow("1 January 2037: after") << QDate(2037, 1, 1) << false << QDate(2036, 12, 31);
    QTest::newRow("a clock in 1970") << QDate(1970, 1, 1) << true << QDate(1970, 1, 1);
    QTest::newRow("a clock in 1800") << QDate(1800, 3, 4) << false << QDate(1901, 1, 1);
    QTest::newRow("a clock in 2100") << QDate(2100, 3, 4) << false << QDate(2036, 12, 31);
}

void tst_CoveredDays::coveredDays()
{
    QFETCH(QDate, date);
    QFETCH(bool, covered);
    QFETCH(QDate, nearest);
    QCOMPARE(CoveredDays::contains(date), covered);
    QCOMPARE(CoveredDays::nearest(date), nearest);
}

QTEST_APPLESS_MAIN(tst_CoveredDays)
#include "tst_CoveredDays.moc"
