// SPDX-License-Identifier: MIT
#include "CliRun.h"
#include "cli/JsonRecords.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using Lines = QList<QByteArray>;

class tst_ReckoningModes : public QObject
{
    Q_OBJECT

private slots:
    void readingEndsWithTheReckoning_data();
    void readingEndsWithTheReckoning();
    void matchOfTwoWetons_data();
    void matchOfTwoWetons();
    void jsonHasEveryFactAndReadsLikeTsv();
    void jsonAfterSunsetPerDate_data();
    void jsonAfterSunsetPerDate();
    void jsonStringsAreEscaped_data();
    void jsonStringsAreEscaped();
};

void tst_ReckoningModes::readingEndsWithTheReckoning_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<Lines>("tail");
    // Worked out by hand from the neptu values, the Galungan anchor of the wuku, the month lengths of both
    // lunar calendars and the seasons' first days.
    QTest::newRow("Sabtu Wage 13, in Asapon") << "1980-06-07"
                                              << Lines{"Neptu: 13 (Sabtu 9 + Wage 4)", "Wuku: Julungwangi (9 of 30)",
                                                       "Javanese Date: 23 Rejeb 1912 Be, windu Kuntara",
                                                       "Hijri Date: 23 Rajab 1400 AH (arithmetical calendar)",
                                                       "Pranata Mangsa: Sadha (season 12 of 12), day 27 of 41"};
    QTest::newRow("last day of Aboge, Besar cut to 29")
        << "1936-03-23"
        << Lines{"Neptu: 13 (Senin 4 + Pahing 9)", "Wuku: Langkir (13 of 30)",
                 "Javanese Date: 29 Besar 1866 Jimakir, windu Sancaya",
                 "Hijri Date: 29 Dhu al-Hijjah 1354 AH (arithmetical calendar)",
                 "Pranata Mangsa: Kasanga (season 9 of 12), day 23 of 25"};
    QTest::newRow("Thursday is Kemis, worth 8") << "2009-01-01"
                                                << Lines{"Neptu: 12 (Kemis 8 + Wage 4)", "Wuku: Watugunung (30 of 30)",
                                                         "Javanese Date: 4 Sura 1942 Je, windu Kuntara",
                                                         "Hijri Date: 4 Muharram 1430 AH (arithmetical calendar)",
                                                         "Pranata Mangsa: Kapitu (season 7 of 12), day 11 of 43"};
}

void tst_ReckoningModes::readingEndsWithTheReckoning()
{
    QFETCH(QString, date);
    QFETCH(Lines, tail);
    const CliRun run = runWeton({date});
    QCOMPARE(run.status, 0);
    const Lines lines = run.outLines();
    QVERIFY(lines.size() > 12);
    QCOMPARE(lines.at(lines.size() - 12), "Description:");  // the reading's lines come first, unchanged
    QCOMPARE(lines.mid(lines.size() - 10), (Lines{"", tail[0], "", tail[1], "", tail[2], "", tail[3], "", tail[4]}));
}

