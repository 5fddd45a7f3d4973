// SPDX-License-Identifier: MIT
#include "CliRun.h"

#include <QTest>

using Lines = QList<QByteArray>;

class tst_WetonCli : public QObject
{
    Q_OBJECT

private slots:
    void readingLikeTheReport_data();
    void readingLikeTheReport();
    void nameIsUtf8();
    void nextDatesSharingTheWeton_data();
    void nextDatesSharingTheWeton();
    void badArgumentsGetOneLineAndStatus2_data();
    void badArgumentsGetOneLineAndStatus2();
    void helpAndVersion_data();
    void helpAndVersion();
    void failedOutputIsNotSuccess();
    void icsOnStandardOutput_data();
    void icsOnStandardOutput();
};

void tst_WetonCli::readingLikeTheReport_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Lines>("head");  // every line before the description
    QTest::addColumn<QByteArray>("opening");
    QTest::addColumn<int>("length");

    const Lines june7 = {"Date of Birth: June 7, 1980",
                         "",
                         "Indonesian Day Sign: Wage",
                         "",
                         "Indonesian Weekday: Sabtu",
                         "",
                         "English Weekday: Saturday",
                         "",
                         "Description:"};
    const QByteArray sabtuWage = "You are 'forceful' and 'dynamic'. The Sabtu Wage";
    QTest::newRow("date alone") << QStringList{"1980-06-07"} << june7 << sabtuWage << 674;
    QTest::newRow("name first") << QStringList{"--name", "Ann Lee", "1980-06-07"} << Lines{"Name: Ann Lee", ""} + june7
                                << sabtuWage << 674;
    QTest::newRow("name after the date, as --name=")
        << QStringList{"1980-06-07", "--name=Ann Lee"} << Lines{"Name: Ann Lee", ""} + june7 << sabtuWage << 674;
    QTest::newRow("name trimmed of spaces only") << QStringList{"--name", "  Ann  Lee ", "1980-06-07"}
                                                 << Lines{"Name: Ann  Lee", ""} + june7 << sabtuWage << 674;
    QTest::newRow("single-digit day, Thursday is Kemis")
        << QStringList{"2009-01-01"}
        << Lines{"Date of Birth: January 1, 2009",
                 "",
                 "Indonesian Day Sign: Wage",
                 "",
                 "Indonesian Weekday: Kemis",
                 "",
                 "English Weekday: Thursday",
                 "",
                 "Description:"}
        << QByteArray("Kemis Wage people are the well-known dreamers of") << 633;
    QTest::newRow("last reckoned date") << QStringList{"2036-12-31"}
                                        << Lines{"Date of Birth: December 31, 2036",
                                                 "",
                                                 "Indonesian Day Sign: Kliwon",
                                                 "",
                                                 "Indonesian Weekday: Rabu",
                                                 "",
                                                 "English Weekday: Wednesday",
                                                 "",
                                                 "Description:"}
                                        << QByteArray("Rabu Kliwon folks think more and act less.") << 516;
}

