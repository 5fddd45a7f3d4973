// SPDX-License-Identifier: MIT
#include "Identity.h"
#include "app/WindowSet.h"
#include "fakes/FakePlatform.h"
#include "fakes/Immutable.h"
#include "fakes/SystemPrinterRun.h"
#include "platform/qt/QtPrinter.h"
#include "support/Controls.h"
#include "ui/kit/LinkCaption.h"
#include "ui/reading/frmSave.h"
#include "weton/modJavaneseAstrology.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <unistd.h>

using support::child;

using platform::MessageAnswer;
using platform::PrintOutcome;

namespace {

const QString Description = QStringLiteral("You are forceful.");
// The saved reading of abc, born 7 June 1980.
const QByteArray AbcBytes = QByteArray::fromHex("B6B7B80D0A"
                                                "8C0D0A"
                                                "9FCAC3BA0D0A"
                                                "868E8D850D0A");

void enterReading(WindowSet &set, const QString &name, qint16 year, const QString &month, qint16 day)
{
    set.reading() = {name, year, month, day};
    set.wetonResult() = {QStringLiteral("Wage"), QStringLiteral("Sabtu"), QStringLiteral("Saturday"), Description};
}

// Each line of a document as its runs of text, "L:" in the label format (bold, magenta), "V:" in the
// value format (regular, black), "?:" in any other.
QStringList runs(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QStringList parts;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool bold = format.fontWeight() >= QFont::Bold;
            const QColor colour = format.foreground().color();
            const QString kind = bold && colour == QColor(128, 0, 128) ? QStringLiteral("L:")
                                 : !bold && colour == QColor(0, 0, 0)  ? QStringLiteral("V:")
                                                                       : QStringLiteral("?:");
            parts << kind + it.fragment().text();
        }
        lines << parts.join(QLatin1Char('|'));
    }
    return lines;
}

QStringList expectedRuns(const QString &name, const QString &date)
{
    return {"L:Name: |V:" + name,
            "",
            "L:Date of Birth: |V:" + date,
            "",
            "L:Indonesian Day Sign: |V:Wage",
            "",
            "L:Indonesian Weekday: |V:Sabtu",
            "",
            "L:English Weekday: |V:Saturday",
            "",
            "L:Description: ",
            "V:" + Description};
}

}  // namespace

class tst_frmSave : public QObject
{
    Q_OBJECT
private slots:
    void reportLinesAndFormats_data();
    void reportLinesAndFormats();
    void composedAnewOnEachOpening();
    void printCopiesPerPress();
    void printFailureIsReported_data();
    void printFailureIsReported();
    void save_data();
    void save();
    void oneQuestionAboutTheSavedFile_data();
    void oneQuestionAboutTheSavedFile();
    void failedWriteKeepsTheOldFile();
    void clipboardStaysTheUsers();
    void reportInSightCopiesOutOfSight();
    void printsOnTheSystemPrinter();
};

void tst_frmSave::reportLinesAndFormats_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("date");
    QTest::newRow("one-digit day without a leading zero") << "abc" << 1980 << "June" << 7 << "June 7, 1980";
    QTest::newRow("two-digit day, last listed year") << "abc" << 2036 << "December" << 31 << "December 31, 2036";
    QTest::newRow("first listed date") << "abc" << 1901 << "January" << 1 << "January 1, 1901";
    QTest::newRow("name that looks like markup is shown as typed")
        << "<b>Ann</b> & Bo" << 1980 << "June" << 7 << "June 7, 1980";
}

void tst_frmSave::reportLinesAndFormats()
{
    QFETCH(QString, name);
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, date);
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    enterReading(set, name, qint16(year), month, qint16(day));
    const frmSave &report = set.report();
    QCOMPARE(runs(*child<QTextEdit>(report, "RTB")->document()), expectedRuns(name, date));
    QVERIFY2(!child<QTextEdit>(report, "RTB")->toPlainText().endsWith(QLatin1Char('\n')),
             "no line break after the description");
}

void tst_frmSave::composedAnewOnEachOpening()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    enterReading(set, QStringLiteral("abc"), 1980, QStringLiteral("June"), 7);
    set.report().show();
    set.report().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!set.openReport());
    enterReading(set, QStringLiteral("Dewi"), 2001, QStringLiteral("March"), 9);
    QCOMPARE(runs(*child<QTextEdit>(set.report(), "RTB")->document()),
             expectedRuns(QStringLiteral("Dewi"), QStringLiteral("March 9, 2001")));
}