void tst_ReckoningModes::matchOfTwoWetons_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<QByteArray>("reckoning");
    QTest::addColumn<QByteArray>("match");
    // Neptu: 1980-06-07 Sabtu Wage 13, 2000-01-01 Sabtu Legi 14, 1945-08-17 Jumat Legi 11,
    // 1901-01-01 Selasa Pahing 12, 2036-12-31 Rabu Kliwon 15, 2000-02-29 Selasa Kliwon 11.
    // Read by the table of nine: Pegat 1, 9, 10, 18, 19, 27, 28, 36; Ratu 2, 11, 20, 29; Jodoh 3, 12, 21,
    // 30; Topo 4, 13, 22, 31; Tinari 5, 14, 23, 32; Padu 6, 15, 24, 33; Sujanan 7, 16, 25, 34; Pesthi 8,
    // 17, 26, 35.
    QTest::newRow("22 Topo") << QStringList{"1945-08-17", "2000-02-29"}
                             << QByteArray("Neptu 11 + 11 = 22; 22 divided by 9 leaves 4: Topo") << QByteArray("Topo");
    QTest::newRow("23 Tinari") << QStringList{"1901-01-01", "1945-08-17"}
                               << QByteArray("Neptu 12 + 11 = 23; 23 divided by 9 leaves 5: Tinari")
                               << QByteArray("Tinari");
    QTest::newRow("24 Padu") << QStringList{"1945-08-17", "1980-06-07"}
                             << QByteArray("Neptu 11 + 13 = 24; 24 divided by 9 leaves 6: Padu") << QByteArray("Padu");
    QTest::newRow("25 Sujanan") << QStringList{"1980-06-07", "1901-01-01"}
                                << QByteArray("Neptu 13 + 12 = 25; 25 divided by 9 leaves 7: Sujanan")
                                << QByteArray("Sujanan");
    QTest::newRow("26 Pesthi") << QStringList{"1980-06-07", "1980-06-07"}
                               << QByteArray("Neptu 13 + 13 = 26; 26 divided by 9 leaves 8: Pesthi")
                               << QByteArray("Pesthi");
    QTest::newRow("27 Pegat, closing the third cycle")
        << QStringList{"1980-06-07", "2000-01-01"} << QByteArray("Neptu 13 + 14 = 27; 27 divided by 9 leaves 0: Pegat")
        << QByteArray("Pegat");
    QTest::newRow("28 Pegat, opening the fourth")
        << QStringList{"2000-01-01", "2000-01-01"} << QByteArray("Neptu 14 + 14 = 28; 28 divided by 9 leaves 1: Pegat")
        << QByteArray("Pegat");
    QTest::newRow("29 Ratu") << QStringList{"2036-12-31", "2000-01-01"}
                             << QByteArray("Neptu 15 + 14 = 29; 29 divided by 9 leaves 2: Ratu") << QByteArray("Ratu");
}

void tst_ReckoningModes::matchOfTwoWetons()
{
    QFETCH(QStringList, dates);
    QFETCH(QByteArray, reckoning);
    QFETCH(QByteArray, match);
    const CliRun run = runWeton({"--match", dates[0], dates[1]});
    QCOMPARE(run.status, 0);
    const Lines lines = run.outLines();
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith("First: " + dates[0].toLatin1() + ", ")
            && lines[1].startsWith("Second: " + dates[1].toLatin1() + ", "));
    QCOMPARE(lines[2], reckoning);
    QCOMPARE(lines[3], "Match: " + match);
    QVERIFY2(lines[4].startsWith(match + ' '), lines[4].constData());  // each meaning opens with its name
}

void tst_ReckoningModes::jsonHasEveryFactAndReadsLikeTsv()
{
    const CliRun run = runWeton({"--json", "1980-06-07", "2009-01-01", "2000-06-22"});
    QCOMPARE(run.status, 0);
    // The last wuku has its name too, and so has the first mangsa, Kasa, from 22 June.
    QCOMPARE(QJsonDocument::fromJson(run.outLines().at(1)).object().value("wuku").toObject(),
             (QJsonObject{{"number", 30}, {"name", "Watugunung"}}));
    QCOMPARE(QJsonDocument::fromJson(run.outLines().at(2)).object().value("pranataMangsa").toObject(),
             (QJsonObject{{"number", 1}, {"name", "Kasa"}, {"day", 1}, {"length", 41}}));
    QJsonObject june7 = QJsonDocument::fromJson(run.outLines().at(0)).object();
    QVERIFY(june7.take("description").toString().startsWith("You are 'forceful' and 'dynamic'. The Sabtu Wage"));
    const QJsonObject expected{
        {"date", "1980-06-07"},
        {"weekday", "Saturday"},
        {"weekdayIndonesian", "Sabtu"},
        {"marketDay", "Wage"},
        {"neptu", QJsonObject{{"weekday", 9}, {"marketDay", 4}, {"total", 13}}},
        {"wuku", QJsonObject{{"number", 9}, {"name", "Julungwangi"}}},
        {"javaneseDate", QJsonObject{{"day", 23},
                                     {"month", 7},
                                     {"monthName", "Rejeb"},
                                     {"year", 1912},
                                     {"yearName", "Be"},
                                     {"windu", "Kuntara"}}},
        {"hijriDate", QJsonObject{{"day", 23}, {"month", 7}, {"monthName", "Rajab"}, {"year", 1400}}},
        {"pranataMangsa", QJsonObject{{"number", 12}, {"name", "Sadha"}, {"day", 27}, {"length", 41}}},
        {"afterSunset", false},
        {"wetonDate", "1980-06-07"}};
    QCOMPARE(june7, expected);
    // The fields that came later follow the description, so every earlier field keeps its bytes.
    QVERIFY(run.outLines().at(0).contains(
        "Take time to rest, and your luck will truly grow.\",\"hijriDate\":{\"day\":23,\"month\":7,\"monthName\":"
        "\"Rajab\",\"year\":1400},\"pranataMangsa\":{\"number\":12,\"name\":\"Sadha\",\"day\":27,\"length\":41},"
        "\"afterSunset\":false,\"wetonDate\":\"1980-06-07\"}"));

    // Without dates it reads standard input as --tsv does: byte-order mark, blanks and CR forgiven, other
    // lines reported and skipped.
    const CliRun read = runWeton({"--json"}, "\xEF\xBB\xBF 1980-06-07\t\r\nnot a date\n2009-01-01\n2000-06-22");
    QCOMPARE(read.status, 1);
    QCOMPARE(read.out, run.out);
    QCOMPARE(read.err, QByteArray("weton: line 2: \"not a date\" is not a date as YYYY-MM-DD\n"));
}

