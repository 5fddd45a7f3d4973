#include "CliRun.h"

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
    void jsonHasEveryFact();
    void jsonFromStandardInputLikeTsv();
    void badInputGetsOneLineAndStatus2_data();
    void badInputGetsOneLineAndStatus2();
};

void tst_ReckoningModes::readingEndsWithTheReckoning_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<Lines>("tail");
    // Worked out by hand from the neptu values, the Galungan anchor of the wuku and the month lengths.
    QTest::newRow("issue's example, Sabtu Wage 13")
        << "1980-06-07"
        << Lines{"Neptu: 13 (Sabtu 9 + Wage 4)", "Wuku: Julungwangi (9 of 30)",
                 "Javanese Date: 23 Rejeb 1912 AJ, year Be, windu Kuntara"};
    QTest::newRow("first reckoned date, in Aboge") << "1901-01-01"
                                                   << Lines{"Neptu: 12 (Selasa 3 + Pahing 9)", "Wuku: Tolu (5 of 30)",
                                                            "Javanese Date: 10 Pasa 1830 AJ, year Je, windu Sancaya"};
    QTest::newRow("last day of Aboge, Besar shortened to 29")
        << "1936-03-23"
        << Lines{"Neptu: 13 (Senin 4 + Pahing 9)", "Wuku: Langkir (13 of 30)",
                 "Javanese Date: 29 Besar 1866 AJ, year Jimakir, windu Sancaya"};
    QTest::newRow("first day of Asapon, Selasa Pon")
        << "1936-03-24"
        << Lines{"Neptu: 10 (Selasa 3 + Pon 7)", "Wuku: Langkir (13 of 30)",
                 "Javanese Date: 1 Sura 1867 AJ, year Alip, windu Adi"};
    QTest::newRow("Thursday is Kemis, worth 8") << "2009-01-01"
                                                << Lines{"Neptu: 12 (Kemis 8 + Wage 4)", "Wuku: Watugunung (30 of 30)",
                                                         "Javanese Date: 4 Sura 1942 AJ, year Je, windu Kuntara"};
    QTest::newRow("last reckoned date") << "2036-12-31"
                                        << Lines{"Neptu: 15 (Rabu 7 + Kliwon 8)", "Wuku: Maktal (21 of 30)",
                                                 "Javanese Date: 13 Sela 1970 AJ, year Jimakir, windu Adi"};
}

void tst_ReckoningModes::readingEndsWithTheReckoning()
{
    QFETCH(QString, date);
    QFETCH(Lines, tail);
    const CliRun run = runWeton({date});
    QCOMPARE(run.status, 0);
    const Lines lines = run.outLines();
    QVERIFY(lines.size() > 6);
    QCOMPARE(lines.mid(lines.size() - 6), (Lines{"", tail[0], "", tail[1], "", tail[2]}));
    QVERIFY(lines.at(lines.size() - 8) == "Description:");  // today's lines come first, unchanged
}

void tst_ReckoningModes::matchOfTwoWetons_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<Lines>("head");
    QTest::addColumn<QByteArray>("match");
    // Neptu: 1980-06-07 Sabtu Wage 13, 2000-01-01 Sabtu Legi 14, 1945-08-17 Jumat Legi 11,
    // 1901-01-01 Selasa Pahing 12, 2036-12-31 Rabu Kliwon 15, 2000-02-29 Selasa Kliwon 11.
    const auto row = [](const char *name, const char *a, const char *b, int sum, const char *match) {
        QTest::newRow(name) << QString(a) << QString(b)
                            << Lines{QByteArray("Sum: ") + QByteArray::number(sum) + ", remainder "
                                     + QByteArray::number(sum % 8) + " when divided by 8"}
                            << QByteArray(match);
    };
    row("25 is Pegat", "1980-06-07", "1901-01-01", 25, "Pegat");
    row("26 is Ratu", "1980-06-07", "1980-06-07", 26, "Ratu");
    row("27 is Jodoh", "1980-06-07", "2000-01-01", 27, "Jodoh");
    row("28 is Topo", "2000-01-01", "2000-01-01", 28, "Topo");
    row("29 is Tinari", "2036-12-31", "2000-01-01", 29, "Tinari");
    row("22 is Padu", "1945-08-17", "2000-02-29", 22, "Padu");
    row("23 is Sujanan", "1901-01-01", "1945-08-17", 23, "Sujanan");
    row("24 is Pesthi", "1945-08-17", "1980-06-07", 24, "Pesthi");
}