void tst_frmSave::printCopiesPerPress()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    enterReading(set, QStringLiteral("abc"), 1980, QStringLiteral("June"), 7);
    frmSave &report = set.report();
    child<QPushButton>(report, "cmdPrint")->click();
    child<QPushButton>(report, "cmdPrint")->click();

    QCOMPARE(fake.printer.printedHtml.size(), 2);
    QTextDocument printed;
    printed.setHtml(fake.printer.printedHtml[1]);
    QCOMPARE(runs(printed), expectedRuns(QStringLiteral("abc"), QStringLiteral("June 7, 1980")));
    const QString header = QStringLiteral("Report Generated By ") + Identity::SiteAddress;
    const QString copy = QStringList{header,
                                     "",
                                     "Name: abc",
                                     "",
                                     "Date of Birth: June 7, 1980",
                                     "",
                                     "Indonesian Day Sign: Wage",
                                     "",
                                     "Indonesian Weekday: Sabtu",
                                     "",
                                     "English Weekday: Saturday",
                                     "",
                                     "Description: ",
                                     Description,
                                     "",
                                     header}
                             .join(QLatin1Char('\n'));
    QCOMPARE(child<QTextEdit>(report, "RTB1")->toPlainText(), copy + QLatin1Char('\n') + copy);
    QCOMPARE(fake.messages.texts(), QStringList());
}

void tst_frmSave::printFailureIsReported_data()
{
    QTest::addColumn<PrintOutcome>("outcome");
    QTest::addColumn<QString>("says");
    QTest::newRow("no printer set up") << PrintOutcome::NoPrinter << "no printer is set up";
    QTest::newRow("job failed") << PrintOutcome::Failed << "check that the printer";
}

void tst_frmSave::printFailureIsReported()
{
    QFETCH(PrintOutcome, outcome);
    QFETCH(QString, says);
    fakes::FakePlatform fake;
    fake.printer.outcome = outcome;
    WindowSet set(fake.platform());
    enterReading(set, QStringLiteral("abc"), 1980, QStringLiteral("June"), 7);
    child<QPushButton>(set.report(), "cmdPrint")->click();
    QCOMPARE(fake.messages.shown.size(), 1);
    const platform::Message &message = fake.messages.shown[0];
    QCOMPARE(message.title, QStringLiteral("Wetonara"));
    QCOMPARE(message.icon, platform::MessageIcon::Critical);
    QVERIFY2(message.text.contains(QLatin1String("could not be printed")) && message.text.contains(says),
             qPrintable(message.text));
}

void tst_frmSave::save_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QString>("named");       // characters the question names; empty: no question
    QTest::addColumn<QByteArray>("written");  // empty: no file
    QTest::addColumn<int>("refusals");
    const QByteArray abc = AbcBytes;
    QTest::newRow("abc born 7 June 1980 gives the 20-byte file")
        << "abc" << false << QList<MessageAnswer>{} << "" << abc << 0;
    QTest::newRow("cancelled dialog writes nothing")
        << "abc" << true << QList<MessageAnswer>{} << "" << QByteArray() << 0;
    QTest::newRow("Yes stores the name without e-acute")
        << "ab\u00e9c" << false << QList{MessageAnswer::Yes} << "\u00e9" << abc << 0;
    QTest::newRow("No writes nothing") << "ab\u00e9c" << false << QList{MessageAnswer::No} << "\u00e9" << QByteArray()
                                       << 0;
    QTest::newRow("characters beyond 16 bits are named whole, once")
        << "a\U0001F600b\U0001F601c\U0001F600" << false << QList{MessageAnswer::Yes} << "\U0001F600 \U0001F601" << abc
        << 0;
    QTest::newRow("a name with nothing storable is refused")
        << "\u00e9 \u00e9" << false << QList<MessageAnswer>{} << "" << QByteArray() << 1;
}