// With dates given, --after-sunset is for the date that follows it; reading standard input, for every line.
// 7 June 1980 is Sabtu Wage, so the next day is Minggu Kliwon; 1 January 2000 is Sabtu Legi.
void tst_ReckoningModes::jsonAfterSunsetPerDate_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("wetons");  // date, afterSunset, wetonDate, weekday, market day a line
    QTest::newRow("the second date only")
        << QStringList{"--json", "2000-01-01", "--after-sunset", "1980-06-07"} << QByteArray()
        << QStringList{"2000-01-01 0 2000-01-01 Saturday Legi", "1980-06-07 1 1980-06-08 Sunday Kliwon"};
    QTest::newRow("the first date only") << QStringList{"--after-sunset", "--json", "1980-06-07", "2000-01-01"}
                                         << QByteArray()
                                         << QStringList{"1980-06-07 1 1980-06-08 Sunday Kliwon",
                                                        "2000-01-01 0 2000-01-01 Saturday Legi"};
    QTest::newRow("every line read") << QStringList{"--json", "--after-sunset"}
                                     << QByteArray("1980-06-07\n2000-01-01\n")
                                     << QStringList{"1980-06-07 1 1980-06-08 Sunday Kliwon",
                                                    "2000-01-01 1 2000-01-02 Sunday Pahing"};
    QTest::newRow("after -- too") << QStringList{"--json", "--after-sunset", "--", "1980-06-07"} << QByteArray()
                                  << QStringList{"1980-06-07 1 1980-06-08 Sunday Kliwon"};
}

void tst_ReckoningModes::jsonAfterSunsetPerDate()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, wetons);
    const CliRun run = runWeton(arguments, input);
    QCOMPARE(run.status, 0);
    QStringList got;
    for (const QByteArray &line : run.outLines()) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        got << QStringList{object.value("date").toString(), QString::number(object.value("afterSunset").toBool()),
                           object.value("wetonDate").toString(), object.value("weekday").toString(),
                           object.value("marketDay").toString()}
                   .join(' ');
    }
    QCOMPARE(got, wetons);
}

void tst_ReckoningModes::jsonStringsAreEscaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("quote and backslash") << QStringLiteral("a\"b\\c") << QByteArray(R"("a\"b\\c")");
    QTest::newRow("control characters as \\u00XX, DEL as it is") << QStringLiteral("\x01\t\n\x1f\x7f")
                                                                 << QByteArray(R"("\u0001\u0009\u000a\u001f)"
                                                                               "\x7f\"");
    QTest::newRow("non-ASCII as UTF-8") << QStringLiteral("K\u00e9mis \ua997")
                                        << QByteArray("\"K\xc3\xa9mis \xea\xa6\x97\"");
}

void tst_ReckoningModes::jsonStringsAreEscaped()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, json);
    QCOMPARE(WetonCli::jsonString(text), json);
}

QTEST_APPLESS_MAIN(tst_ReckoningModes)
#include "tst_ReckoningModes.moc"
