// SPDX-License-Identifier: MIT
#include "weton/JavaneseCalendar.h"
#include "weton/Neptu.h"
#include "weton/Wuku.h"

#include <QTest>

#include <array>

using JavaneseCalendar::JavaneseDate;

namespace {

// The second reckoning: a walk through the calendar one day at a time from cited anchors, with the
// tabular month lengths written out here, not the windu arithmetic of the core.
constexpr std::array<int, 12> MonthLengths = {30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29};
const QDate Sura1867(1936, 3, 24);  // 1 Sura 1867 Alip, first day of Asapon (tabloidelemen.com; Djanudji 2013)

int yearInWindu(int year) { return ((year - 1867) % 8 + 8) % 8 + 1; }  // 1867 was an Alip year

int monthLength(int month, int year)
{
    if (month < 12)
        return MonthLengths[month - 1];
    if (year == 1866)
        return 29;  // the last Jimakir of Aboge lost its 30 Besar when Asapon began
    const int name = yearInWindu(year);
    return name == 2 || name == 5 || name == 8 ? 30 : 29;  // Ehe, Dal and Jimakir are long
}

struct Walk
{
    JavaneseDate date{1, 1, 1867, 1, 0};  // 1867 began a windu Adi: two windus before 1883, in Sengara

    void forward()
    {
        if (++date.day <= monthLength(date.month, date.year))
            return;
        date.day = 1;
        if (++date.month <= 12)
            return;
        date.month = 1;
        date.yearInWindu = yearInWindu(++date.year);
        if (date.yearInWindu == 1)
            date.windu = (date.windu + 1) % 4;
    }
    void backward()
    {
        if (--date.day >= 1)
            return;
        if (--date.month < 1) {
            date.month = 12;
            if (date.yearInWindu == 1)
                date.windu = (date.windu + 3) % 4;
            date.yearInWindu = yearInWindu(--date.year);
        }
        date.day = monthLength(date.month, date.year);
    }
};

// Every reckoned day, the Javanese date the walk gives it.
QList<JavaneseDate> walkedDates(QDate first, QDate last)
{
    QList<JavaneseDate> dates(first.daysTo(last) + 1);
    Walk walk;
    for (QDate day = Sura1867; day >= first; day = day.addDays(-1), walk.backward())
        if (day <= last)
            dates[first.daysTo(day)] = walk.date;
    walk = Walk();
    for (QDate day = Sura1867; day <= last; day = day.addDays(1), walk.forward())
        if (day >= first)
            dates[first.daysTo(day)] = walk.date;
    return dates;
}

}  // namespace

class tst_JavaneseReckoning : public QObject
{
    Q_OBJECT

private slots:
    void everyDayAgreesWithADayByDayWalk();
    void publishedJavaneseDates_data();
    void publishedJavaneseDates();
    void publishedWuku_data();
    void publishedWuku();
    void outsideTheKurupsIsUnknown();
};

