// SPDX-License-Identifier: MIT
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "fakes/SystemPrinterRun.h"
#include "platform/qt/QtPrinter.h"
#include "support/Controls.h"
#include "ui/almanac/CalendarDelegate.h"
#include "ui/almanac/CalendarModel.h"
#include "ui/almanac/CalendarView.h"
#include "ui/almanac/CalendarWindow.h"
#include "ui/kit/AlertLabel.h"
#include "weton/InterfaceLanguage.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPageSize>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QToolButton>
#include <QTranslator>

using support::child;

namespace {

// Counts the times a control comes into sight: each time, screen readers are told it is showing.
class Appearances final : public QObject
{
public:
    explicit Appearances(QWidget *control) : QObject(control) { control->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Show;
        return false;
    }
};

// Does one thing a user can do in the calendar: "key:Left", "button:previousYear", "list:0" (a month
// chosen in the list), "year:1901".
void perform(CalendarWindow &calendar, const QString &action)
{
    const QString what = action.section(QLatin1Char(':'), 0, 0), which = action.section(QLatin1Char(':'), 1);
    if (what == QLatin1String("key")) {
        const QKeySequence key(which);
        QTest::keyClick(child<CalendarView>(calendar, "calendarGrid"), Qt::Key(key[0].key()),
                        key[0].keyboardModifiers());
    } else if (what == QLatin1String("button")) {
        calendar.findChild<QAbstractButton *>(which)->click();
    } else if (what == QLatin1String("list")) {
        child<QComboBox>(calendar, "monthList")->setCurrentIndex(which.toInt());
        emit child<QComboBox>(calendar, "monthList")->activated(which.toInt());
    } else if (what == QLatin1String("year")) {
        child<QSpinBox>(calendar, "yearBox")->setValue(which.toInt());
    }
}

int marksOn(const CalendarModel &model, QDate day) { return model.indexOf(day).data(CalendarModel::MarksRole).toInt(); }

}  // namespace

class tst_CalendarWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }
    void keysMoveAsInAnyCalendar_data();
    void keysMoveAsInAnyCalendar();
    void buttonsListAndYearBoxMove_data();
    void buttonsListAndYearBoxMove();
    void aRefusalIsAnnouncedUntilTheNextMove_data();
    void aRefusalIsAnnouncedUntilTheNextMove();
    void screenReadersHearTheWholeDay_data();
    void screenReadersHearTheWholeDay();
    void cellsShowWhereJavaneseMonthsBegin_data();
    void cellsShowWhereJavaneseMonthsBegin();
    void todayMovesOnAtMidnight();
    void escCloses();
    void printsTheMonthOfAReading();
    void printsOnTheSystemPrinter();
};

void tst_CalendarWindow::keysMoveAsInAnyCalendar_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QDate>("to");  // the day chosen afterwards; the same day when the move is refused

    const auto row = [](const char *name, QDate from, Qt::Key key, QDate to, Qt::KeyboardModifiers modifiers = {}) {
        QTest::newRow(name) << from << int(key) << int(modifiers) << to;
    };
    row("Right into the next month", QDate(1945, 8, 31), Qt::Key_Right, QDate(1945, 9, 1));
    row("Left into a leap February", QDate(2000, 3, 1), Qt::Key_Left, QDate(2000, 2, 29));
    row("Up a week, across months", QDate(2000, 3, 3), Qt::Key_Up, QDate(2000, 2, 25));
    row("Down a week", QDate(1945, 8, 17), Qt::Key_Down, QDate(1945, 8, 24));
    row("Home: the month's first day", QDate(1945, 8, 17), Qt::Key_Home, QDate(1945, 8, 1));
    row("End: the month's last day", QDate(2000, 2, 10), Qt::Key_End, QDate(2000, 2, 29));
    row("End in December 2036: its last day, the calendar's last", QDate(2036, 12, 1), Qt::Key_End,
        QDate(2036, 12, 31));
    row("Page Down: a month on, cut to its length", QDate(2001, 1, 31), Qt::Key_PageDown, QDate(2001, 2, 28));
    row("Page Up: a month back", QDate(1980, 6, 7), Qt::Key_PageUp, QDate(1980, 5, 7));
    row("Shift+Page Up: a year back", QDate(2000, 2, 29), Qt::Key_PageUp, QDate(1999, 2, 28), Qt::ShiftModifier);
    row("Ctrl+Page Down: a year on", QDate(1980, 6, 7), Qt::Key_PageDown, QDate(1981, 6, 7), Qt::ControlModifier);
    row("Left before 1901 is refused", QDate(1901, 1, 1), Qt::Key_Left, QDate(1901, 1, 1));
    row("Page Down past 2036 is refused", QDate(2036, 12, 15), Qt::Key_PageDown, QDate(2036, 12, 15));
}

