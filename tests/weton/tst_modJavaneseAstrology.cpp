// SPDX-License-Identifier: MIT
#include "DescriptionRows.h"
#include "MarketWalk.h"

#include "weton/DaySignCatalogue.h"
#include "weton/modJavaneseAstrology.h"

#include <QDate>
#include <QList>
#include <QTest>

using namespace modJavaneseAstrology;

namespace {

const QStringList MonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};

// Names by Qt's day of week, Monday = 1 .. Sunday = 7. Thursday is "Kemis" throughout the program.
const QStringList EnglishByQtDay = {"", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const QStringList IndonesianByQtDay = {"", "Senin", "Selasa", "Rabu", "Kemis", "Jumat", "Sabtu", "Minggu"};

WetonResult reckon(int year, const QString &month, int day)
{
    const std::optional<Sign> sign = ReckonSign(qint16(year), month, qint16(day));
    return sign ? ResultOf(*sign) : WetonResult{"overflow", "overflow", "overflow", "overflow"};
}

}  // namespace

class tst_modJavaneseAstrology : public QObject
{
    Q_OBJECT

private slots:
    void everyDateIsItsTrueWeton_data();
    void everyDateIsItsTrueWeton();
    void namedDatesAndQuirks_data();
    void namedDatesAndQuirks();
    void overflowWritesNothing_data();
    void overflowWritesNothing();
    void everyTextOfTheResultIsGiven();
    void descriptionLookupComparesExactly_data();
    void descriptionLookupComparesExactly();
};

void tst_modJavaneseAstrology::everyDateIsItsTrueWeton_data()
{
    QTest::addColumn<int>("year");
    for (int year = 1901; year <= 2036; ++year)
        QTest::addRow("%d", year) << year;
}

// Every day of the year against Qt's calendar and a day-by-day walk of the five-day cycle, each text and
// the description.
void tst_modJavaneseAstrology::everyDateIsItsTrueWeton()
{
    QFETCH(int, year);
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        const WetonResult result = reckon(year, MonthNames[date.month() - 1], date.day());
        const QString market = marketwalk::marketDayOf(date);
        const QString what = date.toString(Qt::ISODate);
        QVERIFY2(result.EnglishWeekday == EnglishByQtDay[date.dayOfWeek()], qPrintable(what));
        QVERIFY2(result.IndonesianWeekday == IndonesianByQtDay[date.dayOfWeek()], qPrintable(what));
        QVERIFY2(result.MarketDay == market, qPrintable(what));
        const descriptionrows::Row *row = descriptionrows::rowOf(IndonesianByQtDay[date.dayOfWeek()], market);
        QVERIFY2(row && result.Description.startsWith(QLatin1String(row->opening)), qPrintable(what));
        QVERIFY2(result.Description.size() == row->length, qPrintable(what));
    }
}

void tst_modJavaneseAstrology::namedDatesAndQuirks_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("marketDay");
    QTest::addColumn<QString>("indonesianWeekday");
    QTest::addColumn<QString>("englishWeekday");
    QTest::addColumn<QString>("opening");  // empty: no description

    QTest::newRow("1 January 2000 is Sabtu Legi") << 2000 << "January" << 1 << "Legi"
                                                  << "Sabtu"
                                                  << "Saturday"
                                                  << "Born under this sign of Javanese astrology, you";
    QTest::newRow("17 August 1945 is Jumat Legi") << 1945 << "August" << 17 << "Legi"
                                                  << "Jumat"
                                                  << "Friday"
                                                  << "Jumat Legi folks are well known for their";
    QTest::newRow("1 January 1901, the first date") << 1901 << "January" << 1 << "Pahing"
                                                    << "Selasa"
                                                    << "Tuesday"
                                                    << "Selasa Pahing folks are basically sweet natured, easy";
    QTest::newRow("31 December 2036, the last date") << 2036 << "December" << 31 << "Kliwon"
                                                     << "Rabu"
                                                     << "Wednesday"
                                                     << "Rabu Kliwon folks think more and act less.";
    QTest::newRow("29 February 2000") << 2000 << "February" << 29 << "Kliwon"
                                      << "Selasa"
                                      << "Tuesday"
                                      << "You are born a friendly person with a";
    QTest::newRow("29 February 2036") << 2036 << "February" << 29 << "Wage"
                                      << "Jumat"
                                      << "Friday"
                                      << "Jumat Wage folks are well known for their";
    QTest::newRow("Thursday 1 January 2009 is Kemis") << 2009 << "January" << 1 << "Wage"
                                                      << "Kemis"
                                                      << "Thursday"
                                                      << "Kemis Wage people are the well-known dreamers of";
    QTest::newRow("31 January 2000: weekday sum 37 is Monday") << 2000 << "January" << 31 << "Legi"
                                                               << "Senin"
                                                               << "Monday"
                                                               << "You are just the opposite of Minggu Legi";
    QTest::newRow("31 January 1905: market sum 35 is Pon") << 1905 << "January" << 31 << "Pon"
                                                           << "Selasa"
                                                           << "Tuesday"
                                                           << "The Salasa Pon folks are well-known for their";

    // Codes of 0 make day 1 a Sunday and a Wage day.
    QTest::newRow("month in lower case has no codes") << 2009 << "january" << 1 << "Wage"
                                                      << "Minggu"
                                                      << "Sunday"
                                                      << "You are a kind, generous and a compassionate";
    QTest::newRow("year 2037 has no codes") << 2037 << "January" << 1 << "Wage"
                                            << "Minggu"
                                            << "Sunday"
                                            << "You are a kind, generous and a compassionate";
    QTest::newRow("year 1900: no weekday code, market code 3") << 1900 << "January" << 1 << "Pahing"
                                                               << "Minggu"
                                                               << "Sunday"
                                                               << "According to the myths and legends of the";
    QTest::newRow("30 February 2001 carries into Friday 2 March 2001")
        << 2001 << "February" << 30 << "Pahing"
        << "Jumat"
        << "Friday"
        << "You are a communicative person with an honest";

    // Sums outside the case lists leave their texts empty, and the description with them.
    QTest::newRow("day 0 without codes: market sum 0 is Pon, no weekday") << 2000 << "Smarch" << 0 << "Pon"
                                                                          << ""
                                                                          << ""
                                                                          << "";
    QTest::newRow("negative day leaves everything empty") << 2000 << "January" << -7 << ""
                                                          << ""
                                                          << ""
                                                          << "";
    QTest::newRow("day 40 leaves everything empty") << 2000 << "January" << 40 << ""
                                                    << ""
                                                    << ""
                                                    << "";
    QTest::newRow("day 36 of January 1905: Sunday, market sum 40 empty") << 1905 << "January" << 36 << ""
                                                                         << "Minggu"
                                                                         << "Sunday"
                                                                         << "";
}

