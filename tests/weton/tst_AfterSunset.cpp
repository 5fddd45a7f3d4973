// SPDX-License-Identifier: MIT
#include "cli/CliRun.h"
#include "files/SavedReading.h"
#include "weton/AfterSunset.h"
#include "weton/DayMarks.h"
#include "weton/GregorianMonths.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>

using Lines = QList<QByteArray>;

// A birth after sunset, followed through every place that tells the reading: the reckoning, the saved
// file, `weton` in each mode and the calendar's marks. The weekday and market day of the next day are the
// calendar's (1 January 2000 was Sabtu Legi, and the market days run Legi, Pahing, Pon, Wage, Kliwon).
class tst_AfterSunset : public QObject
{
    Q_OBJECT

private slots:
    void everyPlaceFollowsTheNextDay_data();
    void everyPlaceFollowsTheNextDay();
    void withoutTheOptionNothingChanges();
};

void tst_AfterSunset::everyPlaceFollowsTheNextDay_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QString>("weekday");  // of the next civil day
    QTest::addColumn<QString>("indonesian");
    QTest::addColumn<QString>("market");
    QTest::addColumn<int>("neptu");
    QTest::addColumn<QString>("line");
    QTest::newRow("Saturday evening, 7 June 1980") << QDate(1980, 6, 7) << "Sunday"
                                                   << "Minggu"
                                                   << "Kliwon" << 13
                                                   << "Born after sunset on Saturday 7 June 1980: the Javanese day "
                                                      "had already turned, so the weton is Sunday's.";
    QTest::newRow("the last day, into 1 January 2037")
        << QDate(2036, 12, 31) << "Thursday"
        << "Kemis"
        << "Legi" << 13
        << "Born after sunset on Wednesday 31 December 2036: the Javanese day had already turned, so the weton is "
           "Thursday's.";
    QTest::newRow("into 1 January 2000, Sabtu Legi")
        << QDate(1999, 12, 31) << "Saturday"
        << "Sabtu"
        << "Legi" << 14
        << "Born after sunset on Friday 31 December 1999: the Javanese day had already turned, so the weton is "
           "Saturday's.";
    QTest::newRow("into 29 February 2000, Selasa Kliwon")
        << QDate(2000, 2, 28) << "Tuesday"
        << "Selasa"
        << "Kliwon" << 11
        << "Born after sunset on Monday 28 February 2000: the Javanese day had already turned, so the weton is "
           "Tuesday's.";
    QTest::newRow("from 29 February 2036, Jumat Wage, into March")
        << QDate(2036, 2, 29) << "Saturday"
        << "Sabtu"
        << "Kliwon" << 17
        << "Born after sunset on Friday 29 February 2036: the Javanese day had already turned, so the weton is "
           "Saturday's.";
    QTest::newRow("the eve of the Proclamation, into Jumat Legi")
        << QDate(1945, 8, 16) << "Friday"
        << "Jumat"
        << "Legi" << 11
        << "Born after sunset on Thursday 16 August 1945: the Javanese day had already turned, so the weton is "
           "Friday's.";
}