void tst_CalendarWindow::keysMoveAsInAnyCalendar()
{
    QFETCH(QDate, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QDate, to);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    CalendarWindow &calendar = set.calendar();
    calendar.showFor(from);
    QCOMPARE(calendar.chosenDate(), from);
    QTest::keyClick(child<CalendarView>(calendar, "calendarGrid"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(calendar.chosenDate(), to);
    QCOMPARE(child<CalendarView>(calendar, "calendarGrid")->currentIndex(),
             child<CalendarView>(calendar, "calendarGrid")->selectionModel()->selectedIndexes().value(0));
    QCOMPARE(child<QLabel>(calendar, "title")->text(),
             QStringLiteral("%1 %2").arg(QLocale(QLocale::English).monthName(to.month())).arg(to.year()));
    // A refused move says why, in the window.
    QCOMPARE(child<AlertLabel>(calendar, "reason")->isVisibleTo(&calendar), from == to);
    if (from == to)
        QVERIFY(child<AlertLabel>(calendar, "reason")->text().contains(QLatin1String("January 1901 to December 2036")));
}

void tst_CalendarWindow::buttonsListAndYearBoxMove_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QDate>("to");  // the same day when the move is refused

    const auto row = [](const char *name, QDate from, const char *action, QDate to) {
        QTest::newRow(name) << from << QString::fromLatin1(action) << to;
    };
    row("«: a year back, a leap day to the 28th", QDate(2000, 2, 29), "button:previousYear", QDate(1999, 2, 28));
    row("»: a year on", QDate(1980, 6, 7), "button:nextYear", QDate(1981, 6, 7));
    row("‹: a month back, cut to its length", QDate(2001, 3, 31), "button:previousMonth", QDate(2001, 2, 28));
    row("›: a month on", QDate(1945, 8, 17), "button:nextMonth", QDate(1945, 9, 17));
    row("month list: January", QDate(2000, 3, 15), "list:0", QDate(2000, 1, 15));
    row("month list: December keeps the 31st", QDate(1999, 5, 31), "list:11", QDate(1999, 12, 31));
    row("year box: a leap day into a common year", QDate(2000, 2, 29), "year:2001", QDate(2001, 2, 28));
    row("Today: the clock's day", QDate(1980, 6, 7), "button:todayButton", QDate(2026, 12, 8));
    row("« refused in 1901", QDate(1901, 6, 15), "button:previousYear", QDate(1901, 6, 15));
    row("» refused in 2036", QDate(2036, 2, 1), "button:nextYear", QDate(2036, 2, 1));
}

void tst_CalendarWindow::buttonsListAndYearBoxMove()
{
    QFETCH(QDate, from);
    QFETCH(QString, action);
    QFETCH(QDate, to);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    CalendarWindow &calendar = set.calendar();
    calendar.showFor(from);
    perform(calendar, action);
    QCOMPARE(calendar.chosenDate(), to);
    // The month list and the year box name the month on show.
    QCOMPARE(child<QComboBox>(calendar, "monthList")->currentIndex(), to.month() - 1);
    QCOMPARE(child<QSpinBox>(calendar, "yearBox")->value(), to.year());
    QCOMPARE(child<AlertLabel>(calendar, "reason")->isVisibleTo(&calendar), from == to);
}

void tst_CalendarWindow::aRefusalIsAnnouncedUntilTheNextMove_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("then");
    QTest::addColumn<QDate>("to");
    QTest::newRow("Left on 1 January 1901, then Right, within the month") << QDate(1901, 1, 1) << "key:Left"
                                                                          << "key:Right" << QDate(1901, 1, 2);
    QTest::newRow("Page Down in December 2036, then Up") << QDate(2036, 12, 15) << "key:PgDown"
                                                         << "key:Up" << QDate(2036, 12, 8);
    QTest::newRow("Left on 1 January 1901, then Today") << QDate(1901, 1, 1) << "key:Left"
                                                        << "button:todayButton" << QDate(2026, 12, 8);
}

