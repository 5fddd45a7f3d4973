// SPDX-License-Identifier: MIT
#include "weton/CoveredDays.h"
#include "weton/HijriCalendar.h"
#include "weton/InterfaceLanguage.h"
#include "weton/JavaneseCalendar.h"
#include "weton/MonthSheet.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using HijriCalendar::HijriDate;
Q_DECLARE_METATYPE(HijriDate)

// Expected dates of the arithmetical calendar were worked out apart from Qt, from its published rule:
// months of 30 and 29 days in turn, Dhu al-Hijjah 30 in the leap years 2, 5, 7, 10, 13, 16, 18, 21, 24, 26
// and 29 of each 30, and 1 Muharram 1 AH = Julian Day 1948440 (16 July 622).
class tst_HijriCalendar : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>()); }
    void anchorsOfTheJavaneseCalendar_data();
    void anchorsOfTheJavaneseCalendar();
    void publishedDatesWithinADay_data();
    void publishedDatesWithinADay();
    void javaneseAndHijriNeverMoreThanADayApart();
    void monthsAGregorianMonthSpans_data();
    void monthsAGregorianMonthSpans();
    void monthNamesOnlyForTheTwelve_data();
    void monthNamesOnlyForTheTwelve();
    void indonesianSpellings_data();
    void indonesianSpellings();
};

void tst_HijriCalendar::anchorsOfTheJavaneseCalendar_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("javaneseYear");  // 1 Sura of this year, or 0 for another day
    QTest::addColumn<HijriDate>("hijri");
    // The Javanese year is the Hijri year + 512 since Sultan Agung's reform; the start of kurup Asapon and
    // Bank Indonesia's 1 Sura 1959 (Friday Kliwon) both fall on 1 Muharram.
    QTest::newRow("1 Sura 1867, Asapon begins") << QDate(1936, 3, 24) << 1867 << HijriDate{1, 1, 1355};
    QTest::newRow("1 Sura 1959") << QDate(2025, 6, 27) << 1959 << HijriDate{1, 1, 1447};
    QTest::newRow("7 June 1980") << QDate(1980, 6, 7) << 0 << HijriDate{23, 7, 1400};
    QTest::newRow("first reckoned day, 1 January 1901") << QDate(1901, 1, 1) << 0 << HijriDate{10, 9, 1318};
    QTest::newRow("after sunset on the last, 1 January 2037") << QDate(2037, 1, 1) << 0 << HijriDate{14, 11, 1458};
}

void tst_HijriCalendar::anchorsOfTheJavaneseCalendar()
{
    QFETCH(QDate, date);
    QFETCH(int, javaneseYear);
    QFETCH(HijriDate, hijri);
    QCOMPARE(HijriCalendar::ofDate(date), hijri);
    if (javaneseYear) {
        const std::optional<JavaneseCalendar::JavaneseDate> javanese = JavaneseCalendar::ofDate(date);
        QVERIFY(javanese);
        QCOMPARE(javanese->year, javaneseYear);
        QCOMPARE(javanese->day * 100 + javanese->month, 101);
        QCOMPARE(javanese->year - 512, hijri.year);
    }
}

void tst_HijriCalendar::publishedDatesWithinADay_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<HijriDate>("published");
    // Days by which the arithmetical count reaches the published date later (1) or earlier (-1).
    QTest::addColumn<int>("lag");
    // republika.co.id, "Proklamasi Ditulis Jelang Sahur, Dibacakan di Jumat Ramadhan" (after Ahmad Mansur
    // Suryanegara, "Api Sejarah 2"); kebudayaan.kemdikbud.go.id: Friday 9 Ramadan 1364.
    QTest::newRow("Proclamation, 17 August 1945") << QDate(1945, 8, 17) << HijriDate{9, 9, 1364} << 1;
    // ayosemarang.com, Muhammadiyah's reckoning for 1444: Idul Fitri Friday 21 April 2023.
    QTest::newRow("1 Syawal 1444, Muhammadiyah") << QDate(2023, 4, 21) << HijriDate{1, 10, 1444} << 1;
    // okezone.com, 19 June 2023: Muhammadiyah's Idul Adha on Wednesday 28 June, the government's (sidang
    // isbat of 18 June, MABIMS criteria) on Thursday 29 June 2023.
    QTest::newRow("Idul Adha 1444, Muhammadiyah") << QDate(2023, 6, 28) << HijriDate{10, 12, 1444} << 1;
    QTest::newRow("Idul Adha 1444, government") << QDate(2023, 6, 29) << HijriDate{10, 12, 1444} << 0;
    // okezone.com, 17 July 2023: Tahun Baru Islam 1445 on 19 July 2023 (SKB 3 Menteri No. 624/2023).
    QTest::newRow("1 Muharam 1445") << QDate(2023, 7, 19) << HijriDate{1, 1, 1445} << 0;
    // detik.com (detikSumut, 24 February 2024): Muhammadiyah's maklumat 1/MLM/I.0/E/2024 puts 1 Ramadan on
    // 11 March, the Ministry's calendar on 12 March 2024; both Idul Fitri on 10 April 2024.
    QTest::newRow("1 Ramadan 1445, Muhammadiyah") << QDate(2024, 3, 11) << HijriDate{1, 9, 1445} << 0;
    QTest::newRow("1 Ramadan 1445, Ministry's calendar") << QDate(2024, 3, 12) << HijriDate{1, 9, 1445} << -1;
    QTest::newRow("1 Syawal 1445") << QDate(2024, 4, 10) << HijriDate{1, 10, 1445} << 0;
    // rmolsumsel.id: Muhammadiyah's Idul Adha on Monday 17 June 2024, the national holiday too.
    QTest::newRow("Idul Adha 1445") << QDate(2024, 6, 17) << HijriDate{10, 12, 1445} << 0;
    // detik.com (detikSulsel), 7 July 2024: the government and Muhammadiyah put 1 Muharam 1446 on 7 July.
    QTest::newRow("1 Muharam 1446") << QDate(2024, 7, 7) << HijriDate{1, 1, 1446} << 1;
    // tribunnews.com, 4 July 2024 (SKB 3 Menteri for 2024): Maulid Nabi on 16 September 2024.
    QTest::newRow("12 Rabiulawal 1446") << QDate(2024, 9, 16) << HijriDate{12, 3, 1446} << 0;
    // curupekspress, after the Ministry's calendar: 1 Ramadan 1446 on 1 March, Idul Fitri on 31 March 2025.
    QTest::newRow("1 Ramadan 1446") << QDate(2025, 3, 1) << HijriDate{1, 9, 1446} << 0;
    QTest::newRow("1 Syawal 1446") << QDate(2025, 3, 31) << HijriDate{1, 10, 1446} << 0;
}