void tst_ReckoningModes::matchOfTwoWetons()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(Lines, head);
    QFETCH(QByteArray, match);
    const CliRun run = runWeton({"--match", first, second});
    QCOMPARE(run.status, 0);
    const Lines lines = run.outLines();
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith("First: " + first.toLatin1() + ", "));
    QVERIFY(lines[1].startsWith("Second: " + second.toLatin1() + ", "));
    QCOMPARE(lines[2], head[0]);
    QCOMPARE(lines[3], "Match: " + match);
    QVERIFY2(lines[4].startsWith(match + ' '), lines[4].constData());  // each meaning opens with its name
}

void tst_ReckoningModes::jsonHasEveryFact()
{
    const CliRun run = runWeton({"--json", "1980-06-07", "1936-03-24"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    const Lines lines = run.outLines();
    QCOMPARE(lines.size(), 2);
    QJsonParseError error;
    const QJsonObject june7 = QJsonDocument::fromJson(lines[0], &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(june7["date"].toString(), "1980-06-07");
    QCOMPARE(june7["weekday"].toString(), "Saturday");
    QCOMPARE(june7["weekdayIndonesian"].toString(), "Sabtu");
    QCOMPARE(june7["marketDay"].toString(), "Wage");
    QCOMPARE(june7["neptu"].toObject(), (QJsonObject{{"weekday", 9}, {"marketDay", 4}, {"total", 13}}));
    QCOMPARE(june7["wuku"].toObject(), (QJsonObject{{"number", 9}, {"name", "Julungwangi"}}));
    QCOMPARE(june7["javaneseDate"].toObject(), (QJsonObject{{"day", 23},
                                                            {"month", 7},
                                                            {"monthName", "Rejeb"},
                                                            {"year", 1912},
                                                            {"yearName", "Be"},
                                                            {"windu", "Kuntara"}}));
    QVERIFY(june7["description"].toString().startsWith("You are 'forceful' and 'dynamic'. The Sabtu Wage"));
    QCOMPARE(june7["description"].toString().size(), 674);
    const QJsonObject asapon = QJsonDocument::fromJson(lines[1]).object();
    QCOMPARE(asapon["javaneseDate"].toObject()["monthName"].toString(), "Sura");
    QCOMPARE(asapon["marketDay"].toString(), "Pon");
}

void tst_ReckoningModes::jsonFromStandardInputLikeTsv()
{
    const CliRun given = runWeton({"--json", "2000-01-01", "2036-12-31"});
    const CliRun read = runWeton({"--json"}, "\xEF\xBB\xBF 2000-01-01\t\r\nnot a date\n2036-12-31");
    QCOMPARE(read.status, 1);
    QCOMPARE(read.out, given.out);
    QCOMPARE(read.err, QByteArray("weton: line 2: \"not a date\" is not a date as YYYY-MM-DD\n"));
}

void tst_ReckoningModes::badInputGetsOneLineAndStatus2_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("--match with one date") << QStringList{"--match", "2000-01-01"} << QByteArray("two dates");
    QTest::newRow("--match with three dates")
        << QStringList{"--match", "2000-01-01", "2000-01-02", "2000-01-03"} << QByteArray("two dates");
    QTest::newRow("--match outside the range")
        << QStringList{"--match", "2000-01-01", "2037-01-01"} << QByteArray("outside 1901-01-01 to 2036-12-31");
    QTest::newRow("--match impossible date")
        << QStringList{"--match", "2001-02-29", "2000-01-01"} << QByteArray("not a real date");
    QTest::newRow("--json impossible date")
        << QStringList{"--json", "2000-01-01", "2001-02-30"} << QByteArray("not a real date");
    QTest::newRow("--json and --match") << QStringList{"--json", "--match", "2000-01-01", "2000-01-02"}
                                        << QByteArray("separate modes");
    QTest::newRow("--json and --tsv") << QStringList{"--json", "--tsv"} << QByteArray("separate modes");
    QTest::newRow("--match and --next") << QStringList{"--match", "--next", "2", "2000-01-01", "2000-01-02"}
                                        << QByteArray("separate modes");
    QTest::newRow("--json with --name") << QStringList{"--json", "--name", "Ann", "2000-01-01"}
                                        << QByteArray("cannot be combined");
}

void tst_ReckoningModes::badInputGetsOneLineAndStatus2()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, says);
    const CliRun run = runWeton(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("weton: ") && run.err.count('\n') == 1 && run.err.endsWith('\n'), run.err);
    QVERIFY2(run.err.contains(says), run.err);
}

QTEST_APPLESS_MAIN(tst_ReckoningModes)
#include "tst_ReckoningModes.moc"