void tst_frmSave::save()
{
    QFETCH(QString, name);
    QFETCH(bool, cancel);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QString, named);
    QFETCH(QByteArray, written);
    QFETCH(int, refusals);
    QTemporaryDir folder;
    fakes::FakePlatform fake;
    fake.fileDialogs.nextSaveName = cancel ? QString() : folder.filePath(QStringLiteral("reading.jav"));
    fake.messages.answers = answers;
    WindowSet set(fake.platform());
    enterReading(set, name, 1980, QStringLiteral("June"), 7);
    frmSave &report = set.report();
    report.show();
    child<QPushButton>(report, "cmdSave")->click();

    const QDir dir(folder.path());
    QCOMPARE(dir.entryList(QDir::Files), written.isEmpty() ? QStringList() : QStringList{"reading.jav"});
    if (!written.isEmpty()) {
        QFile file(dir.filePath(QStringLiteral("reading.jav")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
        const platform::FileDialogRequest &request = fake.fileDialogs.saveRequests.value(0);
        QCOMPARE(request.title, QStringLiteral("Wetonara"));
        QCOMPARE(request.filter, QStringLiteral("Wetonara (*.jav)"));
    }
    const auto isQuestion = [](const platform::Message &m) { return m.buttons != platform::MessageButtons::Ok; };
    const qsizetype questions = std::count_if(fake.messages.shown.cbegin(), fake.messages.shown.cend(), isQuestion);
    QCOMPARE(questions, named.isEmpty() ? 0 : 1);
    QCOMPARE(fake.messages.shown.size() - questions, refusals);
    for (const platform::Message &message : fake.messages.shown) {
        QVERIFY2(!isQuestion(message) || message.text.contains(named), qPrintable(message.text));
        QCOMPARE(message.icon,
                 isQuestion(message) ? platform::MessageIcon::Information : platform::MessageIcon::Critical);
    }
    QCOMPARE(set.openReport(), &report);
    QVERIFY(report.isVisible());
}

void tst_frmSave::oneQuestionAboutTheSavedFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("existing");              // a file in the folder before, holding "old"
    QTest::addColumn<QList<MessageAnswer>>("answers");  // given: the replace question must be asked
    QTest::addColumn<QString>("savedAs");               // empty: nothing written

    // The naming rule's own rows are SaveTarget's; these follow a name through the dialog to the file.
    const QList<MessageAnswer> none;
    QTest::newRow("a trailing dot gives way to .jav") << "noext."
                                                      << "" << none << "noext.jav";
    QTest::newRow("the typed name's own file is left alone, unasked") << "a.txt"
                                                                      << "a.txt" << none << "a.txt.jav";
    QTest::newRow("Yes replaces the file the saved name meets")
        << "a.txt"
        << "a.txt.jav" << QList{MessageAnswer::Yes} << "a.txt.jav";
    QTest::newRow("No keeps the file the saved name meets") << "a.txt"
                                                            << "a.txt.jav" << QList{MessageAnswer::No} << "";
    QTest::newRow("a typed .jav name over its file is asked about once")
        << "c.jav"
        << "c.jav" << QList{MessageAnswer::Yes} << "c.jav";
}

void tst_frmSave::oneQuestionAboutTheSavedFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, existing);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QString, savedAs);
    QTemporaryDir folder;
    const QDir dir(folder.path());
    QFile old(dir.filePath(existing));
    QVERIFY(existing.isEmpty() || (old.open(QIODevice::WriteOnly) && old.write("old") == 3));
    old.close();
    fakes::FakePlatform fake;
    fake.fileDialogs.nextSaveName = dir.filePath(typed);
    fake.messages.answers = answers;
    WindowSet set(fake.platform());
    enterReading(set, QStringLiteral("abc"), 1980, QStringLiteral("June"), 7);
    child<QPushButton>(set.report(), "cmdSave")->click();

    QStringList files{existing, savedAs};
    files.removeAll(QString());
    files.removeDuplicates();
    files.sort();
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), files);
    for (const QString &name : files) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), name == savedAs ? AbcBytes : QByteArray("old"));
    }
    const QString question =
        '"' + QDir::toNativeSeparators(dir.filePath(existing)) + "\" already exists.\nDo you want to replace it?";
    QCOMPARE(fake.messages.texts(), answers.isEmpty() ? QStringList() : QStringList{question});
    // Replacing is what Yes does, so No is the default answer.
    QVERIFY(answers.isEmpty() || fake.messages.shown[0].buttons == platform::MessageButtons::YesNoDefaultNo);
}

void tst_frmSave::failedWriteKeepsTheOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("old.jav"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("earlier reading") == 15);
    old.close();
    const auto restore = qScopeGuard([&] {
        fakes::setImmutable(folder.path(), false);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() == 0 && !fakes::setImmutable(folder.path(), true))
        QSKIP("this file system cannot hold a folder that root may not write to");
    QVERIFY2(!QFile(folder.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly), "folder still writable");

    fakes::FakePlatform fake;
    fake.fileDialogs.nextSaveName = path;
    fake.messages.answers = {MessageAnswer::Yes};  // replace it
    WindowSet set(fake.platform());
    enterReading(set, QStringLiteral("abc"), 1980, QStringLiteral("June"), 7);
    child<QPushButton>(set.report(), "cmdSave")->click();

    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("earlier reading"));
    QCOMPARE(fake.messages.shown.size(), 2);
    const platform::Message &failure = fake.messages.shown[1];
    QCOMPARE(failure.icon, platform::MessageIcon::Critical);
    QVERIFY2(failure.text.contains(QDir::toNativeSeparators(path)) && failure.text.contains(u"cannot be written to"),
             qPrintable(failure.text));
}

