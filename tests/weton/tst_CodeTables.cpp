// SPDX-License-Identifier: MIT
#include "MarketWalk.h"

#include "weton/CodeTables.h"

#include <QDate>
#include <QList>
#include <QTest>

using Codes = QList<int>;

namespace {

// Qt counts Monday = 1 .. Sunday = 7; the tables count Sunday = 0 .. Saturday = 6.
int sundayBasedWeekday(QDate date) { return date.dayOfWeek() % 7; }

// The market day of a date as the day-by-day walk gives it; the tables number the days from Pon.
int marketCodeOf(QDate date)
{
    static const QStringList tableOrder = {"Pon", "Wage", "Kliwon", "Legi", "Pahing"};
    return int(tableOrder.indexOf(marketwalk::marketDayOf(date)));
}

Codes weekdayRow(int year)
{
    Codes codes;
    for (int m = 0; m < 12; ++m)
        codes << CodeTables::weekdayCode(year, m);
    return codes;
}

Codes marketRow(int year)
{
    Codes codes;
    for (int m = 0; m < 12; ++m)
        codes << CodeTables::marketCode(year, m);
    return codes;
}

}  // namespace

class tst_CodeTables : public QObject
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
};

void tst_CodeTables::weekdayCodesFollowTheCalendar_data()
{
    QTest::addColumn<int>("year");
    for (int year = 1901; year <= 2036; ++year)
        QTest::addRow("%d", year) << year;
}

// Each code is the weekday of the first of the month.
void tst_CodeTables::weekdayCodesFollowTheCalendar()
{
    QFETCH(int, year);
    Codes expected;
    for (int month = 1; month <= 12; ++month)
        expected << sundayBasedWeekday(QDate(year, month, 1));
    QCOMPARE(weekdayRow(year), expected);
}

void tst_CodeTables::marketCodesFollowTheFiveDayCycle_data()
{
    QTest::addColumn<int>("year");
    for (int year = 1900; year <= 2036; ++year)
        QTest::addRow("%d", year) << year;
}

// Each code is the market day of the last day of the month before.
void tst_CodeTables::marketCodesFollowTheFiveDayCycle()
{
    QFETCH(int, year);
    Codes expected;
    for (int month = 1; month <= 12; ++month)
        expected << marketCodeOf(QDate(year, month, 1).addDays(-1));
    QCOMPARE(marketRow(year), expected);
}

void tst_CodeTables::tableRowsAsPublished_data()
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

void tst_CodeTables::tableRowsAsPublished()
{
    QFETCH(int, year);
    QFETCH(Codes, weekdayCodes);
    QFETCH(Codes, marketCodes);
    QCOMPARE(weekdayRow(year), weekdayCodes);
    QCOMPARE(marketRow(year), marketCodes);
}

void tst_CodeTables::codesOutsideTheTablesAreZero_data()
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

void tst_CodeTables::codesOutsideTheTablesAreZero()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QTEST(CodeTables::weekdayCode(year, month), "weekdayCode");
    QTEST(CodeTables::marketCode(year, month), "marketCode");
}

QTEST_APPLESS_MAIN(tst_CodeTables)
#include "tst_CodeTables.moc"
