// SPDX-License-Identifier: MIT
#include "e2e/WindowDriver.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/reading/frmJavaneseAstrology.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <libical/ical.h>

#include <memory>

using namespace driver;

namespace {

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

using Answers = QList<platform::MessageAnswer>;

const QString Reminder = QStringLiteral("Add a reminder on the evening before each wetonan?");

// Siti, born on Saturday 7 June 1980 after sunset: her weton is Sunday's, Minggu Kliwon, and her first
// wetonan 35 days after Sunday 8 June, on 13 July.
void calculateSiti(Run &run)
{
    enter(*run.set.openMain(),
          {QStringLiteral("Siti"), QStringLiteral("June"), QStringLiteral("7"), QStringLiteral("1980")});
    child<QCheckBox>(*run.set.openMain(), "chkAfterSunset")->setChecked(true);
    child<QPushButton>(*run.set.openMain(), "cmdCalculate")->click();
}

// What stands at the chosen path before the export.
void prepare(const QString &setup, const QString &path, const QTemporaryDir &folder)
{
    if (setup == "file") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    } else if (setup == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (setup == "link to a folder") {
        QVERIFY(QDir().mkdir(folder.filePath("elsewhere")));
        QVERIFY(QFile::link(folder.filePath("elsewhere"), path));
    } else if (setup == "loop of links") {
        QVERIFY(QFile::link(path, folder.filePath("other.ics")));
        QVERIFY(QFile::link(folder.filePath("other.ics"), path));
    }
}

}  // namespace

// "Export Wetonan..." as a person uses it: the desktop's save dialog (a fake here), the same questions and
// refusals as a saved reading, and a file that libical reads back as the event the user asked for.
class tst_WetonanExportWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void exportsThroughTheSaveSteps_data();
    void exportsThroughTheSaveSteps();
    void theCalendarOffersItOnlyForABirth();
};

void tst_WetonanExportWindows::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    freeClosedWindows();
}

void tst_WetonanExportWindows::exportsThroughTheSaveSteps_data()
{
    constexpr auto Yes = platform::MessageAnswer::Yes;
    constexpr auto No = platform::MessageAnswer::No;
    QTest::addColumn<bool>("fromCalendar");
    QTest::addColumn<QString>("chosen");  // in the dialog; empty: cancelled
    QTest::addColumn<QString>("setup");   // what stands at the path the file gets
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("messages");  // %1: the path the file gets
    QTest::addColumn<bool>("reminder");         // in the written file; no file when the setup stays
    QTest::addColumn<bool>("written");

    const QString replace = QStringLiteral("\"%1\" already exists.\nDo you want to replace it?");
    const QString refused = QStringLiteral("The wetonan could not be saved for your calendar as \"%1\" because that is "
                                           "%2, not a file. It was left as it was. Please choose another name.");
    QTest::newRow("result window: a new name gets .ics, with the reminder")
        << false << "Siti wetonan"
        << "nothing" << Answers{Yes} << QStringList{Reminder} << true << true;
    QTest::newRow("calendar window: without the reminder")
        << true << "Siti wetonan.ics"
        << "nothing" << Answers{No} << QStringList{Reminder} << false << true;
    QTest::newRow("a file there, replaced on Yes")
        << false << "w"
        << "file" << Answers{Yes, Yes} << QStringList{replace, Reminder} << true << true;
    QTest::newRow("a file there, kept on No: nothing more is asked")
        << true << "w"
        << "file" << Answers{No} << QStringList{replace} << false << false;
    QTest::newRow("a folder is refused, without asking about the reminder")
        << false << "w"
        << "folder" << Answers{} << QStringList{refused.arg("%1", "a folder")} << false << false;
    QTest::newRow("a link to a folder is refused")
        << true << "w"
        << "link to a folder" << Answers{} << QStringList{refused.arg("%1", "a folder")} << false << false;
    QTest::newRow("a loop of links is refused")
        << false << "w"
        << "loop of links" << Answers{} << QStringList{refused.arg("%1", "a loop of symbolic links")} << false << false;
    QTest::newRow("cancelled: nothing is asked or written")
        << true << ""
        << "nothing" << Answers{} << QStringList{} << false << false;
}

void tst_WetonanExportWindows::exportsThroughTheSaveSteps()
{
    QFETCH(bool, fromCalendar);
    QFETCH(QString, chosen);
    QFETCH(QString, setup);
    QFETCH(Answers, answers);
    QFETCH(QStringList, messages);
    QFETCH(bool, reminder);
    QFETCH(bool, written);
    QTemporaryDir folder;
    const QString path = folder.filePath(chosen.endsWith(".ics") ? chosen : chosen + ".ics");
    prepare(setup, path, folder);
    Run run;
    calculateSiti(run);
    run.fake.fileDialogs.nextSaveName = chosen.isEmpty() ? QString() : folder.filePath(chosen);
    run.fake.messages.answers = answers;
    if (fromCalendar) {
        entryOf(run.set.openResult(), "mnuJavaneseCalendar")->trigger();
        child<QPushButton>(*run.set.openCalendar(), "exportButton")->click();
    } else {
        entryOf(run.set.openResult(), "mnuExportWetonan")->trigger();
    }

    QCOMPARE(run.fake.fileDialogs.saveRequests.size(), 1);
    QCOMPARE(run.fake.fileDialogs.saveRequests[0].filter, QStringLiteral("iCalendar (*.ics)"));
    QStringList expected;
    for (const QString &message : messages)
        expected << message.arg(QDir::toNativeSeparators(path));
    QCOMPARE(run.fake.messages.texts(), expected);
    QFile file(path);
    if (!written) {
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                 setup == "file" ? QByteArray("old") : QByteArray());
        QCOMPARE(QFileInfo(path).isSymLink(), setup.contains("link"));
        return;
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Component calendar(icalparser_parse_string(file.readAll().constData()));
    QVERIFY(calendar);
    icalcomponent *event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
    QVERIFY(event);
    const icaltimetype start = icalcomponent_get_dtstart(event);
    QVERIFY(start.is_date);
    QCOMPARE(QDate(start.year, start.month, start.day), QDate(1980, 7, 13));
    QCOMPARE(QString::fromUtf8(icalcomponent_get_summary(event)), QStringLiteral("Wetonan of Siti: Minggu Kliwon"));
    const icalrecurrencetype rule =
        icalproperty_get_rrule(icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY));
    QCOMPARE(rule.freq, ICAL_DAILY_RECURRENCE);
    QCOMPARE(rule.interval, short(35));
    QCOMPARE(icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT) != nullptr, reminder);
}

void tst_WetonanExportWindows::theCalendarOffersItOnlyForABirth()
{
    Run run;
    entryOf(run.set.openMain(), "mnuJavaneseCalendar")->trigger();
    QVERIFY(!child<QPushButton>(*run.set.openCalendar(), "exportButton")->isVisibleTo(run.set.openCalendar()));
    calculateSiti(run);
    QVERIFY(child<QPushButton>(*run.set.openCalendar(), "exportButton")->isVisibleTo(run.set.openCalendar()));
}

QTEST_MAIN(tst_WetonanExportWindows)
#include "tst_WetonanExportWindows.moc"
