// SPDX-License-Identifier: MIT
#include "CliRun.h"

#include <QRegularExpression>
#include <QTest>

using Lines = QList<QByteArray>;
using Numbers = QList<qint64>;

namespace {

// The first four columns of each output line; the description is checked on its own.
Lines firstColumns(const CliRun &run)
{
    Lines rows;
    for (const QByteArray &line : run.outLines())
        rows << line.split('\t').mid(0, 4).join('\t');
    return rows;
}

// The line numbers the error stream names, in order.
Numbers reportedLines(const CliRun &run)
{
    Numbers numbers;
    static const QRegularExpression report("^weton: line (\\d+): ", QRegularExpression::MultilineOption);
    for (auto it = report.globalMatch(QString::fromUtf8(run.err)); it.hasNext();)
        numbers << it.next().captured(1).toLongLong();
    return numbers;
}

// Input that arrives in pieces, one for each read, as from a pipe whose writer is slow. At each read it
// notes how many answer lines the output already holds.
class PacedInput : public QIODevice
{
public:
    PacedInput(Lines pieces, const QBuffer &output) : pieces(std::move(pieces)), output(output)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    Numbers answeredAtRead;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        answeredAtRead << output.data().count('\n');
        if (pieces.isEmpty())
            return 0;
        const QByteArray piece = pieces.takeFirst();
        Q_ASSERT(piece.size() <= maxSize);
        memcpy(data, piece.constData(), piece.size());
        return piece.size();
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    Lines pieces;
    const QBuffer &output;
};

// Counts the writes it takes.
class CountingBuffer : public QBuffer
{
public:
    int writes = 0;

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        ++writes;
        return QBuffer::writeData(data, size);
    }
};

}  // namespace

class tst_TsvMode : public QObject
{
    Q_OBJECT

private slots:
    void linesInInputOrder_data();
    void linesInInputOrder();
    void rowHasFiveColumnsAndTheDescription();
    void messagesSayWhatIsWrong_data();
    void messagesSayWhatIsWrong();
    void longLines_data();
    void longLines();
    void crLfSplitAcrossReads();
    void answersGoOutBeforeTheNextRead();
    void refusedLinesListedUpTo100_data();
    void refusedLinesListedUpTo100();
    void unreadableInput();
    void failedOutputIsNotSuccess();
};

void tst_TsvMode::linesInInputOrder_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<Lines>("rows");
    QTest::addColumn<Numbers>("rejected");
    const QByteArray y2000 = "2000-01-01\tLegi\tSabtu\tSaturday";
    const QByteArray y1945 = "1945-08-17\tLegi\tJumat\tFriday";
    const QByteArray y1901 = "1901-01-01\tPahing\tSelasa\tTuesday";
    const QByteArray y2036 = "2036-12-31\tKliwon\tRabu\tWednesday";

    QTest::newRow("input order kept") << QByteArray("2036-12-31\n1901-01-01\n1945-08-17\n")
                                      << Lines{y2036, y1901, y1945} << Numbers{};
    QTest::newRow("empty input") << QByteArray() << Lines{} << Numbers{};
    QTest::newRow("last line without a line break")
        << QByteArray("1945-08-17\n2000-01-01") << Lines{y1945, y2000} << Numbers{};
    QTest::newRow("CR LF line ends") << QByteArray("2000-01-01\r\n1945-08-17\r\n") << Lines{y2000, y1945} << Numbers{};
    QTest::newRow("lone CR line ends") << QByteArray("2000-01-01\r1945-08-17\r") << Lines{y2000, y1945} << Numbers{};
    QTest::newRow("spaces and tabs around a date") << QByteArray(" \t2000-01-01  \t\n") << Lines{y2000} << Numbers{};
    QTest::newRow("byte-order mark before the first date") << QByteArray("\xEF\xBB\xBF"
                                                                         "2000-01-01\n")
                                                           << Lines{y2000} << Numbers{};
    QTest::newRow("byte-order mark later is not forgiven") << QByteArray("2000-01-01\n\xEF\xBB\xBF"
                                                                         "1945-08-17\n")
                                                           << Lines{y2000} << Numbers{2};
    QTest::newRow("empty line reported, rest kept")
        << QByteArray("2000-01-01\n\n1945-08-17\n") << Lines{y2000, y1945} << Numbers{2};
    QTest::newRow("blank line reported") << QByteArray("  \t\n2000-01-01\n") << Lines{y2000} << Numbers{1};
    QTest::newRow("impossible and out-of-range dates")
        << QByteArray("2001-02-29\n1900-12-31\n2000-01-01\n2037-01-01\n2000-00-10\n") << Lines{y2000}
        << Numbers{1, 2, 4, 5};
    QTest::newRow("other date forms") << QByteArray("1980/06/07\n7 June 1980\n1980-6-7\n19800607\n+980-06-07\n")
                                      << Lines{} << Numbers{1, 2, 3, 4, 5};
    QTest::newRow("two dates on a line") << QByteArray("2000-01-01 2000-01-02\n") << Lines{} << Numbers{1};
    QTest::newRow("binary bytes and NULs")
        << QByteArray("\x00\xff\xfe\x01\n2000-01-01\n\x00", 17) << Lines{y2000} << Numbers{1, 3};
    QTest::newRow("CR LF counts as one line end")
        << QByteArray("x\r\ny\r\n2000-01-01\r\n\r\nz") << Lines{y2000} << Numbers{1, 2, 4, 5};
}

