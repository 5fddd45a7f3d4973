// SPDX-License-Identifier: MIT
#include "weton/Calendar.h"

#include <QDate>
#include <QList>
#include <QTest>

using Codes = QList<int>;

namespace {

// Qt counts Monday = 1 .. Sunday = 7; the tables count Sunday = 0 .. Saturday = 6.
int sundayBasedWeekday(QDate date) { return date.dayOfWeek() % 7; }

// The market day of a date from its Julian Day Number alone: JDN divisible by 5 is Legi, and the
// days run Legi, Pahing, Pon, Wage, Kliwon. The tables number them from Pon instead.
int marketCodeOf(QDate date)
{
    static const QStringList byJdnRemainder = {"Legi", "Pahing", "Pon", "Wage", "Kliwon"};
    static const QStringList tableOrder = {"Pon", "Wage", "Kliwon", "Legi", "Pahing"};
    return int(tableOrder.indexOf(byJdnRemainder[int(date.toJulianDay() % 5)]));
}

Codes weekdayRow(int year)
{
    Codes codes;
    for (int m = 0; m < 12; ++m)
        codes << Calendar::weekdayCode(year, m);
    return codes;
}

Codes marketRow(int year)
{
    Codes codes;
    for (int m = 0; m < 12; ++m)
        codes << Calendar::marketCode(year, m);
    return codes;
}

}  // namespace

class tst_Calendar : public QObject
{
    Q_OBJECT

private slots:
    void weekdayCodesFollowTheCalendar_data();
    void weekdayCodesFollowTheCalendar();
    void marketCodesFollowTheFiveDayCycle_data();
    void marketCodesFollowTheFiveDayCycle();
    void tableRowsAsPublished_data();
    void tableRowsAsPublished();
    void codesOutsideTheTablesAreZero_data();
    void codesOutsideTheTablesAreZero();
    void monthNamesMatchExactly_data();
    void monthNamesMatchExactly();
};

void tst_Calendar::weekdayCodesFollowTheCalendar_data()
{
    QTest::addColumn<int>("year");
    for (int year = 1901; year <= 2036; ++year)
        QTest::addRow("%d", year) << year;
}

// Each code is the weekday of the first of the month.
void tst_Calendar::weekdayCodesFollowTheCalendar()
{
    QFETCH(int, year);
    Codes expected;
    for (int month = 1; month <= 12; ++month)
        expected << sundayBasedWeekday(QDate(year, month, 1));
    QCOMPARE(weekdayRow(year), expected);
}

void tst_Calendar::marketCodesFollowTheFiveDayCycle_data()
{
    QTest::addColumn<int>("year");
    for (int year = 1900; year <= 2036; ++year)
        QTest::addRow("%d", year) << year;
}

// Each code is the market day of the last day of the month before.
void tst_Calendar::marketCodesFollowTheFiveDayCycle()
{
    QFETCH(int, year);
    Codes expected;
    for (int month = 1; month <= 12; ++month)
        expected << marketCodeOf(QDate(year, month, 1).addDays(-1));
    QCOMPARE(marketRow(year), expected);
}

void tst_Calendar::tableRowsAsPublished_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<Codes>("weekdayCodes");
    QTest::addColumn<Codes>("marketCodes");
    QTest::newRow("1901, first weekday year")
        << 1901 << Codes{2, 5, 5, 1, 3, 6, 1, 4, 0, 2, 5, 0} << Codes{3, 4, 2, 3, 3, 4, 4, 0, 1, 1, 2, 2};
    QTest::newRow("1903, a market group of its own")
        << 1903 << Codes{4, 0, 0, 3, 5, 1, 3, 6, 2, 4, 0, 2} << Codes{3, 4, 2, 3, 3, 4, 4, 0, 1, 1, 2, 2};
    QTest::newRow("1945") << 1945 << Codes{1, 4, 4, 0, 2, 5, 0, 3, 6, 1, 4, 6}
                          << Codes{4, 0, 3, 4, 4, 0, 0, 1, 2, 2, 3, 3};
    QTest::newRow("2000, leap year divisible by 400")
        << 2000 << Codes{6, 2, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5} << Codes{2, 3, 2, 3, 3, 4, 4, 0, 1, 1, 2, 2};
    QTest::newRow("2036, last year, leap")
        << 2036 << Codes{2, 5, 6, 2, 4, 0, 2, 5, 1, 3, 6, 1} << Codes{1, 2, 1, 2, 2, 3, 3, 4, 0, 0, 1, 1};
}

void tst_Calendar::tableRowsAsPublished()
{
    QFETCH(int, year);
    QFETCH(Codes, weekdayCodes);
    QFETCH(Codes, marketCodes);
    QCOMPARE(weekdayRow(year), weekdayCodes);
    QCOMPARE(marketRow(year), marketCodes);
}

void tst_Calendar::codesOutsideTheTablesAreZero_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("weekdayCode");
    QTest::addColumn<int>("marketCode");
    QTest::newRow("1900 has market codes but no weekday codes") << 1900 << 0 << 0 << 3;
    QTest::newRow("1899 is before both tables") << 1899 << 5 << 0 << 0;
    QTest::newRow("2037 is after both tables") << 2037 << 0 << 0 << 0;
    QTest::newRow("month index below January") << 2000 << -1 << 0 << 0;
    QTest::newRow("month index past December") << 2000 << 12 << 0 << 0;
    QTest::newRow("negative year") << -2000 << 0 << 0 << 0;
}

void tst_Calendar::codesOutsideTheTablesAreZero()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QTEST(Calendar::weekdayCode(year, month), "weekdayCode");
    QTEST(Calendar::marketCode(year, month), "marketCode");
}

void tst_Calendar::monthNamesMatchExactly_data()
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

void tst_Calendar::monthNamesMatchExactly()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    const std::optional<int> found = Calendar::monthIndex(name);
    QCOMPARE(found.value_or(-1), index);
    if (found)
        QCOMPARE(Calendar::monthName(*found), QStringView(name));
}

QTEST_APPLESS_MAIN(tst_Calendar)
#include "tst_Calendar.moc"