void tst_JavaneseReckoning::everyDayAgreesWithADayByDayWalk()
{
    const QDate first(1901, 1, 1), last(2036, 12, 31);
    const QList<JavaneseDate> walked = walkedDates(first, last);
    // Neptu values as the issue lists them, by name; 1 January 1901 was a Pahing day.
    const QHash<QString, int> values = {{"Minggu", 5}, {"Senin", 4}, {"Selasa", 3}, {"Rabu", 7},
                                        {"Kamis", 8},  {"Jumat", 6}, {"Sabtu", 9},  {"Legi", 5},
                                        {"Pahing", 9}, {"Pon", 7},   {"Wage", 4},   {"Kliwon", 8}};
    const QStringList weekdays = {"Senin", "Selasa", "Rabu", "Kamis", "Jumat", "Sabtu", "Minggu"};  // Qt: Monday 1
    const QStringList markets = {"Legi", "Pahing", "Pon", "Wage", "Kliwon"};
    int market = 1;
    // Tembi's weekly primbon: the week of Sunday 3 November 2013 was wuku Langkir, the 13th.
    const QDate langkir(2013, 11, 3);
    int alipStarts = 0;
    for (QDate day = first; day <= last; day = day.addDays(1), market = (market + 1) % 5) {
        const JavaneseDate expected = walked.at(first.daysTo(day));
        QVERIFY2(JavaneseCalendar::ofDate(day) == expected, qPrintable(day.toString(Qt::ISODate)));

        const Neptu::DayNeptu neptu = Neptu::ofDate(day);
        QCOMPARE(neptu.total(), values[weekdays[day.dayOfWeek() - 1]] + values[markets[market]]);
        QCOMPARE(neptu.marketDay, market);

        const qint64 weeksFromLangkir = (langkir.daysTo(day) - (day < langkir ? 6 : 0)) / 7;
        QCOMPARE(Wuku::ofDate(day).number, int(((12 + weeksFromLangkir) % 30 + 30) % 30) + 1);
        QCOMPARE(day.dayOfWeek() == 7, (Wuku::ofDate(day).number != Wuku::ofDate(day.addDays(-1)).number));

        // The kurup names: 1 Sura of every Alip year is Rebo Wage under Aboge, Selasa Pon under Asapon.
        if (expected.day == 1 && expected.month == 1 && expected.yearInWindu == 1) {
            ++alipStarts;
            const bool asapon = expected.year >= 1867;
            QCOMPARE(weekdays[day.dayOfWeek() - 1], asapon ? QString("Selasa") : QString("Rabu"));
            QCOMPARE(markets[market], asapon ? QString("Pon") : QString("Wage"));
        }
    }
    QCOMPARE(alipStarts, 17);  // 1835, 1843, ... 1963 AJ
}