void tst_modJavaneseAstrology::namedDatesAndQuirks()
{
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, opening);
    const WetonResult result = reckon(year, month, day);
    QTEST(result.MarketDay, "marketDay");
    QTEST(result.IndonesianWeekday, "indonesianWeekday");
    QTEST(result.EnglishWeekday, "englishWeekday");
    if (opening.isEmpty())
        QCOMPARE(result.Description, QString());
    else
        QVERIFY2(result.Description.startsWith(opening), qPrintable(result.Description.left(60)));
}

void tst_modJavaneseAstrology::overflowWritesNothing_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("overflows");
    // January 2000: weekday code 6, market code 2. January 1905: weekday code 0, market code 4.
    QTest::newRow("both sums past 32767") << 2000 << "January" << 32767 << true;
    QTest::newRow("weekday sum alone past 32767") << 2000 << "January" << 32763 << true;
    QTest::newRow("market sum alone past 32767") << 1905 << "January" << 32764 << true;
    QTest::newRow("weekday sum of exactly 32767 fits") << 2000 << "January" << 32761 << false;
    QTest::newRow("no codes, day 32767 fits") << 2037 << "January" << 32767 << false;
    QTest::newRow("smallest day fits") << 2000 << "January" << -32768 << false;
}

void tst_modJavaneseAstrology::overflowWritesNothing()
{
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(bool, overflows);
    QCOMPARE(ReckonSign(qint16(year), month, qint16(day)).has_value(), !overflows);
    QCOMPARE(CalculateWeton(qint16(year), month, qint16(day)).has_value(), !overflows);
}

void tst_modJavaneseAstrology::everyTextOfTheResultIsGiven()
{
    const std::optional<WetonResult> proclamation = CalculateWeton(1945, u"August", 17);
    QVERIFY(proclamation);
    QCOMPARE(proclamation->MarketDay, QStringLiteral("Legi"));
    QCOMPARE(proclamation->IndonesianWeekday, QStringLiteral("Jumat"));
    QCOMPARE(proclamation->EnglishWeekday, QStringLiteral("Friday"));
    QVERIFY(proclamation->Description.startsWith("Jumat Legi folks are well known for their"));

    // A reading with no texts is still a result, all four empty, so nothing of the last reading stays.
    QCOMPARE(CalculateWeton(1945, u"August", 40), std::optional(WetonResult()));
}

void tst_modJavaneseAstrology::descriptionLookupComparesExactly_data()
{
    QTest::addColumn<QString>("indonesianWeekday");
    QTest::addColumn<QString>("marketDay");
    QTest::addColumn<QString>("opening");  // empty: nothing found
    QTest::newRow("Kemis Legi finds the text that says Kamis Legi") << "Kemis"
                                                                    << "Legi"
                                                                    << "Kamis Legi folks generally live in their lofty";
    QTest::newRow("first pair") << "Minggu"
                                << "Legi"
                                << "You are very secretive and introvert by nature.";
    QTest::newRow("last pair") << "Sabtu"
                               << "Kliwon"
                               << "You are an overall impressive personality. It is";
    QTest::newRow("Kamis is not a weekday name") << "Kamis"
                                                 << "Legi"
                                                 << "";
    QTest::newRow("other case") << "kemis"
                                << "legi"
                                << "";
    QTest::newRow("names swapped") << "Legi"
                                   << "Kemis"
                                   << "";
    QTest::newRow("trailing space") << "Kemis "
                                    << "Legi"
                                    << "";
    QTest::newRow("English weekday") << "Thursday"
                                     << "Legi"
                                     << "";
    QTest::newRow("empty market day") << "Kemis"
                                      << ""
                                      << "";
}

void tst_modJavaneseAstrology::descriptionLookupComparesExactly()
{
    QFETCH(QString, indonesianWeekday);
    QFETCH(QString, marketDay);
    QFETCH(QString, opening);
    const QString text = DaySignCatalogue::description(indonesianWeekday, marketDay);
    if (opening.isEmpty())
        QCOMPARE(text, QString());
    else
        QVERIFY2(text.startsWith(opening), qPrintable(text.left(60)));
}

QTEST_APPLESS_MAIN(tst_modJavaneseAstrology)
#include "tst_modJavaneseAstrology.moc"