void tst_TsvMode::linesInInputOrder()
{
    QFETCH(QByteArray, input);
    QFETCH(Lines, rows);
    QFETCH(Numbers, rejected);
    const CliRun run = runWeton({"--tsv"}, input);
    QCOMPARE(firstColumns(run), rows);
    QCOMPARE(reportedLines(run), rejected);
    QCOMPARE(run.err.count('\n'), rejected.size());
    QCOMPARE(run.status, rejected.isEmpty() ? 0 : 1);
}

void tst_TsvMode::rowHasFiveColumnsAndTheDescription()
{
    const CliRun run = runWeton({"--tsv"}, "2009-01-01\n");
    const Lines columns = run.out.split('\t');
    QCOMPARE(columns.size(), 5);
    QCOMPARE(columns.mid(0, 4), (Lines{"2009-01-01", "Wage", "Kemis", "Thursday"}));
    QVERIFY(columns[4].startsWith("Kemis Wage people are the well-known dreamers of"));
    QCOMPARE(columns[4].size(), 633 + 1);  // and the line break
    QVERIFY(columns[4].endsWith('\n'));
}

void tst_TsvMode::messagesSayWhatIsWrong_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("empty line") << QByteArray("\n")
                                << QByteArray("weton: line 1: empty, expected a date as YYYY-MM-DD\n");
    QTest::newRow("wrong form") << QByteArray("2000-01-01\n07.06.1980\n")
                                << QByteArray("weton: line 2: \"07.06.1980\" is not a date as YYYY-MM-DD\n");
    QTest::newRow("not a real date") << QByteArray("2001-04-31\n")
                                     << QByteArray("weton: line 1: \"2001-04-31\" is not a real date\n");
    QTest::newRow("outside the range") << QByteArray(
        "1900-12-31") << QByteArray("weton: line 1: \"1900-12-31\" is outside 1901-01-01 to 2036-12-31\n");
    QTest::newRow("terminal controls escaped, long text cut")
        << QByteArray("\x1b]0;owned\x07" + QByteArray(50, 'a'))
        << QByteArray("weton: line 1: \"\\x1b]0;owned\\x07" + QByteArray(30, 'a')
                      + "...\" is not a date as YYYY-MM-DD\n");
    QTest::newRow("UTF-8 shown as it is, a Latin-1 byte escaped")
        << QByteArray("caf\xc3\xa9 caf\xe9")
        << QByteArray("weton: line 1: \"caf\xc3\xa9 caf\\xe9\" is not a date as YYYY-MM-DD\n");
    QTest::newRow("a character is not cut at the length limit")
        << QByteArray(39, 'a')
               + "\xc3\xa9"
                 "b"
        << "weton: line 1: \"" + QByteArray(39, 'a') + "\xc3\xa9...\" is not a date as YYYY-MM-DD\n";
    QTest::newRow("quote and backslash escaped")
        << QByteArray("\"\\") << QByteArray("weton: line 1: \"\\x22\\x5c\" is not a date as YYYY-MM-DD\n");
}

void tst_TsvMode::messagesSayWhatIsWrong()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, message);
    QCOMPARE(runWeton({"--tsv"}, input).err, message);
}

void tst_TsvMode::longLines_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("rows");
    QTest::addColumn<Numbers>("rejected");
    const QByteArray tenMegabytes(10 * 1024 * 1024, 'x');
    QTest::newRow("10 MB line between dates") << "2000-01-01\n" + tenMegabytes + "\n2000-01-01\n" << 2 << Numbers{2};
    QTest::newRow("10 MB line with no line break") << tenMegabytes << 0 << Numbers{1};
    QTest::newRow("date padded to 256 bytes is kept") << "2000-01-01" + QByteArray(246, ' ') + "\n" << 1 << Numbers{};
    QTest::newRow("date padded to 257 bytes is refused") << "2000-01-01" + QByteArray(247, ' ') + "\n"
                                                         << 0 << Numbers{1};
}