void tst_WetonCli::readingLikeTheReport()
{
    QFETCH(QStringList, arguments);
    QFETCH(Lines, head);
    QFETCH(QByteArray, opening);
    QFETCH(int, length);
    const CliRun run = runWeton(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QVERIFY(run.out.endsWith('\n'));
    const Lines lines = run.outLines();
    // After the description come neptu, wuku, Javanese date, Hijri date and pranata mangsa, each after a
    // blank line.
    QCOMPARE(lines.size(), head.size() + 11);
    QCOMPARE(lines.mid(0, head.size()), head);
    const QByteArray description = lines.at(head.size());
    QVERIFY2(description.startsWith(opening), description.left(60).constData());
    QCOMPARE(description.size(), length);
}

void tst_WetonCli::nameIsUtf8()
{
    const CliRun run = runWeton({"--name", QString::fromUtf8("Dewi \xC3\x91oman \xE6\x9D\xB1"), "2000-01-01"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.outLines().first(), QByteArray("Name: Dewi \xC3\x91oman \xE6\x9D\xB1"));
}

void tst_WetonCli::nextDatesSharingTheWeton_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<Lines>("dates");
    QTest::addColumn<int>("status");
    // 17 August 1945 is Jumat Legi, and so is 5 January 2024 (a Friday whose day number 2460315 is a
    // multiple of 5); the weton comes back every 35 days.
    QTest::newRow("next three after today") << QStringList{"--next", "3", "1945-08-17"} << QDate(2024, 1, 1)
                                            << Lines{"2024-01-05", "2024-02-09", "2024-03-15"} << 0;
    QTest::newRow("today itself is not listed")
        << QStringList{"--next", "2", "1945-08-17"} << QDate(2024, 1, 5) << Lines{"2024-02-09", "2024-03-15"} << 0;
    QTest::newRow("--from instead of today, across 29 February")
        << QStringList{"--next", "2", "--from", "2000-01-01", "2000-01-01"} << QDate(2024, 1, 1)
        << Lines{"2000-02-05", "2000-03-11"} << 0;
    QTest::newRow("sign date after the start") << QStringList{"--from", "1950-01-01", "--next", "1", "2000-01-01"}
                                               << QDate(2024, 1, 1) << Lines{"1950-01-28"} << 0;
    QTest::newRow("stops at 2036-12-31 with fewer than asked")
        << QStringList{"--next", "3", "--from", "2036-12-01", "1945-08-17"} << QDate(2024, 1, 1) << Lines{"2036-12-12"}
        << 1;
    QTest::newRow("huge count lists to the end of the range")
        << QStringList{"--next", "2147483647", "--from", "2036-11-01", "1945-08-17"} << QDate(2024, 1, 1)
        << Lines{"2036-11-07", "2036-12-12"} << 1;
    QTest::newRow("clock past the range lists nothing")
        << QStringList{"--next", "1", "1945-08-17"} << QDate(2040, 6, 1) << Lines{} << 1;
    QTest::newRow("clock before the range starts at 1901-01-01")
        << QStringList{"--next", "1", "1901-01-01"} << QDate(1800, 1, 1) << Lines{"1901-01-01"} << 0;
}

void tst_WetonCli::nextDatesSharingTheWeton()
{
    QFETCH(QStringList, arguments);
    QFETCH(QDate, today);
    QFETCH(Lines, dates);
    QFETCH(int, status);
    const CliRun run = runWeton(arguments, {}, today);
    QCOMPARE(run.outLines(), dates);
    QCOMPARE(run.status, status);
    // Fewer dates than asked for is said on the error stream, in one line.
    QCOMPARE(run.err.count('\n'), status == 0 ? 0 : 1);
    if (status != 0)
        QVERIFY2(run.err.contains("2036-12-31"), run.err.constData());
}

void tst_WetonCli::badArgumentsGetOneLineAndStatus2_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("nothing") << QStringList{} << QByteArray("missing date");
    QTest::newRow("unknown option") << QStringList{"--bogus", "2000-01-01"}
                                    << QByteArray("unknown option \"--bogus\"; try 'weton --help'");
    QTest::newRow("date typed with a dash in front is named whole, not letter by letter")
        << QStringList{"-1980-06-07"} << QByteArray("unknown option \"-1980-06-07\"; try");
    QTest::newRow("unknown letter among known short options")
        << QStringList{"-hx"} << QByteArray("unknown option \"-hx\"");
    QTest::newRow("unknown option after a value that looks like one")
        << QStringList{"--name", "-h", "-z", "2000-01-01"} << QByteArray("unknown option \"-z\"");
    QTest::newRow("two dates") << QStringList{"2000-01-01", "2000-01-02"} << QByteArray("one date expected");
    QTest::newRow("slashes") << QStringList{"2000/01/01"} << QByteArray("\"2000/01/01\" is not a date as YYYY-MM-DD");
    QTest::newRow("no leading zeros") << QStringList{"2000-1-1"} << QByteArray("not a date as YYYY-MM-DD");
    QTest::newRow("not a real date") << QStringList{"2001-02-29"} << QByteArray("\"2001-02-29\" is not a real date");
    QTest::newRow("month 13") << QStringList{"2001-13-01"} << QByteArray("not a real date");
    QTest::newRow("before the range") << QStringList{"1900-12-31"}
                                      << QByteArray("\"1900-12-31\" is outside 1901-01-01 to 2036-12-31");
    QTest::newRow("after the range") << QStringList{"2037-01-01"} << QByteArray("outside 1901-01-01 to 2036-12-31");
    QTest::newRow("control characters shown escaped") << QStringList{"20\x1b[2J"} << QByteArray("\"20\\x1b[2J\"");
    QTest::newRow("a name in UTF-8 shown as typed")
        << QStringList{QStringLiteral("S\u00eeti")} << QByteArray("\"S\xc3\xaeti\" is not a date");
    QTest::newRow("a character beyond the BMP shown whole, the control after it escaped")
        << QStringList{QStringLiteral("1980\U0001F600\x1b")}
        << QByteArray("\"1980\xf0\x9f\x98\x80\\x1b\" is not a date");
    QTest::newRow("a change of writing direction escaped")
        << QStringList{QStringLiteral("1980\u202e")} << QByteArray("\"1980\\xe2\\x80\\xae\"");
    QTest::newRow("--tsv with a date") << QStringList{"--tsv", "2000-01-01"} << QByteArray("--tsv takes no date");
    QTest::newRow("--tsv with --name") << QStringList{"--tsv", "--name", "Ann"} << QByteArray("cannot be combined");
    QTest::newRow("--from without --next")
        << QStringList{"--from", "2000-01-01", "2000-01-01"} << QByteArray("--from is only used with --next");
    QTest::newRow("--name with --next") << QStringList{"--next", "2", "--name", "Ann", "2000-01-01"}
                                        << QByteArray("--name is not used with --next");
    QTest::newRow("--next without its count") << QStringList{"2000-01-01", "--next"} << QByteArray("--next");
    const QByteArray countRange = "is out of range: the count must be from 1 to 2147483647";
    QTest::newRow("--next 0") << QStringList{"--next", "0", "2000-01-01"} << "--next \"0\" " + countRange;
    QTest::newRow("--next negative") << QStringList{"--next", "-3", "2000-01-01"} << "--next \"-3\" " + countRange;
    QTest::newRow("--next beyond int") << QStringList{"--next", "99999999999", "2000-01-01"}
                                       << "--next \"99999999999\" " + countRange;
    QTest::newRow("--next one past int") << QStringList{"--next", "2147483648", "2000-01-01"} << countRange;
    QTest::newRow("--next in other digits is not a number")
        << QStringList{"--next", QString::fromUtf8("\xD9\xA3"), "2000-01-01"} << QByteArray("needs a whole number");
    QTest::newRow("--next not a number") << QStringList{"--next", "3x", "2000-01-01"}
                                         << QByteArray("--next needs a whole number from 1 to 2147483647, not \"3x\"");
    QTest::newRow("--next with a date missing") << QStringList{"--next", "3"} << QByteArray("missing date");
    QTest::newRow("--from not a date") << QStringList{"--next", "1", "--from", "soon", "2000-01-01"}
                                       << QByteArray("\"soon\" is not a date");
    QTest::newRow("--from outside the range")
        << QStringList{"--next", "1", "--from", "1850-01-01", "2000-01-01"} << QByteArray("outside");
    QTest::newRow("blank name") << QStringList{"--name", "   ", "2000-01-01"} << QByteArray("not blank");
    QTest::newRow("name with a line break")
        << QStringList{"--name", "Ann\nDate of Birth: never", "2000-01-01"} << QByteArray("control characters");
    QTest::newRow("name given twice") << QStringList{"--name", "A", "--name", "B", "2000-01-01"}
                                      << QByteArray("more than once");
    // The modes that reckon neptu, wuku and the Javanese date.
    QTest::newRow("--match with one date") << QStringList{"--match", "2000-01-01"} << QByteArray("two dates");
    QTest::newRow("--match with three dates")
        << QStringList{"--match", "2000-01-01", "2000-01-02", "2000-01-03"} << QByteArray("two dates");
    QTest::newRow("--match outside the range")
        << QStringList{"--match", "2000-01-01", "2037-01-01"} << QByteArray("outside 1901-01-01 to 2036-12-31");
    QTest::newRow("--json impossible date")
        << QStringList{"--json", "2000-01-01", "2001-02-29"} << QByteArray("not a real date");
    QTest::newRow("--json and --match") << QStringList{"--json", "--match", "2000-01-01", "2000-01-02"}
                                        << QByteArray("separate modes");
    QTest::newRow("--json and --tsv") << QStringList{"--json", "--tsv"} << QByteArray("separate modes");
    QTest::newRow("--json with --name") << QStringList{"--json", "--name", "Ann", "2000-01-01"}
                                        << QByteArray("cannot be combined");
    // Born after sunset, and the wetonan for the user's calendar.
    QTest::newRow("--ics without a date")
        << QStringList{"--ics", "--name", "Ann"} << QByteArray("--ics needs a date of birth (YYYY-MM-DD)");
    QTest::newRow("--ics with two dates")
        << QStringList{"--ics", "2000-01-01", "2000-01-02"} << QByteArray("one date expected, but 2 arguments given");
    QTest::newRow("--ics with a date that is not one")
        << QStringList{"--ics", "2000-02-30"} << QByteArray("\"2000-02-30\" is not a real date");
    QTest::newRow("--ics and --json") << QStringList{"--ics", "--json", "2000-01-01"} << QByteArray("separate modes");
    QTest::newRow("--ics and --next") << QStringList{"--ics", "--next", "2", "2000-01-01"}
                                      << QByteArray("separate modes");
    QTest::newRow("--ics and --from") << QStringList{"--ics", "--from", "2000-01-01", "2000-01-01"}
                                      << QByteArray("--from is only used with --next");
    QTest::newRow("--ics with a blank name")
        << QStringList{"--ics", "--name", " ", "2000-01-01"} << QByteArray("not blank");
    QTest::newRow("--reminder without --ics")
        << QStringList{"--reminder", "2000-01-01"} << QByteArray("--reminder is only used with --ics");
    QTest::newRow("--after-sunset with --tsv")
        << QStringList{"--tsv", "--after-sunset"} << QByteArray("--after-sunset is not used with --tsv");
    QTest::newRow("--after-sunset after the last date of --match")
        << QStringList{"--match", "2000-01-01", "2000-01-02", "--after-sunset"} << QByteArray("no date follows");
    QTest::newRow("--after-sunset after the last date of --json")
        << QStringList{"--json", "2000-01-01", "--after-sunset"} << QByteArray("no date follows");
    QTest::newRow("--after-sunset after -- is a date like any other word")
        << QStringList{"--json", "2000-01-01", "--", "--after-sunset"}
        << QByteArray("\"--after-sunset\" is not a date");
    QTest::newRow("--after-sunset given a value")
        << QStringList{"--after-sunset=yes", "2000-01-01"} << QByteArray("after-sunset");
}