void tst_frmSave::clipboardStaysTheUsers()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("the user's own text"));
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    enterReading(set, QStringLiteral("abc"), 1980, QStringLiteral("June"), 7);
    frmSave &report = set.report();
    report.show();
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    QCOMPARE(clipboard->text(), QStringLiteral("the user's own text"));

    QWidget *page = child<QTextEdit>(report, "RTB")->viewport();
    const auto mouse = [page](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QMouseEvent event(type, at, page->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(page, &event);
    };
    mouse(QEvent::MouseButtonPress, {4, 4}, Qt::LeftButton);
    for (int x = 10; x < 400; x += 30)
        mouse(QEvent::MouseMove, {x, x / 3}, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {400, 130}, Qt::NoButton);
    QTest::keyClick(child<QTextEdit>(report, "RTB"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("the user's own text"));
    QVERIFY(!child<QTextEdit>(report, "RTB")->textCursor().hasSelection());
    QTest::keyClick(child<QTextEdit>(report, "RTB"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(child<QTextEdit>(report, "RTB"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("the user's own text"));
    QVERIFY(!child<QTextEdit>(report, "RTB")->textCursor().hasSelection());
}

void tst_frmSave::reportInSightCopiesOutOfSight()
{
    fakes::FakePlatform fake;
    WindowSet set(fake.platform());
    set.reading() = {QStringLiteral("abc"), 1980, QStringLiteral("June"), 7};
    set.wetonResult() = *modJavaneseAstrology::CalculateWeton(1980, u"June", 7);
    frmSave &report = set.report();
    report.show();
    child<QPushButton>(report, "cmdPrint")->click();
    // Within 10 twips of the report's place, and never over it.
    const QRect shown = child<QTextEdit>(report, "RTB")->geometry(),
                copies = child<QTextEdit>(report, "RTB1")->geometry();
    QVERIFY(qAbs(shown.left() - copies.left()) <= 1 && qAbs(shown.right() - copies.right()) <= 1);
    QCOMPARE(copies.top(), shown.top());
    QCOMPARE(copies.height(), shown.height());
    QVERIFY(child<QTextEdit>(report, "RTB")->isVisible());
    QVERIFY(!child<QTextEdit>(report, "RTB1")->isVisible());
    QCOMPARE(report.client()->childAt(shown.center()), child<QTextEdit>(report, "RTB")->viewport());
    QVERIFY(QTest::qWaitForWindowExposed(&report));
    QVERIFY2(child<QTextEdit>(report, "RTB")->verticalScrollBar()->maximum() > 0,
             "the description should need scrolling");
    QCOMPARE(child<QTextEdit>(report, "RTB")->verticalScrollBar()->value(), 0);
    // The two offers lie on one place; the co-branding one is on top and takes the clicks.
    QCOMPARE(child<QGroupBox>(report, "fraFullBrand")
                 ->childAt(child<LinkCaption>(report, "lblCobrand")->geometry().center()),
             child<LinkCaption>(report, "lblCobrand"));
}

// Driven by test_print_cups.sh, which sets up a spooler whose default queue writes PDF files.
void tst_frmSave::printsOnTheSystemPrinter()
{
    if (qEnvironmentVariableIsEmpty("WETONARA_PRINT_ON_SYSTEM_PRINTER"))
        QSKIP("prints on the system's default printer only when test_print_cups.sh asks for it");
    const QStringList expected = fakes::systemPrinterRun();
    fakes::FakePlatform fake;
    platform::QtPrinter printer;
    platform::Platform real = fake.withPrinter(printer);
    WindowSet set(real);
    set.reading() = {QStringLiteral("abc"), 1980, QStringLiteral("June"), 7};
    set.wetonResult() = *modJavaneseAstrology::CalculateWeton(1980, u"June", 7);
    child<QPushButton>(set.report(), "cmdPrint")->click();
    QCOMPARE(fake.messages.texts(), expected);
}

QTEST_MAIN(tst_frmSave)
#include "tst_frmSave.moc"
