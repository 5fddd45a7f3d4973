// SPDX-License-Identifier: MIT
#include "weton/GregorianMonths.h"

#include <QTest>

class tst_GregorianMonths : public QObject
{
    Q_OBJECT

private slots:
    void monthNamesMatchExactly_data();
    void monthNamesMatchExactly();
};

void tst_GregorianMonths::monthNamesMatchExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");  // -1: not a month
    QTest::newRow("January") << "January" << 0;
    QTest::newRow("May, the shortest") << "May" << 4;
    QTest::newRow("September, the longest") << "September" << 8;
    QTest::newRow("December") << "December" << 11;
    QTest::newRow("lower case") << "january" << -1;
    QTest::newRow("upper case") << "JUNE" << -1;
    QTest::newRow("trailing space") << "March " << -1;
    QTest::newRow("abbreviation") << "Sep" << -1;
    QTest::newRow("empty") << "" << -1;
}

void tst_GregorianMonths::monthNamesMatchExactly()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    const std::optional<int> found = GregorianMonths::indexOf(name);
    QCOMPARE(found.value_or(-1), index);
    if (found)
        QCOMPARE(GregorianMonths::name(*found), QStringView(name));
}

QTEST_APPLESS_MAIN(tst_GregorianMonths)
#include "tst_GregorianMonths.moc"