void tst_AfterSunset::everyPlaceFollowsTheNextDay()
{
    QFETCH(QDate, birth);
    QFETCH(QString, weekday);
    QFETCH(QString, indonesian);
    QFETCH(QString, market);
    QFETCH(int, neptu);
    QFETCH(QString, line);
    const QString iso = birth.toString(Qt::ISODate), monthName = GregorianMonths::name(birth.month() - 1).toString();
    const CurrentReading reading{QStringLiteral("abc"), qint16(birth.year()), monthName, qint16(birth.day()), true};

    // The reading.
    const std::optional<WetonResult> result = AfterSunset::shownResult(reading);
    QVERIFY(result);
    QCOMPARE(result->EnglishWeekday, weekday);
    QCOMPARE(result->MarketDay, market);
    QCOMPARE(AfterSunset::line(birth), line);

    // The saved file keeps the date as entered and the option, and reads back the same.
    const QByteArray bytes = SavedReading::compose(reading);
    QVERIFY(bytes.endsWith(QByteArray::fromHex("B6BBC9BAC775C8CAC3C8BAC9 0D0A")));
    const std::optional<SavedReading::Fields> fields = SavedReading::parse(bytes);
    QVERIFY(fields);
    QCOMPARE(*fields, (SavedReading::Fields{QStringLiteral("abc"), QString::number(birth.day()), monthName,
                                            QString::number(birth.year()), true}));

    // weton: the reading says why, and reckons the next day.
    const Lines plain = runWeton({"--after-sunset", iso}).outLines();
    QCOMPARE(plain.mid(0, 5),
             (Lines{"Date of Birth: "
                        + QStringLiteral("%1 %2, %3").arg(monthName).arg(birth.day()).arg(birth.year()).toUtf8(),
                    "", line.toUtf8(), "", "Indonesian Day Sign: " + market.toUtf8()}));
    const QByteArray neptuLine = "Neptu: " + QByteArray::number(neptu) + " (" + indonesian.toUtf8() + ' ';
    QVERIFY2(
        std::any_of(plain.cbegin(), plain.cend(), [&](const QByteArray &text) { return text.startsWith(neptuLine); }),
        plain.join('\n').constData());

    // --json: the date as given, every fact of the next day.
    const QJsonObject json = QJsonDocument::fromJson(runWeton({"--json", "--after-sunset", iso}).out).object();
    QCOMPARE(json.value("date").toString(), iso);
    QCOMPARE(json.value("weekday").toString(), weekday);
    QCOMPARE(json.value("marketDay").toString(), market);
    QCOMPARE(json.value("afterSunset").toBool(), true);
    QCOMPARE(json.value("wetonDate").toString(), birth.addDays(1).toString(Qt::ISODate));

    // --next: the wetonan follow the next day, 35 days at a time.
    const QDate from(2030, 1, 1);
    const qint64 offset = ((birth.addDays(1).daysTo(from) % 35) + 35) % 35;
    const QDate first = from.addDays(35 - offset);
    QCOMPARE(runWeton({"--next", "2", "--from", from.toString(Qt::ISODate), "--after-sunset", iso}).outLines(),
             (Lines{first.toString(Qt::ISODate).toLatin1(), first.addDays(35).toString(Qt::ISODate).toLatin1()}));

    // --match: the option stands before the partner it is for.
    const Lines match = runWeton({"--match", "2000-01-01", "--after-sunset", iso}).outLines();
    QCOMPARE(match.value(1), "Second: " + iso.toUtf8() + " after sunset, " + indonesian.toUtf8() + ' ' + market.toUtf8()
                                 + ", neptu " + QByteArray::number(neptu));
    QVERIFY(match.value(2).startsWith("Neptu 14 + " + QByteArray::number(neptu) + " = " + QByteArray::number(neptu + 14)
                                      + ';'));
    const Lines eveningFirst = runWeton({"--match", "--after-sunset", iso, "2000-01-01"}).outLines();
    QCOMPARE(eveningFirst.mid(0, 2), (Lines{"First: " + iso.toUtf8() + " after sunset, " + indonesian.toUtf8() + ' '
                                                + market.toUtf8() + ", neptu " + QByteArray::number(neptu),
                                            "Second: 2000-01-01, Sabtu Legi, neptu 14"}));

    // The calendar marks the date of birth as entered, and the wetonan of the next day.
    QCOMPARE(DayMarks::of(birth, {}, birth, true), int(DayMarks::Birth));
    QCOMPARE(DayMarks::of(birth.addDays(36), {}, birth, true), int(DayMarks::Wetonan));
    QCOMPARE(DayMarks::of(birth.addDays(35), {}, birth, true), int(DayMarks::None));
    QCOMPARE(DayMarks::of(birth.addDays(1), {}, birth, true), int(DayMarks::None));
}

// Without the option each place tells the civil day, and the file is the four lines it always was.
void tst_AfterSunset::withoutTheOptionNothingChanges()
{
    const CurrentReading reading{QStringLiteral("abc"), 1980, QStringLiteral("June"), 7};
    QCOMPARE(AfterSunset::shownResult(reading)->EnglishWeekday, QStringLiteral("Saturday"));
    QCOMPARE(SavedReading::compose(reading), QByteArray::fromHex("B6B7B8 0D0A 8C 0D0A 9FCAC3BA 0D0A 868E8D85 0D0A"));
    QCOMPARE(DayMarks::of(QDate(1980, 7, 12), {}, QDate(1980, 6, 7), false), int(DayMarks::Wetonan));
    QCOMPARE(runWeton({"--match", "1980-06-07", "2000-01-01"}).outLines().value(0),
             QByteArray("First: 1980-06-07, Sabtu Wage, neptu 13"));
    QVERIFY(!runWeton({"1980-06-07"}).out.contains("after sunset"));
}

QTEST_APPLESS_MAIN(tst_AfterSunset)
#include "tst_AfterSunset.moc"