void tst_CalendarWindow::aRefusalIsAnnouncedUntilTheNextMove()
{
    QFETCH(QDate, from);
    QFETCH(QString, refused);
    QFETCH(QString, then);
    QFETCH(QDate, to);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    CalendarWindow &calendar = set.calendar();
    calendar.showFor(from);
    const Appearances *shown = new Appearances(child<AlertLabel>(calendar, "reason"));
    perform(calendar, refused);
    QCOMPARE(calendar.chosenDate(), from);
    QVERIFY(child<AlertLabel>(calendar, "reason")->isVisibleTo(&calendar));
    const QString why = QStringLiteral("The calendar covers January 1901 to December 2036.");
    QCOMPARE(child<AlertLabel>(calendar, "reason")->text(), why);
    // Screen readers hear an alert that comes into sight, saying why; a refusal repeated comes again.
    QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(child<AlertLabel>(calendar, "reason"));
    QCOMPARE(alert->role(), QAccessible::AlertMessage);
    QCOMPARE(alert->text(QAccessible::Name), why);
    QCOMPARE(shown->count, 1);
    perform(calendar, refused);
    QCOMPARE(shown->count, 2);
    perform(calendar, then);
    QCOMPARE(calendar.chosenDate(), to);
    QVERIFY(!child<AlertLabel>(calendar, "reason")->isVisibleTo(&calendar));
    QCOMPARE(child<AlertLabel>(calendar, "reason")->text(), QString());
}

void tst_CalendarWindow::screenReadersHearTheWholeDay_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("wuku");
    QTest::addColumn<QStringList>("months");  // the table's name, then after Page Down
    // tirto.id's calendar of December 2021: Monday the 6th was 1 Jumadilawal 1955 Alip, in the week of wuku
    // Julungpujut; 1 January 2000 was a Legi day, and the 6th lies 8010 days, a multiple of five, after it.
    QTest::newRow("English") << "en"
                             << "Monday 6 December 2021, Legi, 1 Jumadilawal 1955 Alip, wuku Julungpujut, date of birth"
                             << "Julungpujut" << QStringList{"December 2021", "January 2022"};
    QTest::newRow("Indonesian") << "id"
                                << "Senin, 6 Desember 2021, Legi, 1 Jumadilawal 1955 Alip, wuku Julungpujut, tanggal "
                                   "lahir"
                                << "Julungpujut" << QStringList{"Desember 2021", "Januari 2022"};
}

void tst_CalendarWindow::screenReadersHearTheWholeDay()
{
    QFETCH(QString, language);
    QFETCH(QString, spoken);
    QFETCH(QString, wuku);
    QFETCH(QStringList, months);
    if (language != InterfaceLanguage::English)
        QCOMPARE(InterfaceLanguage::install(*qApp, {language}), language);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    set.calendar().showFor(QDate(2021, 12, 6));
    QVERIFY(QTest::qWaitForWindowExposed(&set.calendar()));
    const QModelIndex day = child<CalendarView>(set.calendar(), "calendarGrid")->currentIndex();
    QAccessibleInterface *grid =
        QAccessible::queryAccessibleInterface(child<CalendarView>(set.calendar(), "calendarGrid"));
    QAccessibleTableInterface *table = grid->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->cellAt(day.row(), day.column())->text(QAccessible::Name), spoken);
    QCOMPARE(table->rowDescription(day.row()), wuku);
    // The table is named by the month it shows, so a change of month is heard.
    QCOMPARE(grid->text(QAccessible::Name), months[0]);
    QTest::keyClick(child<CalendarView>(set.calendar(), "calendarGrid"), Qt::Key_PageDown);
    QCOMPARE(grid->text(QAccessible::Name), months[1]);
}

