// SPDX-License-Identifier: MIT
#include "cli/CliRun.h"
#include "files/WetonanEvent.h"
#include "ical/WetonanIcs.h"

#include <QTest>

#include <libical/ical.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

const QDateTime Stamp(QDate(2026, 12, 8), QTime(9, 30), Qt::UTC);

QDate dateOf(icaltimetype time) { return {time.year, time.month, time.day}; }

}  // namespace

// The written file as a calendar program reads it: parsed back by libical itself.
class tst_WetonanIcs : public QObject
{
    Q_OBJECT

private slots:
    void readBackUnchanged_data();
    void readBackUnchanged();
    void oneAllDayEventEvery35Days();
    void theSameBirthGetsTheSameUid_data();
    void theSameBirthGetsTheSameUid();
    void reminderTheEveningBefore();
};

void tst_WetonanIcs::readBackUnchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("summary");
    QTest::newRow("a plain name") << u"Siti"_s << u"Wetonan of Siti: Sabtu Wage"_s;
    QTest::newRow("commas, semicolons, quotes and a backslash")
        << u"Budi, \"Jr.\"; O'Hara \\ 2"_s << u"Wetonan of Budi, \"Jr.\"; O'Hara \\ 2: Sabtu Wage"_s;
    // Long enough that libical folds the line, with letters of two, three and four bytes around the fold.
    QTest::newRow("non-ASCII letters across the folds")
        << u"Ñoman Dewi Sékar Áyu Ëndah 東京 ꦱꦶꦠꦶ 😀 Ñoman Dewi Sékar Áyu Ëndah 東京 ꦱꦶꦠꦶ"_s
        << u"Wetonan of Ñoman Dewi Sékar Áyu Ëndah 東京 ꦱꦶꦠꦶ 😀 Ñoman Dewi Sékar Áyu Ëndah 東京 ꦱꦶꦠꦶ: Sabtu Wage"_s;
    QTest::newRow("no name") << QString() << u"Wetonan: Sabtu Wage"_s;
    QTest::newRow("spaces around the name are not kept") << u"  Siti "_s << u"Wetonan of Siti: Sabtu Wage"_s;
}

void tst_WetonanIcs::readBackUnchanged()
{
    QFETCH(QString, name);
    QFETCH(QString, summary);
    const WetonanEvent::Event event = WetonanEvent::of(name, QDate(1980, 6, 7), false, true);
    const QByteArray bytes = WetonanIcs::compose(event, Stamp);
    // The standard's line shape: CR LF after every line, none longer than 75 bytes.
    QVERIFY(bytes.endsWith("END:VCALENDAR\r\n"));
    for (const QByteArray &line : bytes.split('\n').mid(0, bytes.count('\n'))) {
        QVERIFY2(line.endsWith('\r'), line.constData());
        QVERIFY2(line.size() - 1 <= 75, line.constData());
    }
    const Component calendar(icalparser_parse_string(bytes.constData()));
    QVERIFY(calendar);
    icalcomponent *vevent = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
    QVERIFY(vevent);
    QCOMPARE(QString::fromUtf8(icalcomponent_get_summary(vevent)), summary);
    const QString description = QString::fromUtf8(icalcomponent_get_description(vevent));
    QCOMPARE(description, event.description);
    QVERIFY2(description.contains(u"every 35 days"_s) && description.contains(u"Born Saturday 7 June 1980."_s),
             qPrintable(description));
    icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT);
    QVERIFY(alarm);
    QCOMPARE(QString::fromUtf8(icalcomponent_get_description(alarm)), summary + u", from sunset this evening"_s);
}