void tst_WetonCli::badArgumentsGetOneLineAndStatus2()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, says);
    const CliRun run = runWeton(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("weton: ") && run.err.endsWith('\n') && run.err.count('\n') == 1, run.err.constData());
    QVERIFY2(run.err.contains(says), run.err.constData());
}

void tst_WetonCli::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("opening");
    QTest::newRow("--help") << QStringList{"--help"}
                            << QByteArray("Usage: weton [--name NAME] [--after-sunset] DATE\n");
    QTest::newRow("-h") << QStringList{"-h"} << QByteArray("Usage: weton [--name NAME] [--after-sunset] DATE\n");
    QTest::newRow("--help wins over a bad date") << QStringList{"nonsense", "--help"} << QByteArray("Usage: weton");
    QTest::newRow("--version") << QStringList{"--version"} << QByteArray("weton " WETONARA_VERSION " (");
    QTest::newRow("-v") << QStringList{"-v"} << QByteArray("weton " WETONARA_VERSION " (");
}

void tst_WetonCli::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, opening);
    const CliRun run = runWeton(arguments);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(opening), run.out.left(80).constData());
    QCOMPARE(run.err, QByteArray());
}

// A reading that never reached its reader is a failure, not a success.
void tst_WetonCli::failedOutputIsNotSuccess()
{
    for (const QStringList &arguments :
         {QStringList{"2000-01-01"}, QStringList{"--next", "2", "2000-01-01"}, QStringList{"--ics", "2000-01-01"}}) {
        QByteArray input, output;
        QBuffer in(&input), out(&output), err;
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::ReadOnly);  // refuses every write
        err.open(QIODevice::WriteOnly);
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
        QCOMPARE(WetonCli::run(arguments, {in, out, err}, QDate(2024, 1, 1)), 1);
        QVERIFY2(err.data().startsWith("weton: cannot write standard output"), err.data().constData());
    }
}

