#include "TsvMode.h"

#include "BufferedOutput.h"
#include "DateReading.h"
#include "IsoDate.h"
#include "LineReader.h"
#include "TsvRows.h"

#include <QCoreApplication>

namespace WetonCli {
namespace {

constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Spaces and tabs around a date are forgiven, and so is the byte-order mark some editors put first.
QByteArrayView dateText(QByteArrayView line, bool firstLine)
{
    if (firstLine && line.startsWith(Utf8ByteOrderMark))
        line = line.sliced(Utf8ByteOrderMark.size());
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    return line;
}

void reportLine(QIODevice &err, qint64 number, const QString &problem)
{
    err.write(QCoreApplication::translate("TsvMode", "weton: line %1: %2\n").arg(number).arg(problem).toUtf8());
}

}  // namespace

int runTsv(QIODevice &in, QIODevice &out, QIODevice &err)
{
    LineReader reader(in);
    BufferedOutput output(out);
    TsvRows rows;
    bool allDates = true;
    while (reader.next()) {
        if (reader.tooLong()) {
            reportLine(err, reader.lineNumber(),
                       QCoreApplication::translate("TsvMode", "longer than %1 bytes, not a date")
                           .arg(LineReader::MaxLineLength));
            allDates = false;
            continue;
        }
        const QByteArrayView text = dateText(reader.text(), reader.lineNumber() == 1);
        const ParsedDate parsed = parseIsoDate(text);
        const std::optional<modJavaneseAstrology::Sign> sign = signOf(parsed.date);
        if (parsed.problem != DateProblem::None || !sign) {
            reportLine(err, reader.lineNumber(), describeProblem(text, parsed.problem));
            allDates = false;
            continue;
        }
        output.append(text);
        output.append('\t');
        output.append(rows.tailOf(*sign));
    }
    const bool written = output.flush();
    if (reader.readFailed())
        err.write(QCoreApplication::translate("TsvMode", "weton: cannot read standard input: %1\n")
                      .arg(in.errorString())
                      .toUtf8());
    if (!written)
        err.write(QCoreApplication::translate("TsvMode", "weton: cannot write the output: %1\n")
                      .arg(out.errorString())
                      .toUtf8());
    return allDates && written && !reader.readFailed() ? 0 : 1;
}

}  // namespace WetonCli