void tst_CalendarWindow::cellsShowWhereJavaneseMonthsBegin_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("javanese");  // the Javanese day as the cell shows it
    QTest::addColumn<QString>("mangsa");    // the pranata mangsa that begins on the day
    // tirto.id, December 2021: the 6th was 1 Jumadilawal. Bank Indonesia's 2025 calendar: 27 June 2025 was
    // 1 Sura 1959, after 29 Besar on the 26th. Kasa begins every year on 22 June.
    QTest::newRow("a month begins: its name") << QDate(2021, 12, 6) << "1 Jumadilawal"
                                              << "";
    QTest::newRow("the day after: its number") << QDate(2021, 12, 7) << "2"
                                               << "";
    QTest::newRow("Kasa begins: its name") << QDate(2025, 6, 22) << "25"
                                           << "Kasa";
    QTest::newRow("Kasa's second day") << QDate(2025, 6, 23) << "26"
                                       << "";
    QTest::newRow("a Javanese year ends") << QDate(2025, 6, 26) << "29"
                                          << "";
    QTest::newRow("a Javanese year begins") << QDate(2025, 6, 27) << "1 Sura"
                                            << "";
}

void tst_CalendarWindow::cellsShowWhereJavaneseMonthsBegin()
{
    QFETCH(QDate, date);
    QFETCH(QString, javanese);
    QFETCH(QString, mangsa);
    CalendarModel model;
    model.setMonth(date.year(), date.month());
    const QModelIndex cell = model.indexOf(date);
    QCOMPARE(cell.data(Qt::DisplayRole).toString(), QString::number(date.day()));
    QCOMPARE(cell.data(CalendarModel::JavaneseDayRole).toString(), javanese);
    QCOMPARE(cell.data(CalendarModel::MonthBeginsRole).toBool(), javanese.contains(QLatin1Char(' ')));
    QCOMPARE(cell.data(CalendarModel::MangsaBeginsRole).toString(), mangsa);
    // A screen reader hears it too.
    QCOMPARE(cell.data(Qt::AccessibleTextRole).toString().endsWith(QStringLiteral(", mangsa %1 begins").arg(mangsa)),
             !mangsa.isEmpty());
}

void tst_CalendarWindow::todayMovesOnAtMidnight()
{
    // The clock says 8 December 2026, a twentieth of a second before midnight.
    const QDate day(2026, 12, 8), next(2026, 12, 9);
    fakes::FakePlatform fake;
    fake.clock.date = day;
    fake.clock.msecs = next.startOfDay().toMSecsSinceEpoch() - 50;
    WindowSet set(fake.platform());
    set.calendar().showFor(QDate());
    const CalendarModel &model = set.calendar().model();
    QCOMPARE(marksOn(model, day), int(DayMarks::Today));
    QSignalSpy repainted(&model, &QAbstractItemModel::dataChanged);
    fake.clock.date = next;
    fake.clock.msecs += 100;
    QTRY_COMPARE(marksOn(model, next), int(DayMarks::Today));
    QCOMPARE(marksOn(model, day), int(DayMarks::None));
    QVERIFY(!repainted.isEmpty());
    QVERIFY(model.indexOf(next).data(Qt::AccessibleTextRole).toString().endsWith(QLatin1String(", today")));
    QVERIFY(!model.indexOf(day).data(Qt::AccessibleTextRole).toString().endsWith(QLatin1String(", today")));
    // Today is the new day, and the chosen day stays where it was.
    QCOMPARE(set.calendar().chosenDate(), day);
    child<QPushButton>(set.calendar(), "todayButton")->click();
    QCOMPARE(set.calendar().chosenDate(), next);
}

void tst_CalendarWindow::escCloses()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    set.calendar().showFor(QDate(1980, 6, 7));
    QTest::keyClick(child<CalendarView>(set.calendar(), "calendarGrid"), Qt::Key_Escape);
    QCOMPARE(set.openCalendar(), nullptr);
}

