// SPDX-License-Identifier: MIT
#include "e2e/WindowDriver.h"
#include "ui/almanac/CalendarModel.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/almanac/MatchWindow.h"
#include "ui/kit/DateBox.h"
#include "ui/reading/frmJavaneseAstrology.h"
#include "ui/reading/frmSave.h"
#include "weton/DayMarks.h"

#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

using namespace driver;

namespace {

// "after sunset" with every code shifted by 85, then CR LF: the fifth line of a saved reading.
const QByteArray SunsetLine = QByteArray::fromHex("B6BBC9BAC775C8CAC3C8BAC90D0A");

QString sunsetLineOf(QWidget &window, const char *name)
{
    auto *label = child<QLabel>(window, name);
    return label->isVisibleTo(&window) ? label->text() : QString();
}

bool marksWetonan(CalendarWindow &calendar, QDate day)
{
    return calendar.model().data(calendar.model().indexOf(day), CalendarModel::MarksRole).toInt() & DayMarks::Wetonan;
}

}  // namespace

// A birth after sunset as a person follows it through the windows: the result window, the report on
// screen and printed, the saved file and its opening, the calendar's marks and the match window's first
// date. The weekdays and market days are the calendar's (7 June 1980 was Sabtu Wage, 17 August 1945
// Jumat Legi, 31 December 2036 a Wednesday, Rabu Pon).
class tst_AfterSunsetWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyWindowFollowsTheWetonDay_data();
    void everyWindowFollowsTheWetonDay();
};

void tst_AfterSunsetWindows::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    freeClosedWindows();
}

void tst_AfterSunsetWindows::everyWindowFollowsTheWetonDay_data()
{
    QTest::addColumn<Birth>("birth");
    QTest::addColumn<QDate>("born");
    QTest::addColumn<bool>("afterSunset");
    QTest::addColumn<QStringList>("shown");  // market day, Indonesian weekday, English weekday
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("dateOfBirth");  // in the report: as entered
    QTest::addColumn<QDate>("firstWetonan");   // invalid: past the calendar's last month
    QTest::addColumn<QDate>("matchFirst");     // invalid: the match window keeps its own date

    const Birth june1980{QStringLiteral("Siti, \"Ayu\""), QStringLiteral("June"), QStringLiteral("7"),
                         QStringLiteral("1980")};
    const Birth lastDay{QStringLiteral("Rahayu"), QStringLiteral("December"), QStringLiteral("31"),
                        QStringLiteral("2036")};
    QTest::newRow("Saturday evening: Minggu Kliwon")
        << june1980 << QDate(1980, 6, 7) << true << QStringList{"Kliwon", "Minggu", "Sunday"}
        << "Born after sunset on Saturday 7 June 1980: the Javanese day had already turned, so the weton is "
           "Sunday's."
        << "June 7, 1980" << QDate(1980, 7, 13) << QDate(1980, 6, 8);
    QTest::newRow("the same date by day: Sabtu Wage")
        << june1980 << QDate(1980, 6, 7) << false << QStringList{"Wage", "Sabtu", "Saturday"} << QString()
        << "June 7, 1980" << QDate(1980, 7, 12) << QDate(1980, 6, 7);
    QTest::newRow("the Proclamation's evening: Sabtu Pahing")
        << Proclamation << QDate(1945, 8, 17) << true << QStringList{"Pahing", "Sabtu", "Saturday"}
        << "Born after sunset on Friday 17 August 1945: the Javanese day had already turned, so the weton is "
           "Saturday's."
        << "August 17, 1945" << QDate(1945, 9, 22) << QDate(1945, 8, 18);
    QTest::newRow("the last day's evening, into 1 January 2037: Kemis Legi")
        << lastDay << QDate(2036, 12, 31) << true << QStringList{"Legi", "Kemis", "Thursday"}
        << "Born after sunset on Wednesday 31 December 2036: the Javanese day had already turned, so the weton "
           "is Thursday's."
        << "December 31, 2036" << QDate() << QDate();
}