void tst_WetonCli::icsOnStandardOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("summary");
    QTest::addColumn<QByteArray>("start");  // the first wetonan: 35 days after the weton's day
    QTest::addColumn<bool>("reminder");
    QTest::newRow("date alone") << QStringList{"--ics", "2000-01-01"} << QByteArray("Wetonan: Sabtu Legi")
                                << QByteArray("20000205") << false;
    QTest::newRow("name, after sunset, reminder, in any order")
        << QStringList{"--reminder", "2000-01-01", "--after-sunset", "--name", "Ann", "--ics"}
        << QByteArray("Wetonan of Ann: Minggu Pahing") << QByteArray("20000206") << true;
    QTest::newRow("the last day after sunset, into 2037")
        << QStringList{"--ics", "--after-sunset", "2036-12-31"} << QByteArray("Wetonan: Kemis Legi")
        << QByteArray("20370205") << false;
}

void tst_WetonCli::icsOnStandardOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, summary);
    QFETCH(QByteArray, start);
    QFETCH(bool, reminder);
    const CliRun run = runWeton(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QVERIFY(run.out.startsWith("BEGIN:VCALENDAR\r\n") && run.out.endsWith("END:VCALENDAR\r\n"));
    QVERIFY2(run.out.contains("\r\nSUMMARY:" + summary + "\r\n"), run.out.constData());
    QVERIFY2(run.out.contains("\r\nDTSTART;VALUE=DATE:" + start + "\r\n"), run.out.constData());
    QCOMPARE(run.out.contains("BEGIN:VALARM"), reminder);
}

QTEST_APPLESS_MAIN(tst_WetonCli)
#include "tst_WetonCli.moc"