void tst_CalendarWindow::printsTheMonthOfAReading()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    set.reading().PersonName = QStringLiteral("Siti Rahayu");
    // 1 May 2026 was a Friday Pon (1 January 2000, a Legi, lies 9617 days before it): neptu 6 + 7. May 2026
    // begins on a Friday: six weeks, the most there are.
    set.calendar().showFor(QDate(2026, 5, 1));
    QCOMPARE(set.calendar().model().rowCount(), 6);
    child<QPushButton>(set.calendar(), "printButton")->click();
    QCOMPARE(fake.printer.orientations, QList<platform::PageOrientation>{platform::PageOrientation::Landscape});
    const QString html = fake.printer.printedHtml.value(0);
    QTextDocument printed;
    printed.setHtml(html);
    const QString text = printed.toPlainText();
    // The person, the month and its weeks as the window shows them, the chosen day, and the legend.
    for (const QString &shown :
         {QStringLiteral("Siti Rahayu, born Friday 1 May 2026: Jumat Pon, neptu 13"),
          child<QLabel>(set.calendar(), "javaneseTitle")->text(), QStringLiteral("Wuku"),
          QStringLiteral("Neptu: 13 (Jumat 6 + Pon 7)"), QStringLiteral("Today"), QStringLiteral("Date of Birth"),
          QStringLiteral("Wetonan: the same weton, every 35 days")})
        QVERIFY2(text.contains(shown), qPrintable(shown));
    // The month's title on a line of its own, the Javanese and Hijri months under it; the chosen day's
    // Hijri date and season (Dhesta began on 19 April: day 13 of 23); Sadha's first day, 12 May, named.
    const QStringList lines = text.split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("May 2026")));
    const QString hijriTitle = child<QLabel>(set.calendar(), "hijriTitle")->text();
    QVERIFY2(hijriTitle.endsWith(QStringLiteral(" 1447 AH")), qPrintable(hijriTitle));
    QVERIFY(text.contains(hijriTitle));
    for (const QString &line :
         {QStringLiteral("Pranata Mangsa: Dhesta (season 11 of 12), day 13 of 23"), QStringLiteral("Hijri Date: ")})
        QVERIFY2(lines.filter(line).size() == 1, qPrintable(line));
    QVERIFY(text.contains(QStringLiteral("Sadha")));
    // The date of birth on its ground, as in the legend.
    QCOMPARE(html.count(CalendarDelegate::BirthGround.name()), 2);
    QCOMPARE(html.count(CalendarDelegate::WetonanGround.name()), 1);
    // A4 lying down, in points, with the 2 cm margins Qt's printing of a document keeps, laid out at 72 dots
    // an inch, a dot a point, as a printer lays it out: one page.
    QImage pointDevice(1, 1, QImage::Format_RGB32);
    pointDevice.setDotsPerMeterX(qRound(72 / 0.0254));
    pointDevice.setDotsPerMeterY(qRound(72 / 0.0254));
    printed.documentLayout()->setPaintDevice(&pointDevice);
    printed.setPageSize(QPageSize(QPageSize::A4).sizePoints().transposed());
    QTextFrameFormat margins = printed.rootFrame()->frameFormat();
    margins.setMargin(57);
    printed.rootFrame()->setFrameFormat(margins);
    QCOMPARE(printed.pageCount(), 1);

    // A month later, the wetonan of the 1st: 5 June 2026.
    QTest::keyClick(child<CalendarView>(set.calendar(), "calendarGrid"), Qt::Key_PageDown);
    child<QPushButton>(set.calendar(), "printButton")->click();
    QCOMPARE(fake.printer.printedHtml.value(1).count(CalendarDelegate::WetonanGround.name()), 2);
    QCOMPARE(fake.printer.printedHtml.value(1).count(CalendarDelegate::BirthGround.name()), 1);

    fake.printer.outcome = platform::PrintOutcome::NoPrinter;
    child<QPushButton>(set.calendar(), "printButton")->click();
    QCOMPARE(fake.messages.shown.size(), 1);
    QVERIFY(fake.messages.shown[0].text.contains(QLatin1String("no printer is set up")));
}

// Driven by test_print_cups.sh, which sets up a spooler whose default queue writes PDF files.
void tst_CalendarWindow::printsOnTheSystemPrinter()
{
    if (qEnvironmentVariableIsEmpty("WETONARA_PRINT_ON_SYSTEM_PRINTER"))
        QSKIP("prints on the system's default printer only when test_print_cups.sh asks for it");
    const QStringList expected = fakes::systemPrinterRun();
    fakes::FakePlatform fake;
    platform::QtPrinter printer;
    platform::Platform real = fake.withPrinter(printer);
    WindowSet set(real);
    set.reading().PersonName = QStringLiteral("Siti Rahayu");
    set.calendar().showFor(QDate(2026, 5, 1));
    child<QPushButton>(set.calendar(), "printButton")->click();
    QCOMPARE(fake.messages.texts(), expected);
}

QTEST_MAIN(tst_CalendarWindow)
#include "tst_CalendarWindow.moc"