void tst_WetonanIcs::oneAllDayEventEvery35Days()
{
    // Born Saturday 7 June 1980 after sunset: the weton is Sunday's, Minggu Kliwon, and the first wetonan
    // comes 35 days after 8 June, on Sunday 13 July 1980.
    const QByteArray bytes = WetonanIcs::compose(WetonanEvent::of(u"Siti"_s, QDate(1980, 6, 7), true, false), Stamp);
    for (const char *line : {"\r\nDTSTART;VALUE=DATE:19800713\r\n", "\r\nDTEND;VALUE=DATE:19800714\r\n",
                             "\r\nRRULE:FREQ=DAILY;INTERVAL=35\r\n", "\r\nDTSTAMP:20261208T093000Z\r\n",
                             "\r\nSUMMARY:Wetonan of Siti: Minggu Kliwon\r\n"})
        QVERIFY2(bytes.contains(line), bytes.constData());
    QVERIFY(!bytes.contains("TZID") && !bytes.contains("VTIMEZONE") && !bytes.contains("BEGIN:VALARM"));

    const Component calendar(icalparser_parse_string(bytes.constData()));
    icalcomponent *vevent = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
    QVERIFY(vevent);
    QCOMPARE(icalcomponent_count_components(calendar.get(), ICAL_VEVENT_COMPONENT), 1);
    const icaltimetype start = icalcomponent_get_dtstart(vevent);
    QVERIFY(start.is_date && !start.zone);
    const icalrecurrencetype rule =
        icalproperty_get_rrule(icalcomponent_get_first_property(vevent, ICAL_RRULE_PROPERTY));
    QCOMPARE(rule.freq, ICAL_DAILY_RECURRENCE);
    QCOMPARE(int(rule.interval), 35);
    QVERIFY(rule.count == 0 && icaltime_is_null_time(rule.until));

    // libical's own expansion of the rule gives weton's list of the dates that share the weton.
    icalrecur_iterator *dates = icalrecur_iterator_new(rule, start);
    QVERIFY(dates);
    QList<QByteArray> expanded;
    for (icaltimetype next = icalrecur_iterator_next(dates); !icaltime_is_null_time(next) && expanded.size() < 100;
         next = icalrecur_iterator_next(dates))
        if (dateOf(next) > QDate(2020, 1, 1))
            expanded << dateOf(next).toString(Qt::ISODate).toLatin1();
    icalrecur_iterator_free(dates);
    QCOMPARE(expanded, runWeton({"--next", "100", "--from", "2020-01-01", "--after-sunset", "1980-06-07"}).outLines());
}

void tst_WetonanIcs::theSameBirthGetsTheSameUid_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<bool>("afterSunset");
    QTest::addColumn<QString>("uid");
    // Version 5 UUIDs of "NAME\nDATE\n" and "NAME\nDATE\nafter sunset" in the program's namespace
    // a8f46f1f-fc8e-4a6d-8ae0-451607e991fd, as Python's uuid.uuid5 makes them. They stay the same from one
    // release to the next, or the user's calendar would get the event twice.
    QTest::newRow("Siti") << u"Siti"_s << QDate(1980, 6, 7) << false << u"09e6f0e9-fd1e-594c-b170-24a7676e0c46"_s;
    QTest::newRow("Siti after sunset") << u"Siti"_s << QDate(1980, 6, 7) << true
                                       << u"f08beab4-ab3f-5717-8f1a-17c93cc163ff"_s;
}

void tst_WetonanIcs::theSameBirthGetsTheSameUid()
{
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(bool, afterSunset);
    QFETCH(QString, uid);
    QCOMPARE(WetonanEvent::of(name, birth, afterSunset, false).uid, uid);
    QCOMPARE(WetonanEvent::of(u" "_s + name + u" "_s, birth, afterSunset, true).uid, uid);  // reminder or not
    QVERIFY(WetonanEvent::of(name + u"a"_s, birth, afterSunset, false).uid != uid);
    QVERIFY(WetonanEvent::of(name, birth.addDays(1), afterSunset, false).uid != uid);
    QVERIFY(WetonanEvent::of(name, birth, !afterSunset, false).uid != uid);
    const QByteArray bytes = WetonanIcs::compose(WetonanEvent::of(name, birth, afterSunset, false), Stamp);
    QVERIFY(bytes.contains("\r\nUID:" + uid.toLatin1() + "\r\n"));
}

void tst_WetonanIcs::reminderTheEveningBefore()
{
    const QByteArray bytes = WetonanIcs::compose(WetonanEvent::of(u"Siti"_s, QDate(1980, 6, 7), false, true), Stamp);
    const Component calendar(icalparser_parse_string(bytes.constData()));
    icalcomponent *vevent = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
    icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT);
    QVERIFY(alarm);
    QCOMPARE(icalproperty_get_action(icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)),
             ICAL_ACTION_DISPLAY);
    const icaltriggertype trigger =
        icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY));
    QCOMPARE(icaldurationtype_as_int(trigger.duration), -6 * 3600);  // six in the evening before
}

QTEST_APPLESS_MAIN(tst_WetonanIcs)
#include "tst_WetonanIcs.moc"