void tst_JavaneseReckoning::publishedJavaneseDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("javanese");  // day, month, year, and year name and windu where the source gives them
    const auto row = [](const char *source, QDate date, const char *javanese) {
        QTest::addRow("%s, %s", source, qPrintable(date.toString(Qt::ISODate))) << date << QString(javanese);
    };
    // Birth of Hamengkubuwana IX, the night of 12 April 1912 counted from sunset as Sabtu Pahing: "25 Rabi'ul
    // Akhir (Bakda Mulud) tahun Jimakir 1842" (kebudayaan.kemdikbud.go.id, Museum Benteng Vredeburg).
    // Masthead of the Surakarta monthly Sasadara (Radya Pustaka), no. VII: "Kaping 15 Rêjêp Taun Be, Ongka 1832";
    // sastra.org's transcription dates the issue 18 October 1902.
    row("Sasadara", QDate(1902, 10, 18), "15 Rejeb 1832 Be");
    row("kemdikbud", QDate(1912, 4, 13), "25 Bakda Mulud 1842 Jimakir");
    // Coronation of Hamengkubuwana VIII: "Selasa Kliwon, 29 Jumadil Awal Alip 1851" (id.wikipedia.org).
    row("Wikipedia, Hamengkubuwana VIII", QDate(1921, 2, 8), "29 Jumadilawal 1851 Alip");
    // Birth of Pakubuwana XII at eleven in the morning, Selasa Legi: "20 ramelan (Pasa) Dal 1855 ... windu
    // Sangara" (karatonsurakarta.blogspot.com, "Riwayat singkat raja Kasunanan").
    row("karatonsurakarta", QDate(1925, 4, 14), "20 Pasa 1855 Dal Sengara");
    // Mastheads of the Balai Pustaka weekly Kajawèn, which dates every issue both ways (sastra.org); it calls
    // Sela "Dulkangidah".
    row("Kajawen no. 6", QDate(1927, 2, 10), "7 Ruwah 1857 Wawu");
    row("Kajawen no. 43-44", QDate(1928, 6, 2), "13 Besar 1858 Jimakir");
    row("Kajawen no. 33", QDate(1930, 4, 23), "24 Sela 1860 Ehe");
    row("Kajawen no. 64", QDate(1931, 8, 12), "27 Mulud 1862 Je");
    row("Kajawen no. 2", QDate(1932, 1, 6), "26 Ruwah 1862 Je");
    row("tabloidelemen, Asapon begins", QDate(1936, 3, 24), "1 Sura 1867 Alip");
    // Birth of Paku Alam IX: 7 May 1938 (beritasatu.com), 7 Mulud 1869 by the Javanese count (antaranews.com).
    row("antaranews, Paku Alam IX", QDate(1938, 5, 7), "7 Mulud 1869");
    row("Kajawen no. 31", QDate(1939, 4, 18), "28 Sapar 1870 Je");      // "Slasa Pon, 28 Sapar Je 1870"
    row("karatonsurakarta", QDate(1939, 7, 20), "3 Jumadilakir 1870");  // "Kamis Legi 3 Jumadilakir 1870"
    row("nusamasa.com", QDate(1953, 12, 31), "24 Bakda Mulud 1885 Jimawal Sengara");
    // Coronation of Mangkunegara IX, "tanggal 4 Jumadilakhir 1920 atau 24 Januari 1988" (puromangkunegaran.com).
    row("Pura Mangkunegaran", QDate(1988, 1, 24), "4 Jumadilakir 1920");
    // Coronation of Hamengkubuwana X, "Selasa Wage, 7 Maret 1989 atau 29 Rejeb, Tahun Wawu 1921" (the kraton's
    // own account, quoted by joss.co.id and jogja.suara.com).
    row("Kraton Yogyakarta", QDate(1989, 3, 7), "29 Rejeb 1921 Wawu");
    // Coronation of Paku Alam IX, "May 26, 1999 or in Javanese calendar: month of Sapar, 10, 1932 or Wednesday
    // Legi" (cornelios.faithweb.com).
    row("Paku Alam IX coronation", QDate(1999, 5, 26), "10 Sapar 1932");
    row("adinugrohoapt.com", QDate(2011, 11, 27), "1 Sura 1945 Wawu");
    row("Tembi primbon", QDate(2013, 11, 9), "5 Sura 1947 Alip");
    // The kraton's calendar office (Tepas Tanda Yekti): 1 Suro Jimawal 1949 on Thursday 15 October 2015, its
    // eve Wednesday after sunset (KRJogja, quoted by jogya.com).
    row("Kraton Yogyakarta", QDate(2015, 10, 15), "1 Sura 1949 Jimawal");
    // Coronation of Paku Alam X, "Kamis Legi 7 Januari 2016/26 Mulud 1949" (antaranews.com).
    row("antaranews, Paku Alam X", QDate(2016, 1, 7), "26 Mulud 1949");
    row("tirto.id", QDate(2021, 12, 1), "25 Bakda Mulud 1955 Alip Sancaya");
    row("tirto.id", QDate(2021, 12, 5), "29 Bakda Mulud 1955 Alip Sancaya");
    row("tirto.id", QDate(2021, 12, 6), "1 Jumadilawal 1955 Alip Sancaya");
    row("tirto.id", QDate(2021, 12, 31), "26 Jumadilawal 1955 Alip Sancaya");
    row("iNews Pemalang", QDate(2022, 7, 30), "1 Sura 1956");
    row("suara.com", QDate(2023, 9, 14), "27 Sapar 1957");
    row("suara.com", QDate(2023, 9, 15), "28 Sapar 1957");
    row("IDN Times", QDate(2024, 7, 1), "23 Besar 1957");
    row("IDN Times; Kemenag via infotangerang.id", QDate(2024, 7, 8), "1 Sura 1958");
    row("IDN Times", QDate(2024, 7, 12), "5 Sura 1958");
    row("IDN Times", QDate(2024, 7, 15), "8 Sura 1958");
    row("alongwalker.com", QDate(2025, 6, 26), "29 Besar 1958 Je");
    // Bank Indonesia's 2025 calendar (jatimtimes.com); the Ministry of Religious Affairs' calendar (detik.com)
    // puts it a day later, making Je long instead of Dal.
    row("Bank Indonesia", QDate(2025, 6, 27), "1 Sura 1959 Dal");
    row("haribulan.com", QDate(2026, 6, 17), "1 Sura 1960");
    row("kalenderimlek.blogspot.com, Asapon ends", QDate(2052, 8, 25), "29 Besar 1986 Jimakir");
}

