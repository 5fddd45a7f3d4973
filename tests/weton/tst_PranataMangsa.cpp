// SPDX-License-Identifier: MIT
#include "weton/PranataMangsa.h"

#include <QTest>

// The published table (H. Djanudji's almanac, mangsatandur.com and others): each season's first day and
// its length, Kawolu 27 days in a leap year.
namespace {

struct Season
{
    const char *name;
    int month, day;
    int length, leapLength;
};
constexpr Season Seasons[] = {{"Kasa", 6, 22, 41, 41},    {"Karo", 8, 2, 23, 23},     {"Katelu", 8, 25, 24, 24},
                              {"Kapat", 9, 18, 25, 25},   {"Kalima", 10, 13, 27, 27}, {"Kanem", 11, 9, 43, 43},
                              {"Kapitu", 12, 22, 43, 43}, {"Kawolu", 2, 3, 26, 27},   {"Kasanga", 3, 1, 25, 25},
                              {"Kadasa", 3, 26, 24, 24},  {"Dhesta", 4, 19, 23, 23},  {"Sadha", 5, 12, 41, 41}};

}  // namespace

class tst_PranataMangsa : public QObject
{
    Q_OBJECT

private slots:
    void everyBoundary_data();
    void everyBoundary();
    void daysWithinASeason_data();
    void daysWithinASeason();
    void theYearIsCoveredOnce();
    void noNameOutsideTheTwelve_data();
    void noNameOutsideTheTwelve();
};

// Each season's first day, and the day before it, the last of the season before, in a common and in a
// leap year. Kapitu runs into the next year, so its length belongs to the February it ends in.
void tst_PranataMangsa::everyBoundary_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("previousLength");
    for (int year : {2023, 2024}) {
        const bool leap = year == 2024;
        for (int i = 0; i < 12; ++i) {
            const Season &season = Seasons[i], &previous = Seasons[(i + 11) % 12];
            QTest::addRow("%d %s", year, season.name)
                << QDate(year, season.month, season.day) << i + 1 << QString::fromLatin1(season.name)
                << (leap ? season.leapLength : season.length) << (leap ? previous.leapLength : previous.length);
        }
    }
}

void tst_PranataMangsa::everyBoundary()
{
    QFETCH(QDate, first);
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(int, length);
    QFETCH(int, previousLength);
    const PranataMangsa::Mangsa mangsa = PranataMangsa::ofDate(first);
    QCOMPARE(mangsa.number, number);
    QCOMPARE(mangsa.name.toString(), name);
    QCOMPARE(mangsa.day, 1);
    QCOMPARE(mangsa.length, length);
    QVERIFY(PranataMangsa::beginsOn(first));

    const PranataMangsa::Mangsa before = PranataMangsa::ofDate(first.addDays(-1));
    QCOMPARE(before.number, number == 1 ? 12 : number - 1);
    QCOMPARE(before.day, previousLength);  // its last day
    QCOMPARE(before.length, previousLength);
    QVERIFY(!PranataMangsa::beginsOn(first.addDays(-1)));
    QCOMPARE(PranataMangsa::name(before.number), before.name);
}

void tst_PranataMangsa::daysWithinASeason_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("line");
    QTest::newRow("29 February, the last of Kawolu's 27 days")
        << QDate(2024, 2, 29) << "Pranata Mangsa: Kawolu (season 8 of 12), day 27 of 27";
    QTest::newRow("28 February of a common year")
        << QDate(2023, 2, 28) << "Pranata Mangsa: Kawolu (season 8 of 12), day 26 of 26";
    QTest::newRow("1900 was no leap year")
        << QDate(1900, 2, 28) << "Pranata Mangsa: Kawolu (season 8 of 12), day 26 of 26";
    QTest::newRow("2000 was one") << QDate(2000, 2, 29) << "Pranata Mangsa: Kawolu (season 8 of 12), day 27 of 27";
    QTest::newRow("New Year in Kapitu, begun 22 December")
        << QDate(2024, 1, 1) << "Pranata Mangsa: Kapitu (season 7 of 12), day 11 of 43";
    QTest::newRow("7 June 1980") << QDate(1980, 6, 7) << "Pranata Mangsa: Sadha (season 12 of 12), day 27 of 41";
    QTest::newRow("1 January 2037") << QDate(2037, 1, 1) << "Pranata Mangsa: Kapitu (season 7 of 12), day 11 of 43";
    QTest::newRow("no date") << QDate() << "";
}

void tst_PranataMangsa::daysWithinASeason()
{
    QFETCH(QDate, date);
    QFETCH(QString, line);
    QCOMPARE(PranataMangsa::line(PranataMangsa::ofDate(date)), line);
}

// Day by day through a leap year and the next: each day one further into its season, or the first of the
// next, twelve first days a year.
void tst_PranataMangsa::theYearIsCoveredOnce()
{
    PranataMangsa::Mangsa previous = PranataMangsa::ofDate(QDate(2023, 12, 31));
    int firsts = 0;
    for (QDate day(2024, 1, 1); day.year() < 2026; day = day.addDays(1)) {
        const PranataMangsa::Mangsa mangsa = PranataMangsa::ofDate(day);
        if (mangsa.day == 1) {
            ++firsts;
            QCOMPARE(previous.day, previous.length);
            QCOMPARE(mangsa.number, previous.number % 12 + 1);
        } else {
            QCOMPARE(mangsa.number, previous.number);
            QCOMPARE(mangsa.day, previous.day + 1);
        }
        previous = mangsa;
    }
    QCOMPARE(firsts, 24);
}

void tst_PranataMangsa::noNameOutsideTheTwelve_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("0, an invalid date's") << 0;
    QTest::newRow("13") << 13;
}

void tst_PranataMangsa::noNameOutsideTheTwelve()
{
    QFETCH(int, number);
    QCOMPARE(PranataMangsa::name(number).toString(), QString());
}

QTEST_APPLESS_MAIN(tst_PranataMangsa)
#include "tst_PranataMangsa.moc"