// A long line is refused whole, without being kept, and the lines after it are read as usual.
void tst_TsvMode::longLines()
{
    QFETCH(QByteArray, input);
    QFETCH(int, rows);
    QFETCH(Numbers, rejected);
    const CliRun run = runWeton({"--tsv"}, input);
    QCOMPARE(run.outLines().size(), rows);
    QCOMPARE(reportedLines(run), rejected);
    QCOMPARE(run.status, rejected.isEmpty() ? 0 : 1);
    if (rejected.size() == 1 && input.size() > 1000)
        QVERIFY2(run.err.contains("longer than 256 bytes, not a date") && run.err.size() < 100, run.err.constData());
}

// Wherever the reader's blocks happen to end, a CR and its LF stay one line end: the first line's
// padding moves every CR through all twelve positions of the 12-byte lines.
void tst_TsvMode::crLfSplitAcrossReads()
{
    constexpr int LineCount = 20000;  // 240 KB, past several read blocks
    for (int padding = 0; padding < 12; ++padding) {
        QByteArray input = QByteArray(padding, ' ');
        for (int i = 0; i < LineCount; ++i)
            input += "2000-01-01\r\n";
        const CliRun run = runWeton({"--tsv"}, input);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.outLines().size(), LineCount);
        QCOMPARE(run.status, 0);
    }
}

// A reader at the end of a pipeline gets each answer before the tool waits for more input, yet a block
// of many lines read at once is answered in one write, not one write per line.
void tst_TsvMode::answersGoOutBeforeTheNextRead()
{
    CountingBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    QByteArray fifty;
    for (int i = 0; i < 50; ++i)
        fifty += "2000-01-01\n";
    PacedInput in({"1980-06-07\n", "1980-06-08\r", "\n" + fifty, "1945-08-17"}, out);
    QCOMPARE(WetonCli::run({"--tsv"}, {in, out, err}, QDate(2024, 1, 1)), 0);
    // The last line has no line break: it is known to be whole only at the end of the input.
    QCOMPARE(in.answeredAtRead, (Numbers{0, 1, 2, 52, 52}));
    QCOMPARE(out.data().count('\n'), 53);
    QVERIFY2(out.writes <= 5, QByteArray::number(out.writes).constData());
}

void tst_TsvMode::refusedLinesListedUpTo100_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("answered");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QByteArray>("lastMessage");
    const QByteArray date = "2000-01-01\n";
    QTest::newRow("100 refused: all listed, no count")
        << QByteArray(100, '\n') << 0 << 100 << QByteArray("weton: line 100: empty, expected a date as YYYY-MM-DD");
    QTest::newRow("101 refused: 100 listed, then the count")
        << QByteArray(101, '\n') << 0 << 101
        << QByteArray("weton: 101 lines were not dates; only the first 100 are listed above");
    QTest::newRow("dates among 250 refused are all answered")
        << date + QByteArray(150, '\n') + date + QByteArray(100, 'x').replace('x', "x\n") + date << 3 << 101
        << QByteArray("weton: 250 lines were not dates; only the first 100 are listed above");
}

void tst_TsvMode::refusedLinesListedUpTo100()
{
    QFETCH(QByteArray, input);
    QFETCH(int, answered);
    QFETCH(int, messages);
    QFETCH(QByteArray, lastMessage);
    const CliRun run = runWeton({"--tsv"}, input);
    QCOMPARE(run.outLines().size(), answered);
    const Lines said = run.err.trimmed().split('\n');
    QCOMPARE(said.size(), messages);
    QCOMPARE(said.last(), lastMessage);
    QCOMPARE(run.status, 1);
}

void tst_TsvMode::unreadableInput()
{
    QBuffer in, out, err;  // input never opened: every read fails
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::read (QBuffer): device not open");
    QCOMPARE(WetonCli::run({"--tsv"}, {in, out, err}, QDate(2024, 1, 1)), 1);
    QVERIFY2(err.data().startsWith("weton: cannot read standard input"), err.data().constData());
}

void tst_TsvMode::failedOutputIsNotSuccess()
{
    QByteArray input = "2000-01-01\n", output;
    QBuffer in(&input), out(&output), err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::ReadOnly);  // refuses every write
    err.open(QIODevice::WriteOnly);
    QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
    QCOMPARE(WetonCli::run({"--tsv"}, {in, out, err}, QDate(2024, 1, 1)), 1);
    QVERIFY2(err.data().startsWith("weton: cannot write standard output"), err.data().constData());
}

QTEST_APPLESS_MAIN(tst_TsvMode)
#include "tst_TsvMode.moc"
