// SPDX-License-Identifier: MIT
#include "fakes/FakePlatform.h"
#include "fakes/SystemPrinterRun.h"
#include "platform/qt/QtPrinter.h"
#include "screens/CalendarModel.h"
#include "screens/CalendarView.h"
#include "screens/CalendarWindow.h"
#include "screens/WindowSet.h"
#include "weton/InterfaceLanguage.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPageSize>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTranslator>

class tst_CalendarWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }
    void keysMoveAsInAnyCalendar_data();
    void keysMoveAsInAnyCalendar();
    void screenReadersHearTheWholeDay_data();
    void screenReadersHearTheWholeDay();
    void printsTheMonthOnOneLandscapePage();
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
    QTest::keyClick(calendar.grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(calendar.chosenDate(), to);
    QCOMPARE(calendar.grid->currentIndex(), calendar.grid->selectionModel()->selectedIndexes().value(0));
    QCOMPARE(calendar.title->text(),
             QStringLiteral("%1 %2").arg(QLocale(QLocale::English).monthName(to.month())).arg(to.year()));
    // A refused move says why, in the window; the next move that succeeds clears it.
    QCOMPARE(calendar.reason->text().isEmpty(), from != to);
    if (from == to)
        QVERIFY(calendar.reason->text().contains(QLatin1String("January 1901 to December 2036")));
}

void tst_CalendarWindow::screenReadersHearTheWholeDay_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("wuku");
    // tirto.id's calendar of December 2021: Monday the 6th was 1 Jumadilawal 1955 Alip, in the week of wuku
    // Julungpujut; 1 January 2000 was a Legi day, and the 6th lies 8010 days, a multiple of five, after it.
    QTest::newRow("English") << "en"
                             << "Monday 6 December 2021, Legi, 1 Jumadilawal 1955 Alip, wuku Julungpujut, date of birth"
                             << "Julungpujut";
    QTest::newRow("Indonesian") << "id"
                                << "Senin 6 Desember 2021, Legi, 1 Jumadilawal 1955 Alip, wuku Julungpujut, tanggal "
                                   "lahir"
                                << "Julungpujut";
}

void tst_CalendarWindow::screenReadersHearTheWholeDay()
{
    QFETCH(QString, language);
    QFETCH(QString, spoken);
    QFETCH(QString, wuku);
    if (language != InterfaceLanguage::English)
        QCOMPARE(InterfaceLanguage::install(*qApp, {language}), language);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    set.calendar().showFor(QDate(2021, 12, 6));
    QVERIFY(QTest::qWaitForWindowExposed(&set.calendar()));
    const QModelIndex day = set.calendar().grid->currentIndex();
    QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(set.calendar().grid)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->cellAt(day.row(), day.column())->text(QAccessible::Name), spoken);
    QCOMPARE(table->rowDescription(day.row()), wuku);
}

void tst_CalendarWindow::printsTheMonthOnOneLandscapePage()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    set.calendar().showFor(QDate(2026, 5, 1));  // May 2026 begins on a Friday: six weeks, the most there are
    QCOMPARE(set.calendar().model().rowCount(), 6);
    set.calendar().printButton->click();
    QCOMPARE(fake.printer.orientations, QList<platform::PageOrientation>{platform::PageOrientation::Landscape});
    QTextDocument printed;
    printed.setHtml(fake.printer.printedHtml.value(0));
    // The page carries what the window shows: the Javanese months, the wuku of each week.
    QVERIFY(printed.toPlainText().contains(set.calendar().javaneseTitle->text()));
    QVERIFY(printed.toPlainText().contains(QLatin1String("Wuku")));
    // A4 lying down, in points, with the 2 cm margins Qt's printing of a document keeps: one page.
    printed.setPageSize(QPageSize(QPageSize::A4).sizePoints().transposed());
    QTextFrameFormat margins = printed.rootFrame()->frameFormat();
    margins.setMargin(57);
    printed.rootFrame()->setFrameFormat(margins);
    QCOMPARE(printed.pageCount(), 1);

    fake.printer.outcome = platform::PrintOutcome::NoPrinter;
    set.calendar().printButton->click();
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
    set.calendar().showFor(QDate(2026, 5, 1));
    set.calendar().printButton->click();
    QCOMPARE(fake.messages.texts(), expected);
}

QTEST_MAIN(tst_CalendarWindow)
#include "tst_CalendarWindow.moc"