void tst_HijriCalendar::publishedDatesWithinADay()
{
    QFETCH(QDate, date);
    QFETCH(HijriDate, published);
    QFETCH(int, lag);
    QCOMPARE(HijriCalendar::ofDate(date.addDays(lag)), published);
    if (lag != 0)
        QVERIFY(HijriCalendar::ofDate(date) != published);
}

// For every day, the Javanese month of the same number (year + 512) begins within a day of the Hijri
// month the day falls in: the two calendars tell the same day of the month, give or take one.
void tst_HijriCalendar::javaneseAndHijriNeverMoreThanADayApart()
{
    int days = 0, sameStart = 0;
    for (QDate day(1901, 1, 1); day <= QDate(2036, 12, 31); day = day.addDays(1), ++days) {
        const std::optional<HijriDate> hijri = HijriCalendar::ofDate(day);
        QVERIFY(hijri);
        const QDate hijriStart = day.addDays(1 - hijri->day);
        const JavaneseCalendar::JavaneseDate sameFirst{1, hijri->month, hijri->year + 512};
        bool found = false;
        for (int shift : {0, -1, 1}) {
            const std::optional<JavaneseCalendar::JavaneseDate> javanese =
                JavaneseCalendar::ofDate(hijriStart.addDays(shift));
            if (javanese && javanese->day == 1 && javanese->month == sameFirst.month
                && javanese->year == sameFirst.year) {
                found = true;
                sameStart += shift == 0;
                break;
            }
        }
        if (!found)
            QFAIL(qPrintable(day.toString(Qt::ISODate) + QStringLiteral(" is more than a day apart")));
    }
    QCOMPARE(days, 49674);
    QVERIFY(sameStart > days / 2);  // most months begin on the same day in both
}

void tst_HijriCalendar::monthsAGregorianMonthSpans_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("title");
    QTest::newRow("two months") << 1980 << 6 << "Rajab – Sha'ban 1400 AH";
    QTest::newRow("across a new year") << 2025 << 6 << "Dhu al-Hijjah 1446 AH – Muharram 1447 AH";
    // A 29-day Sha'ban from 2 May to 30 May 1919.
    QTest::newRow("three months in one") << 1919 << 5 << "Rajab – Sha'ban – Ramadan 1337 AH";
    QTest::newRow("a month outside the calendar") << 1900 << 13 << "";
}

void tst_HijriCalendar::monthsAGregorianMonthSpans()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, title);
    QCOMPARE(HijriCalendar::spannedTitle(year, month), title);
    if (CoveredDays::contains(QDate(year, month, 1)))
        QCOMPARE(MonthSheet(year, month).hijriTitle(), title);
}

void tst_HijriCalendar::monthNamesOnlyForTheTwelve_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("1, Muharram") << 1 << "Muharram";
    QTest::newRow("12, Dhu al-Hijjah") << 12 << "Dhu al-Hijjah";
    QTest::newRow("13") << 13 << QString();
}

void tst_HijriCalendar::monthNamesOnlyForTheTwelve()
{
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(QString(HijriCalendar::monthName(month)), name);
    QCOMPARE(HijriCalendar::shownMonthName(month), name);  // no translation installed: the English
}

void tst_HijriCalendar::indonesianSpellings_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("line");
    // Indonesian as the Kamus Besar Bahasa Indonesia writes the months (detik.com, "12 Nama Bulan Islam
    // dalam KBBI"), the year with "H".
    QTest::newRow("Syakban") << "id" << QDate(1980, 6, 21) << "Tanggal Hijriah: 7 Syakban 1400 H (kalender hisab urfi)";
    QTest::newRow("Zulhijah of a leap year")
        << "id" << QDate(2024, 7, 7) << "Tanggal Hijriah: 30 Zulhijah 1445 H (kalender hisab urfi)";
    QTest::newRow("Rabiulakhir") << "id" << QDate(2024, 10, 5)
                                 << "Tanggal Hijriah: 1 Rabiulakhir 1446 H (kalender hisab urfi)";
    QTest::newRow("English transliteration")
        << "en" << QDate(2024, 10, 5) << "Hijri Date: 1 Rabi' al-Thani 1446 AH (arithmetical calendar)";
}

void tst_HijriCalendar::indonesianSpellings()
{
    QFETCH(QString, language);
    QFETCH(QDate, date);
    QFETCH(QString, line);
    QCOMPARE(InterfaceLanguage::install(*QCoreApplication::instance(), {language}), language);
    QCOMPARE(HijriCalendar::line(HijriCalendar::ofDate(date)), line);
}

QTEST_GUILESS_MAIN(tst_HijriCalendar)
#include "tst_HijriCalendar.moc"