void tst_AfterSunsetWindows::everyWindowFollowsTheWetonDay()
{
    QFETCH(Birth, birth);
    QFETCH(QDate, born);
    QFETCH(bool, afterSunset);
    QFETCH(QStringList, shown);
    QFETCH(QString, line);
    QFETCH(QString, dateOfBirth);
    QFETCH(QDate, firstWetonan);
    QFETCH(QDate, matchFirst);
    Run run;
    run.fake.clock.date = QDate(2001, 10, 24);
    enter(*run.set.openMain(), birth);
    child<QCheckBox>(*run.set.openMain(), "chkAfterSunset")->setChecked(afterSunset);
    child<QPushButton>(*run.set.openMain(), "cmdCalculate")->click();

    frmJavaneseAstrology &result = *run.set.openResult();
    QStringList texts;
    for (int i = 0; i < 3; ++i)
        texts << indexed<QLabel>(result, "lblJavaneseResult", i)->text();
    QCOMPARE(texts, shown);
    QCOMPARE(sunsetLineOf(result, "lblAfterSunset"), line);

    // The report: the date as entered, then the line; the print copy carries both.
    child<QPushButton>(result, "cmdSave")->click();
    frmSave &report = *run.set.openReport();
    const QString reportText = child<QTextEdit>(report, "RTB")->toPlainText();
    QVERIFY(reportText.contains(QStringLiteral("Date of Birth: ") + dateOfBirth));
    QCOMPARE(reportText.count(QStringLiteral("Born after sunset")), afterSunset ? 1 : 0);
    QVERIFY(reportText.contains(line));
    QVERIFY(reportText.contains(QStringLiteral("Indonesian Day Sign: ") + shown[0]));
    child<QPushButton>(report, "cmdPrint")->click();
    QCOMPARE(run.fake.printer.printedPlainTexts.size(), 1);
    QCOMPARE(run.fake.printer.printedPlainTexts[0].contains(line), true);
    QCOMPARE(run.fake.printer.printedPlainTexts[0].contains(QStringLiteral("Born after sunset")), afterSunset);

    // Saved from the report: four lines, and the fifth after sunset.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.jav"));
    run.fake.fileDialogs.nextSaveName = path;
    child<QPushButton>(report, "cmdSave")->click();
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QCOMPARE(bytes.count("\r\n"), afterSunset ? 5 : 4);
    QCOMPARE(bytes.endsWith(SunsetLine), afterSunset);
    report.close();

    // Opened again from a fresh entry window whose box says the opposite: the file decides.
    child<QPushButton>(result, "cmdBack")->click();
    child<QCheckBox>(*run.set.openMain(), "chkAfterSunset")->setChecked(!afterSunset);
    run.fake.fileDialogs.nextOpenName = path;
    child<QPushButton>(*run.set.openMain(), "cmdOpen")->click();
    QVERIFY(run.set.openResult());
    QCOMPARE(indexed<QLabel>(*run.set.openResult(), "lblJavaneseResult", 0)->text(), shown[0]);
    QCOMPARE(sunsetLineOf(*run.set.openResult(), "lblAfterSunset"), line);
    QCOMPARE(run.set.shownAfterSunset(), afterSunset);

    // The calendar marks the date of birth as entered and the wetonan of the weton day.
    entryOf(run.set.openResult(), "mnuJavaneseCalendar")->trigger();
    CalendarWindow &calendar = *run.set.openCalendar();
    QCOMPARE(calendar.chosenDate(), born);
    QVERIFY(calendar.model().data(calendar.model().indexOf(calendar.chosenDate()), CalendarModel::MarksRole).toInt()
            & DayMarks::Birth);
    QCOMPARE(sunsetLineOf(calendar, "sunsetNote"), line);
    if (firstWetonan.isValid()) {
        child<QToolButton>(calendar, "nextMonth")->click();
        QVERIFY(marksWetonan(calendar, firstWetonan));
        QVERIFY(!marksWetonan(calendar, firstWetonan.addDays(afterSunset ? -1 : 1)));
    }

    // The match window's first date is the weton day, and says why.
    entryOf(run.set.openResult(), "mnuMatch")->trigger();
    MatchWindow &match = *run.set.openMatch();
    QCOMPARE(child<DateBox>(match, "firstDate")->date(), matchFirst.isValid() ? matchFirst : run.fake.clock.date);
    QCOMPARE(sunsetLineOf(match, "firstNote"), matchFirst.isValid() ? line : QString());
    // A first date the user picks is no longer the reading's: the line goes with it.
    child<DateBox>(match, "firstDate")->setDate(QDate(1945, 8, 17));
    QCOMPARE(sunsetLineOf(match, "firstNote"), QString());
}

QTEST_MAIN(tst_AfterSunsetWindows)
#include "tst_AfterSunsetWindows.moc"