void tst_JavaneseReckoning::publishedJavaneseDates()
{
    QFETCH(QDate, date);
    QFETCH(QString, javanese);
    const std::optional<JavaneseDate> reckoned = JavaneseCalendar::ofDate(date);
    QVERIFY(reckoned);
    const QString text =
        QStringLiteral("%1 %2 %3 %4 %5")
            .arg(reckoned->day)
            .arg(JavaneseCalendar::monthName(reckoned->month))
            .arg(reckoned->year)
            .arg(JavaneseCalendar::yearName(reckoned->yearInWindu), JavaneseCalendar::winduName(reckoned->windu));
    QVERIFY2((text + QLatin1Char(' ')).startsWith(javanese + QLatin1Char(' ')), qPrintable(text));
}

void tst_JavaneseReckoning::publishedWuku_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("wuku");
    // Balinese Galungan, the Wednesday of the 11th wuku, from Wikipedia's "Galungan" article.
    for (const QDate &galungan :
         {QDate(2018, 5, 30), QDate(2018, 12, 26), QDate(2019, 7, 24), QDate(2020, 2, 19), QDate(2020, 9, 16),
          QDate(2021, 4, 14), QDate(2021, 11, 10), QDate(2022, 6, 8), QDate(2023, 1, 4), QDate(2023, 8, 2)})
        QTest::addRow("Galungan %s", qPrintable(galungan.toString(Qt::ISODate))) << galungan << "Galungan";
    // Kuningan, ten days later (Wikipedia); Javanese calendars of Tembi, tirto.id and nusamasa.com.
    QTest::newRow("Kuningan 2020-02-29") << QDate(2020, 2, 29) << "Kuningan";
    QTest::newRow("Tembi, Saturday 2013-11-09") << QDate(2013, 11, 9) << "Langkir";
    QTest::newRow("tirto.id 2021-12-05") << QDate(2021, 12, 5) << "Julungpujut";
    QTest::newRow("tirto.id 2021-12-12") << QDate(2021, 12, 12) << "Pahang";
    QTest::newRow("nusamasa.com 1953-07-01") << QDate(1953, 7, 1) << "Mandasiya";
}

void tst_JavaneseReckoning::publishedWuku()
{
    QFETCH(QDate, date);
    QFETCH(QString, wuku);
    QCOMPARE(Wuku::ofDate(date).name.toString(), wuku);
}

void tst_JavaneseReckoning::outsideTheKurupsIsUnknown()
{
    QCOMPARE(JavaneseCalendar::ofDate(QDate(2052, 8, 26)), std::nullopt);
    QCOMPARE(JavaneseCalendar::ofDate(JavaneseCalendar::firstDate().addDays(-1)), std::nullopt);
    // 1 Sura 1747, fifteen windus before Aboge's own 1 Sura 1867, opened on Rebo Wage as well.
    QCOMPARE(JavaneseCalendar::ofDate(JavaneseCalendar::firstDate()), (JavaneseDate{1, 1, 1747, 1, 1}));
    QCOMPARE(JavaneseCalendar::firstDate().dayOfWeek(), 3);
    QCOMPARE(JavaneseCalendar::ofDate(QDate()), std::nullopt);
}

QTEST_APPLESS_MAIN(tst_JavaneseReckoning)
#include "tst_JavaneseReckoning.moc"
