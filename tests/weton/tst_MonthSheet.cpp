// SPDX-License-Identifier: MIT
#include "weton/DaySignCatalogue.h"
#include "weton/MonthSheet.h"

#include <QTest>

class tst_MonthSheet : public QObject
{
    Q_OBJECT

private slots:
    void everyMonthLaysOutItsDaysByWeekAndWuku();
    void publishedDaysInTheirCells_data();
    void publishedDaysInTheirCells();
};

void tst_MonthSheet::everyMonthLaysOutItsDaysByWeekAndWuku()
{
    for (int year = 1900; year <= 2037; ++year)
        for (int month = 1; month <= 12; ++month) {
            const MonthSheet sheet(year, month);
            const QDate first(year, month, 1);
            if (year == 1900 || year == 2037) {
                QCOMPARE(sheet.rows(), 0);  // outside the calendar's days: nothing laid out
                continue;
            }
            QDate expected = first;
            for (int row = 0; row < sheet.rows(); ++row)
                for (int column = 0; column < MonthSheet::Columns; ++column) {
                    const DayFacts::Facts *day = sheet.dayAt(row, column);
                    if (!day) {  // only before the 1st and after the last day
                        QVERIFY((row == 0 && expected == first) || expected.month() != month);
                        continue;
                    }
                    QCOMPARE(day->date, expected);
                    QCOMPARE(column, expected.dayOfWeek() % 7);               // Sunday first
                    QCOMPARE(day->wuku.number, sheet.wukuOfRow(row).number);  // one wuku a row
                    expected = expected.addDays(1);
                }
            QCOMPARE(expected, first.addMonths(1));
            QVERIFY2(sheet.dayAt(sheet.rows() - 1, 0), "no week after the month's last is shown");
            QVERIFY(sheet.rows() >= 4 && sheet.rows() <= 6);
        }
}

void tst_MonthSheet::publishedDaysInTheirCells_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("wuku");
    QTest::addColumn<QString>("marketDay");
    QTest::addColumn<QString>("javanese");  // day, month, year and year name, as in the sources
    QTest::addColumn<QString>("title");     // the Javanese months the Gregorian month spans

    // Bank Indonesia's 2025 calendar (jatimtimes.com): 1 Sura 1959 Dal on Friday Kliwon, 27 June 2025.
    // alongwalker.com: 26 June was 29 Besar 1958 Je; 1955 AJ opened a windu Sancaya (tirto.id). The wuku is
    // the 20th: its week began 99 weeks (three cycles and nine weeks) after that of Galungan, 2 August 2023
    // (Wikipedia's "Galungan"), the 11th.
    QTest::newRow("Bank Indonesia, 1 Sura 1959") << QDate(2025, 6, 27) << 5 << "Medangkungan"
                                                 << "Kliwon"
                                                 << "1 Sura 1959 Dal"
                                                 << "Besar 1958 Je – Sura 1959 Dal, windu Sancaya";
    // tabloidelemen.com: kurup Asapon began on Selasa Pon, 1 Sura 1867 Alip = 24 March 1936; the Besar
    // before it, of 1866 Jimakir, closed a windu. Its week lay 4050 weeks, 135 whole cycles, before the
    // week of wuku Langkir that Tembi's primbon gives for 3 November 2013.
    QTest::newRow("tabloidelemen, Asapon begins") << QDate(1936, 3, 24) << 2 << "Langkir"
                                                  << "Pon"
                                                  << "1 Sura 1867 Alip"
                                                  << "Besar 1866 Jimakir, windu Sancaya – Sura 1867 Alip, windu Adi";
    // tirto.id's calendar of December 2021: the 1st was 25 Bakda Mulud, the 6th 1 Jumadilawal, the 31st 26
    // Jumadilawal 1955 Alip, windu Sancaya; the week of the 5th was wuku Julungpujut.
    QTest::newRow("tirto.id, December 2021") << QDate(2021, 12, 6) << 1 << "Julungpujut"
                                             << "Legi"
                                             << "1 Jumadilawal 1955 Alip"
                                             << "Bakda Mulud – Jumadilawal 1955 Alip, windu Sancaya";
    // Tembi's weekly primbon: the week of Sunday 3 November 2013 was wuku Langkir, and Saturday the 9th
    // 5 Sura 1947 Alip.
    QTest::newRow("Tembi, November 2013") << QDate(2013, 11, 9) << 6 << "Langkir"
                                          << "Pahing"
                                          << "5 Sura 1947 Alip"
                                          << "Besar 1946 Jimakir, windu Kuntara – Sura 1947 Alip, windu Sengara";
    // Wikipedia's "Galungan": Wednesday Kliwon of the 11th wuku, 28 February 2024.
    QTest::newRow("Galungan 2024") << QDate(2024, 2, 28) << 3 << "Galungan"
                                   << "Kliwon"
                                   << ""
                                   << "";
}

void tst_MonthSheet::publishedDaysInTheirCells()
{
    QFETCH(QDate, date);
    QFETCH(int, column);
    QFETCH(QString, wuku);
    QFETCH(QString, marketDay);
    QFETCH(QString, javanese);
    QFETCH(QString, title);
    const MonthSheet sheet(date.year(), date.month());
    const std::optional<MonthSheet::Cell> cell = sheet.cellOf(date);
    QVERIFY(cell);
    QCOMPARE(cell->column, column);
    QCOMPARE(sheet.wukuOfRow(cell->row).name.toString(), wuku);
    const DayFacts::Facts *day = sheet.dayAt(cell->row, cell->column);
    QVERIFY(day);
    QCOMPARE(DaySignCatalogue::marketDayInLookupOrder(day->neptu.marketDay), marketDay);
    if (!javanese.isEmpty())
        QCOMPARE(DayFacts::javaneseDate(*day), javanese);
    if (!title.isEmpty())
        QCOMPARE(sheet.javaneseTitle(), title);
}

QTEST_APPLESS_MAIN(tst_MonthSheet)
#include "tst_MonthSheet.moc"
